// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/BoardArea.h"

#include "engine/Game.h"
#include "view/BoardAccessibility.h"
#include "view/BoardRenderer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
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
    setFocusPolicy(Qt::NoFocus);
    InstallBoardAccessibility();
}

void BoardArea::ShowBoard() {
    if (Notification && Notification->isVisible())
        return;
    BoardCleared = false;
    // With the rest of the command's changes, in one paint of the window once the command is
    // done. Painted apart, the board and a change within it (the Submit button after the last
    // cell) reach a compositing window manager as two changes, and mutter takes in only the
    // first while the second lies inside it: the button stayed off the screen.
    update();
    TellChangedCells(*this);
}

void BoardArea::BlankBoard() {
    BoardCleared = true;
    repaint();
    TellChangedCells(*this);
}

bool BoardArea::BoardShown() const {
    return !BoardCleared && !(Notification && Notification->isVisible());
}

void BoardArea::PressCell(int row, int column) {
    emit CellClicked(row, column);
}

void BoardArea::SetKeyboardPlay(bool on) {
    KeyboardPlayOn = on;
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
    if (!on && hasFocus())
        clearFocus();
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

void BoardArea::keyPressEvent(QKeyEvent* event) {
    if (!KeyboardPlayOn || event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    CellPlace to = Focused;
    if (key == Qt::Key_Left)
        to.Column = std::max(1, to.Column - 1);
    else if (key == Qt::Key_Right)
        to.Column = std::min(9, to.Column + 1);
    else if (key == Qt::Key_Up)
        to.Row = std::max(1, to.Row - 1);
    else if (key == Qt::Key_Down)
        to.Row = std::min(9, to.Row + 1);
    else if (key == Qt::Key_Home)
        to.Column = 1;
    else if (key == Qt::Key_End)
        to.Column = 9;
    else if (key >= Qt::Key_1 && key <= Qt::Key_9)
        emit ToolTyped(key - Qt::Key_0);
    else if (key == Qt::Key_Delete || key == Qt::Key_Backspace)
        emit ToolTyped(EraseTool);
    else if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit CellClicked(Focused.Row, Focused.Column);
        TellPlacedCell(*this);
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    if (to != Focused)
        MoveFocusTo(to);
    event->accept();
}

void BoardArea::MoveFocusTo(CellPlace place) {
    Focused = place;
    update();
    TellFocusedCell(*this);
}

void BoardArea::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    // After Qt has told of the area's own focus, or the screen reader stays on the area.
    QTimer::singleShot(0, this, [this] { TellFocusedCell(*this); });
}

void BoardArea::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}
