// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lay-out of a generated grid: givens chosen per block, the grid turned row-major into
// Solution and Given, the player's arrays reset, and the grid written to the diagnostic log.

#include "engine/Game.h"
#include "engine/TextLines.h"

// Appends the block's rows (" 5 3 8" shape, `side` values each) and an empty line to the log.
void LogBlock(const BlockRecord& block, int side, TextLines& log);

// Empties the player's entries and guesses, and puts the givens back as entries.
void ResetPlayerValues(Game& game);

// The second phase of a puzzle's generation: the blocks of the accepted attempt (their givens
// chosen here) laid out as the game's puzzle; writes them and the solution to the log.
void LayOutPuzzle(Game& game, BlockTable& blocks, TextLines& log);
