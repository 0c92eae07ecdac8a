// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grid generator: random blocks refitted one after the other, without backtracking, until
// every band and stack agrees. The game's Attempts counts the block tests of the running attempt.

#include "engine/Game.h"
#include "engine/TextLines.h"

#include <cstdint>

class GridGenerator {
  public:
    // Generates a puzzle for `game` with its random draws; each attempt writes its count to the
    // diagnostic log and five lines to the progress text.
    GridGenerator(Game& game, TextLines& log, TextLines& progress);

    // Gives block b (1 to 9) a new random order of 1 to 9, every order equally likely. The tests
    // see it at once; Blocks[b].Values receives it when FitBlocks ends.
    void FillBlock(int b);

    // True when no row (column) of block a shares a value with the same row (column) of block b.
    // Each call adds 1 to Attempts, whether or not its result is used.
    bool RowsCompatible(int a, int b);
    bool ColumnsCompatible(int a, int b);

    // Refits blocks 2 to 9 in order against the blocks placed before them, within AttemptLimit,
    // and leaves every block's values in Blocks.
    void FitBlocks();

    // One whole attempt with its "T: " log line and five progress lines.
    void GenerateAttempt();

    // Attempts until one is accepted, then the lay-out of the givens.
    void GeneratePuzzle();

    // The blocks of the last attempt.
    BlockTable Blocks;

    // Test seam: when set, FillBlock takes the block's values from here instead of the draws.
    using BlockSource = void (*)(int b, OneBased<std::int32_t, 9>& values);
    BlockSource FillBlockSource = nullptr;

    // The order number of a block whose values came through the test seam (one past the last
    // of the 9! orders).
    static constexpr std::uint32_t NotDrawn = 362880;

  private:
    void WriteDrawnValues();
    void AppendProgressLines();

    Game& TheGame;
    TextLines& Log;
    TextLines& Progress;
    // Each block's rows and columns as sets, and the order it drew last (or NotDrawn). Only the
    // sets take part in the tests, so the values go to Blocks once the refitting is over.
    OneBased<std::uint64_t, 9> Sets;
    OneBased<std::uint32_t, 9> Drawn;
};
