// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's client area. The board draws itself on it from the game it is given, and
// the mouse over it (not over its child controls) is reported to the window by signals: a click
// as the cell it lands on, or as a click beside the board.

#include "platform/Colours.h"

#include <QWidget>

#include <optional>

struct Game;

// The row (of a y) or column (of an x), 1 to 9, that a click at this coordinate of the area lands
// on; 0 where it lands on no cell (the margins, and the board's outer edge lines).
int RowOrColumnAt(const Game& game, int coordinate);

class BoardArea : public QWidget {
    Q_OBJECT
  public:
    BoardArea(const Game& game, QWidget* parent);

    // The game whose board this area shows; it only ever reads it.
    const Game& Shown;

    // What the next paint shows: the board, or only the background (the board cleared until the
    // next DrawBoard).
    bool BoardCleared = false;
    // The window whose showing hides the board completely (the notification); none by default.
    const QWidget* Notification = nullptr;

    // A press that counts as a click on the cell (an assistive technology's press on it).
    void PressCell(int row, int column);

    // The board's colours on the area's palette. Choosing them for a face the designed colours
    // do not read on takes a while, and the board is painted often: they are chosen again only
    // when the palette changes.
    const BoardColours& Colours();

  signals:
    // A click of the primary button on the cell of row and column (1 to 9, from the top left).
    void CellClicked(int row, int column);
    // A click of the primary button on the area but on no cell.
    void ClickedBesideBoard();
    void WheelUp();
    void WheelDown();

  protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    // A primary press on the area that its release may turn into a click.
    bool ClickStarted = false;
    // Wheel turn not yet amounting to a whole notch (fine-grained wheels and touchpads).
    int WheelRemainder = 0;
    std::optional<BoardColours> ColoursChosen;
};
