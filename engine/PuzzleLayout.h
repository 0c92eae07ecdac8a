// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lay-out of a generated grid: givens chosen per block, the grid turned row-major into
// Solution and Given, the player's arrays reset, and the grid written to the diagnostic log.

#include "engine/GameState.h"

// Appends the block's three rows (" 5 3 8" shape) and an empty line to the diagnostic log.
void LogBlock(BlockRecord block);

// Empties the player's entries and guesses, and puts the givens back as entries.
void ResetPlayerValues();

// The second phase of GeneratePuzzle; reads Blocks and the accepted attempt's Attempts.
void LayOutPuzzle();
