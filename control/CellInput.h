// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's input on the board: choosing a tool with the tool panel or the wheel, and placing
// or erasing a value with a click.

#include "engine/Game.h"

class GameWindow;

// The tool of the tool panel's button that is down: a digit, EraseTool, or anything else for none.
void ChooseTool(Game& game, int tool);
// Places or erases at the cell of row and column (1 to 9) that the player clicked.
void ClickCell(Game& game, GameWindow& window, int row, int column);
// A click beside the board: only the Submit check, in play.
void ClickBesideBoard(Game& game, GameWindow& window);
// The wheel: one tool on, or one back, for each notch.
void NextTool(Game& game, GameWindow& window);
void PreviousTool(Game& game, GameWindow& window);
// Shows Submit once every cell holds an entry, hides it otherwise.
void UpdateSubmit(Game& game, GameWindow& window);
