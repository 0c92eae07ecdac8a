// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/BoardArea.h"

#include "engine/Game.h"
#include "view/BoardAccessibility.h"
#include "view/BoardRenderer.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace {
constexpr int Notch = 120; // wheel units of one notch
}

int RowOrColumnAt(const Game& game, int coordinate) {
    const int size = game.CellSize;
    if (size <= 0 || coordinate < size || coordinate > game.BoardSize + size)
        return 0;
    // The nearest whole cell: a line between two cells goes to the even one of the two (the
    // rounding of halves to even), the board's outer edge lines to 0 or 10, outside the board.
    const int line = static_cast<int>(std::nearbyint((coordinate - size / 2.0) / size));
    return line >= 1 && line <= 9 ? line : 0;
}

BoardArea::BoardArea(const Game& game, QWidget* parent) : QWidget(parent), Shown(game) {
    setAutoFillBackground(true);
    InstallBoardAccessibility();
}

void BoardArea::PressCell(int row, int column) {
    emit CellClicked(row, column);
}

const BoardColours& BoardArea::Colours() {
    if (!ColoursChosen)
        ColoursChosen = BoardColoursOn(palette());
    return *ColoursChosen;
}

void BoardArea::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        ColoursChosen.reset();
    QWidget::changeEvent(event);
}

void BoardArea::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    PaintBoard(*this, canvas);
}

void BoardArea::mousePressEvent(QMouseEvent* event) {
    ClickStarted = event->button() == Qt::LeftButton;
}

void BoardArea::mouseDoubleClickEvent(QMouseEvent*) {
    // The second press of a double-click is no click of its own.
    ClickStarted = false;
}

void BoardArea::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const bool click = ClickStarted && event->button() == Qt::LeftButton && rect().contains(at);
    ClickStarted = false;
    if (!click)
        return;
    const int row = RowOrColumnAt(Shown, at.y()), column = RowOrColumnAt(Shown, at.x());
    if (row && column)
        emit CellClicked(row, column);
    else
        emit ClickedBesideBoard();
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
