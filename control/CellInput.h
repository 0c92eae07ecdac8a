// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's mouse on the board: choosing a tool with the tool buttons or the wheel, and
// placing or erasing a value with a click.

struct GameWindow;

// The tool of the button that is down.
void TakeToolOfButtons(const GameWindow& window);
// Places or erases at the cell of row and column (1 to 9) that the player clicked.
void ClickCell(const GameWindow& window, int row, int column);
// A click beside the board: only the Submit check, in play.
void ClickBesideBoard(const GameWindow& window);
void NextTool(const GameWindow& window);
void PreviousTool(const GameWindow& window);
// Shows Submit once every cell holds an entry, hides it otherwise.
void UpdateSubmit(const GameWindow& window);
