// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grid generator in its plain form, one rule after the other: 27 comparisons per block
// test, redraws on duplicates, std::mt19937 with std::uniform_int_distribution. It is the
// benchmark's baseline and the yardstick that the engine's fast generator is checked against.

#include <array>
#include <cstdint>

namespace reference {

using Block = std::array<std::int32_t, 10>; // positions 1 to 9; slot 0 unused

extern std::array<Block, 10> Blocks; // blocks 1 to 9; slot 0 unused
extern std::int32_t Attempts;
extern std::int32_t AttemptLimit;

// When set, FillBlock takes its values from here instead of drawing them.
using BlockSource = void (*)(int b, Block& values);
extern BlockSource Source;

void Seed(std::uint32_t seed);
void FillBlock(int b);
bool RowsCompatible(int a, int b);
bool ColumnsCompatible(int a, int b);
void FitBlocks();
void GenerateAttempt();

} // namespace reference
