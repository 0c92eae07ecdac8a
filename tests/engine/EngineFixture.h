// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared set-up for the engine's tests: a fresh game with the board constants and a fixed seed,
// and a generator whose two text outputs are kept in memory.

#include "engine/Game.h"
#include "engine/GridGenerator.h"
#include "engine/Random.h"
#include "engine/TextLines.h"

#include <gtest/gtest.h>

#include <array>

class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetBoardConstants(game);
        game.Draws.Seed(12345);
    }
    Game game;
    StoredLines Log;
    StoredLines Progress;
    GridGenerator generator{game, Log, Progress};
};

using Block = std::array<int, 9>; // positions 1 to 9, row by row

// A valid complete grid: row r, column c holds ((r - 1) * 3 + (r - 1) / 3 + c - 1) mod 9 + 1.
inline int ValidGridCell(int row, int column) {
    return ((row - 1) * 3 + (row - 1) / 3 + column - 1) % 9 + 1;
}

// Block b of that grid, by position.
inline Block ValidGridBlock(int b) {
    Block block{};
    for (int p = 1; p <= 9; ++p) {
        const int cell = CellOfBlockPosition(b, p);
        block[p - 1] = ValidGridCell((cell - 1) / 9 + 1, (cell - 1) % 9 + 1);
    }
    return block;
}

inline void CopyBlock(const Block& from, OneBased<std::int32_t, 9>& to) {
    for (int p = 1; p <= 9; ++p)
        to[p] = from[p - 1];
}
