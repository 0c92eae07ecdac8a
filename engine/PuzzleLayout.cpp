// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PuzzleLayout.h"

#include "engine/Random.h"
#include "engine/TextLines.h"

#include <string>

namespace {

void ChooseGivens() {
    for (int b = 1; b <= 9; ++b)
        Blocks[b].ShownMask.Fill(false);
    for (int b = 1; b <= 9; ++b) {
        int count = 0;
        while (count < GameState.ShownPerBlock) {
            const int p = static_cast<int>(RandomBelow(9)) + 1;
            if (!Blocks[b].ShownMask[p]) {
                Blocks[b].ShownMask[p] = true;
                ++count;
            }
        }
    }
}

void LayOutRowMajor() {
    const int side = GameState.BlockSide;
    int i = 1;
    for (int band = 0; band < side; ++band)
        for (int r = 0; r < side; ++r)
            for (int stack = 0; stack < side; ++stack)
                for (int c = 1; c <= side; ++c) {
                    const int b = 3 * band + stack + 1;
                    const int p = 3 * r + c;
                    Solution[i] = Blocks[b].Values[p];
                    Given[i] = Blocks[b].ShownMask[p];
                    ++i;
                }
}

} // namespace

void ResetPlayerValues() {
    GameState.Guesses.Fill(0);
    GameState.Entries.Fill(0);
    for (int i = 1; i <= 81; ++i)
        if (Given[i])
            GameState.Entries[i] = Solution[i];
}

void LogBlock(BlockRecord block) {
    const int side = GameState.BlockSide;
    for (int k = 1; k <= side; ++k) {
        std::string line;
        for (int p = side * k - side + 1; p <= side * k; ++p)
            line += ' ' + std::to_string(block.Values[p]);
        DiagnosticLog->Append(line);
    }
    DiagnosticLog->Append("");
}

void LayOutPuzzle() {
    for (int b = 1; b <= 9; ++b)
        LogBlock(Blocks[b]);
    DiagnosticLog->Append("T: " + std::to_string(GameState.Attempts));
    ChooseGivens();
    LayOutRowMajor();
    ResetPlayerValues();
    for (int i = 1; i <= GameState.CellCount; ++i)
        DiagnosticLog->Append(std::to_string(Solution[i]));
}
