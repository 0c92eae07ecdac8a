// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Game.h"

#include <cmath>
#include <stdexcept>
#include <string>

void SetBoardConstants(Game& game) {
    game.BlockSide = static_cast<std::int32_t>(std::lround(std::sqrt(9.0)));
    game.CellSize = 35;
    game.BoardSize = game.CellSize * 9;
    game.ShownPerBlock = GivensPerBlock(Medium);
    game.CellCount = 81;
    game.Playing = false;
    game.ResultPending = false;
}

Level LevelOf(int shownPerBlock) {
    for (int level = 0; level < LevelCount; ++level)
        if (Levels[level].ShownPerBlock == shownPerBlock)
            return static_cast<Level>(level);
    throw std::invalid_argument("no level shows " + std::to_string(shownPerBlock) +
                                " givens per block");
}
