// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/BoardArea.h"

#include "view/BoardRenderer.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {
constexpr int Notch = 120; // wheel units of one notch
}

BoardArea::BoardArea(const Game& game, QWidget* parent) : QWidget(parent), Shown(game) {
    setAutoFillBackground(true);
    setMouseTracking(true); // moves without a button pressed are the board's pointer position
}

void BoardArea::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    PaintBoard(*this, canvas);
}

void BoardArea::mouseMoveEvent(QMouseEvent* event) {
    Pointer = event->position().toPoint();
}

void BoardArea::mousePressEvent(QMouseEvent* event) {
    ClickStarted = event->button() == Qt::LeftButton;
}

void BoardArea::mouseDoubleClickEvent(QMouseEvent*) {
    // The second press of a double-click is no click of its own.
    ClickStarted = false;
}

void BoardArea::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = ClickStarted && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    ClickStarted = false;
    if (click)
        emit Clicked(Pointer.x(), Pointer.y());
}

void BoardArea::wheelEvent(QWheelEvent* event) {
    // One tool per whole notch, however finely the wheel reports its turn.
    WheelRemainder += event->angleDelta().y();
    while (WheelRemainder >= Notch) {
        WheelRemainder -= Notch;
        emit WheelUp();
    }
    while (WheelRemainder <= -Notch) {
        WheelRemainder += Notch;
        emit WheelDown();
    }
    event->accept();
}
