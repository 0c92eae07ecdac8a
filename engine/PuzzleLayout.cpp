// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PuzzleLayout.h"

#include "engine/TextLines.h"

#include <string>

namespace {

void ChooseGivens(Game& game, BlockTable& blocks) {
    for (int b = 1; b <= 9; ++b)
        blocks[b].ShownMask.Fill(false);
    for (int b = 1; b <= 9; ++b) {
        int count = 0;
        while (count < game.ShownPerBlock) {
            const int p = static_cast<int>(game.Draws.Below(9)) + 1;
            if (!blocks[b].ShownMask[p]) {
                blocks[b].ShownMask[p] = true;
                ++count;
            }
        }
    }
}

void LayOutRowMajor(Game& game, const BlockTable& blocks) {
    const int side = game.BlockSide;
    int i = 1;
    for (int band = 0; band < side; ++band)
        for (int r = 0; r < side; ++r)
            for (int stack = 0; stack < side; ++stack)
                for (int c = 1; c <= side; ++c) {
                    const int b = 3 * band + stack + 1;
                    const int p = 3 * r + c;
                    game.Solution[i] = blocks[b].Values[p];
                    game.Given[i] = blocks[b].ShownMask[p];
                    ++i;
                }
}

} // namespace

void ResetPlayerValues(Game& game) {
    game.Guesses.Fill(0);
    game.Entries.Fill(0);
    for (int i = 1; i <= 81; ++i)
        if (game.Given[i])
            game.Entries[i] = game.Solution[i];
}

void LogBlock(const BlockRecord& block, int side, TextLines& log) {
    for (int k = 1; k <= side; ++k) {
        std::string line;
        for (int p = side * k - side + 1; p <= side * k; ++p)
            line += ' ' + std::to_string(block.Values[p]);
        log.Append(line);
    }
    log.Append("");
}

void LayOutPuzzle(Game& game, BlockTable& blocks, TextLines& log) {
    for (int b = 1; b <= 9; ++b)
        LogBlock(blocks[b], game.BlockSide, log);
    log.Append("T: " + std::to_string(game.Attempts));
    ChooseGivens(game, blocks);
    LayOutRowMajor(game, blocks);
    ResetPlayerValues(game);
    for (int i = 1; i <= game.CellCount; ++i)
        log.Append(std::to_string(game.Solution[i]));
}
