// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board as assistive technology (a screen reader) finds it: a table of 9 x 9 cells, each
// named by its row, its column and what the board shows there, with the cell's square on the
// screen and a press that clicks it; and the news of the game, told as the board changes. The
// pictures of the secondary windows are presented as pictures. Nothing of this paints.

class BoardArea;

// Makes the board and the pictures known to assistive technology; the first call does it.
void InstallBoardAccessibility();

// Tells assistive technology of every cell whose content changed since it was last told: called
// each time the board is drawn anew or cleared.
void TellChangedCells(BoardArea& area);

enum class BoardNews { NewPuzzle, Solved };
// Tells assistive technology that a new puzzle is on the board, or that the board is solved.
void TellBoardNews(BoardArea& area, BoardNews news);
