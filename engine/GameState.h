// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The static game data. Everything the game knows lives here for the whole run and is read and
// written directly by every subsystem, on the one user-interface thread.

#include "engine/OneBased.h"

#include <cstdint>
#include <string>

struct BlockRecord {
    OneBased<std::int32_t, 9> Values; // by position 1 to 9; each of 1 to 9 once when filled
    OneBased<bool, 9> ShownMask;      // True where the position is shown as a given
};

struct GameStateRecord {
    std::int32_t BlockSide = 0;
    std::int32_t Attempts = 0;
    std::int32_t AttemptLimit = 0;
    std::int32_t CellCount = 0;
    std::int32_t CellSize = 0;
    std::int32_t BoardSize = 0;
    std::int32_t BlockPixels = 0;
    std::int32_t ShownPerBlock = 0;
    OneBased<std::int32_t, 81> Entries;
    OneBased<std::int32_t, 81> Guesses;
    std::int32_t SelectedValue = 0; // 0 no tool, 1 to 9 a digit, 11 Erase
    std::int32_t ElapsedSeconds = 0;
    std::string TimeText;
    bool Correct = false;
    bool BlinkPhase = false;
    bool Playing = false;
    bool ResultPending = false;
    bool SoundOn = false;
};

extern GameStateRecord GameState;
extern OneBased<BlockRecord, 9> Blocks;
extern OneBased<std::int32_t, 81> Solution;
extern OneBased<bool, 81> Given;
extern bool ResetRequested;

// Values a tool can put in SelectedValue besides the digits.
constexpr std::int32_t NoTool = 0;
constexpr std::int32_t EraseTool = 11;

// The board constants of start-up: block side, cell size and the derived sizes, Medium level.
void SetBoardConstants();

// Back to the state of program load: all zeros, all flags false, all texts empty.
void ResetGameData();

// Cell index 1 to 81 of row and column (both 1 to 9, from the top left), row by row.
constexpr int CellIndex(int row, int column) {
    return (row - 1) * 9 + column;
}

// Cell index 1 to 81 of block b, position p (both 1 to 9).
constexpr int CellOfBlockPosition(int b, int p) {
    return CellIndex(3 * ((b - 1) / 3) + (p - 1) / 3 + 1, 3 * ((b - 1) % 3) + (p - 1) % 3 + 1);
}

// The levels, in the order of the Game menu and of the score file's best-times block, and the
// givens each shows in every block.
enum Level { Easy, Medium, Hard };
constexpr int LevelCount = 3;
constexpr int GivensPerBlock(Level level) {
    constexpr int givens[LevelCount] = {5, 4, 3};
    return givens[level];
}

// The level of a number of givens per block (ShownPerBlock).
Level LevelOf(int shownPerBlock);
