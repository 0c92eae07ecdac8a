// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's client area. The board draws itself on it from the game it is given, and
// the mouse over it (not over its child controls) is reported to the window by signals: a click
// as the cell it lands on, or as a click beside the board. Every change of what the board shows
// goes through ShowBoard and BlankBoard, which reach the drawing and the screen reader alike.
//
// For a player who cannot see the board or use a mouse (a screen reader is running), the board
// also takes the keyboard's focus and is walked cell by cell: the arrow keys move one cell, Home
// and End to the row's ends, the digits choose their tool, Delete or Backspace choose Erase, and
// Space or Enter place the chosen tool on the focused cell as a click does. Without assistive
// technology none of this is there and the board takes no focus, as designed.

#include "platform/Colours.h"

#include <QWidget>

#include <optional>

struct Game;

// The row (of a y) or column (of an x), 1 to 9, that a click at this coordinate of the area lands
// on; 0 where it lands on no cell (the margins, and the board's outer edge lines).
int RowOrColumnAt(const Game& game, int coordinate);

// A cell of the board by row and column, 1 to 9 from the top left.
struct CellPlace {
    int Row = 1;
    int Column = 1;
    bool operator==(const CellPlace&) const = default;
};

class BoardArea : public QWidget {
    Q_OBJECT
  public:
    BoardArea(const Game& game, QWidget* parent);

    // The game whose board this area shows; it only ever reads it.
    const Game& Shown;

    // Shows the board as the game holds it, with the next paint of the window; nothing while
    // the notification is up.
    void ShowBoard();
    // Shows only the background until the next ShowBoard, at once: a new puzzle's generation
    // holds the event loop right after.
    void BlankBoard();
    // What a paint shows: the board, or only the background (blanked, or the notification up).
    bool BoardShown() const;

    // The window whose showing hides the board completely (the notification); none by default.
    const QWidget* Notification = nullptr;

    // A press that counts as a click on the cell (an assistive technology's press on it).
    void PressCell(int row, int column);

    // Walking the board from the keyboard, while assistive technology is active.
    void SetKeyboardPlay(bool on);
    bool KeyboardPlay() const { return KeyboardPlayOn; }
    // The cell the keyboard is on.
    CellPlace FocusedCell() const { return Focused; }

    // The board's colours on the area's palette. Choosing them for a face the designed colours
    // do not read on takes a while, and the board is painted often: they are chosen again only
    // when the palette changes.
    const BoardColours& Colours();

  signals:
    // A click of the primary button on the cell of row and column (1 to 9, from the top left),
    // or Space or Enter on the focused cell.
    void CellClicked(int row, int column);
    // A click of the primary button on the area but on no cell.
    void ClickedBesideBoard();
    void WheelUp();
    void WheelDown();
    // A digit (1 to 9), or Delete for Erase, typed on the focused board.
    void ToolTyped(int tool);

  protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void MoveFocusTo(CellPlace place);
    bool BoardCleared = false;
    // A primary press on the area that its release may turn into a click.
    bool ClickStarted = false;
    // Wheel turn not yet amounting to a whole notch (fine-grained wheels and touchpads).
    int WheelRemainder = 0;
    std::optional<BoardColours> ColoursChosen;
    bool KeyboardPlayOn = false;
    CellPlace Focused;
};
