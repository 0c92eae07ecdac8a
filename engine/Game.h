// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One game of Tolvane: the board's constants, the puzzle and the player's values on it, the tool,
// the clock, the phase and the sound setting. The main window owns the one game of the run and
// hands it to the routines that play it; nothing else keeps any of it.

#include "engine/OneBased.h"
#include "engine/Random.h"
#include "engine/TranslatableText.h"

#include <array>
#include <cstdint>
#include <string>

struct BlockRecord {
    OneBased<std::int32_t, 9> Values; // by position 1 to 9; each of 1 to 9 once when filled
    OneBased<bool, 9> ShownMask;      // True where the position is shown as a given
};

using BlockTable = OneBased<BlockRecord, 9>; // by block number 1 to 9

struct Game {
    // The board: block side, cells, cell size in pixels and the board's size; the level as the
    // givens each block shows.
    std::int32_t BlockSide = 0;
    std::int32_t CellCount = 0;
    std::int32_t CellSize = 0;
    std::int32_t BoardSize = 0;
    std::int32_t ShownPerBlock = 0;
    // The block tests of the puzzle's last attempt, and their limit.
    std::int32_t Attempts = 0;
    std::int32_t AttemptLimit = 0;
    // The puzzle, by cell index: the whole grid, and where it shows its values as givens.
    OneBased<std::int32_t, 81> Solution;
    OneBased<bool, 81> Given;
    // The player's values: certain entries (the givens among them) and guesses.
    OneBased<std::int32_t, 81> Entries;
    OneBased<std::int32_t, 81> Guesses;
    std::int32_t SelectedValue = 0; // 0 no tool, 1 to 9 a digit, 11 Erase
    bool Guessing = false;          // values go in as guesses ("Just guessing")
    // The clock.
    std::int32_t ElapsedSeconds = 0;
    std::string TimeText;
    // The phase: playing, a finished game's time waiting for the best-times flow, the verdict of
    // the last Submit, and which word the progress text shows next.
    bool Playing = false;
    bool ResultPending = false;
    bool Correct = false;
    bool BlinkPhase = false;
    bool SoundOn = false;
    // The puzzles' random draws, seeded once at start-up.
    Random Draws;
};

// Values a tool can put in SelectedValue besides the digits.
constexpr std::int32_t NoTool = 0;
constexpr std::int32_t EraseTool = 11;

// The board constants of start-up: block side, cell size and the derived sizes, Medium level.
void SetBoardConstants(Game& game);

// Cell index 1 to 81 of row and column (both 1 to 9, from the top left), row by row.
constexpr int CellIndex(int row, int column) {
    return (row - 1) * 9 + column;
}

// Cell index 1 to 81 of block b, position p (both 1 to 9).
constexpr int CellOfBlockPosition(int b, int p) {
    return CellIndex(3 * ((b - 1) / 3) + (p - 1) / 3 + 1, 3 * ((b - 1) % 3) + (p - 1) % 3 + 1);
}

// The levels, in the order of the Game menu and of the score file's best-times block.
enum Level { Easy, Medium, Hard };
constexpr int LevelCount = 3;

// What the game says of a level, once: its name (the design's English, which the windows
// translate; the score file never holds it) and the givens it shows in every block. A level's
// place in the best times is its place here.
struct LevelDescription {
    const char* Name;
    int ShownPerBlock;
};
constexpr std::array<LevelDescription, LevelCount> Levels{{
    //: Level: a Game menu item, and a line of the best-times window's 73 px column, 13 px bold
    {QT_TRANSLATE_NOOP("Level", "Easy"), 5},
    //: Level: a Game menu item, and a line of the best-times window's 73 px column, 13 px bold
    {QT_TRANSLATE_NOOP("Level", "Medium"), 4},
    //: Level: a Game menu item, and a line of the best-times window's 73 px column, 13 px bold
    {QT_TRANSLATE_NOOP("Level", "Hard"), 3},
}};

constexpr int GivensPerBlock(Level level) {
    return Levels[level].ShownPerBlock;
}

// The level of a number of givens per block (ShownPerBlock).
Level LevelOf(int shownPerBlock);
