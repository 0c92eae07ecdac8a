// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Judging the player's grid. Only Entries count; guesses never complete a grid.

#include "engine/Game.h"

// True when every one of the CellCount entries is non-zero.
bool EntriesComplete(const Game& game);

// Clears Correct when a row, column or block of Entries holds a value twice; never sets it.
void CheckRules(Game& game);

// The evaluation part of Submit: sets Correct and returns true, or returns false without a
// verdict when the grid is incomplete.
bool EvaluateSubmission(Game& game);
