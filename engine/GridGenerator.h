// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grid generator: random blocks refitted one after the other, without backtracking, until
// every band and stack agrees. Attempts counts the block tests of the running attempt.

#include "engine/GameState.h"

#include <cstdint>

// Gives block b (1 to 9) a new random order of 1 to 9, every order equally likely. The tests
// see it at once; Blocks[b].Values receives it when FitBlocks ends.
void FillBlock(int b);

// True when no row (column) of block a shares a value with the same row (column) of block b.
// Each call adds 1 to Attempts, whether or not its result is used.
bool RowsCompatible(int a, int b);
bool ColumnsCompatible(int a, int b);

// Refits blocks 2 to 9 in order against the blocks placed before them, within AttemptLimit, and
// leaves every block's values in Blocks.
void FitBlocks();

// One whole attempt with its "T: " log line and five progress lines.
void GenerateAttempt();

// Attempts until one is accepted, then the lay-out of the givens.
void GeneratePuzzle();

// Test seam: when set, FillBlock takes the block's values from here instead of the generator.
using BlockSource = void (*)(int b, OneBased<std::int32_t, 9>& values);
extern BlockSource FillBlockSource;
