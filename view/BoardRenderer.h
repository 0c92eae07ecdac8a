// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board: the value of every cell in its colour, a thin blue frame round every cell and a thick
// black frame round every block (on other faces, the colours made for them: platform/Colours.h),
// redrawn whole from the game state each time. Qt paints only
// inside paint events, so ClearBoard repaints the area at once, DrawBoard with the next paint of
// the window, and PaintBoard, called by the main window's paint handler, does the drawing.

class QPainter;
class BoardArea;

// Shows only the background until the next DrawBoard.
void ClearBoard(BoardArea& area);

// Shows the board as the game state holds it; nothing while the notification is up.
void DrawBoard(BoardArea& area);

// Paints the area as the last ClearBoard or DrawBoard asked for.
void PaintBoard(BoardArea& area, QPainter& canvas);
