// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board: the value of every cell in its colour, a thin blue frame round every cell and a thick
// black frame round every block (on other faces, the colours made for them: platform/Colours.h),
// painted whole from the game state each time the board area is painted; and, while the board is
// played from the keyboard, a frame round the focused cell.

class QPainter;
class BoardArea;

// Paints the area as its last ShowBoard or BlankBoard asked for.
void PaintBoard(BoardArea& area, QPainter& canvas);
