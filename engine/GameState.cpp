// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/GameState.h"

#include <cmath>
#include <stdexcept>
#include <string>

GameStateRecord GameState;
OneBased<BlockRecord, 9> Blocks;
OneBased<std::int32_t, 81> Solution;
OneBased<bool, 81> Given;
bool ResetRequested = false;

void SetBoardConstants() {
    GameState.BlockSide = static_cast<std::int32_t>(std::lround(std::sqrt(9.0)));
    GameState.CellSize = 35;
    GameState.BoardSize = GameState.CellSize * 9;
    GameState.BlockPixels = GameState.CellSize * GameState.BlockSide;
    GameState.ShownPerBlock = GivensPerBlock(Medium);
    GameState.CellCount = 81;
    GameState.Playing = false;
    GameState.ResultPending = false;
}

Level LevelOf(int shownPerBlock) {
    for (Level level : {Easy, Medium, Hard})
        if (GivensPerBlock(level) == shownPerBlock)
            return level;
    throw std::invalid_argument("no level shows " + std::to_string(shownPerBlock) +
                                " givens per block");
}

void ResetGameData() {
    GameState = GameStateRecord{};
    Blocks = {};
    Solution = {};
    Given = {};
    ResetRequested = false;
}
