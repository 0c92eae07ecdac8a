// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board as assistive technology (a screen reader) finds it: a table of 9 x 9 cells, each
// named by its row, its column and what the board shows there, with the cell's square on the
// screen and a press that clicks it; the cell the keyboard is on; and the news of the game, told
// as a notification that a screen reader speaks whatever has the focus. The tool panel is a pane
// of the window and the pictures of the secondary windows are pictures. Nothing of this paints.

#include <QString>

class BoardArea;

// Makes the board, the panels and the pictures known to assistive technology; the first call
// does it.
void InstallBoardAccessibility();

// Tells of every cell whose content changed since it was last told: called each time the board
// is shown anew or blanked.
void TellChangedCells(BoardArea& area);

// Tells that the keyboard is on another cell of the board, which a screen reader then reads.
void TellFocusedCell(BoardArea& area);

// Tells what the focused cell holds after the player pressed it: the value placed or erased, or
// the given or value that stayed.
void TellPlacedCell(BoardArea& area);

enum class BoardNews { NewPuzzle, Solved, SolvedByComputer };
// Tells that a new puzzle is on the board (its level and counts), or that the board is solved.
void TellBoardNews(BoardArea& area, BoardNews news);

// Tells other news of the game: the Submit button shown, a tool chosen from the keyboard.
void TellNews(BoardArea& area, const QString& news);

// Tells the news that waited for the main window to be active again.
void TellWaitingNews(BoardArea& area);
