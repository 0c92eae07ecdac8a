// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/SolutionEvaluation.h"

#include "engine/GameState.h"

namespace {

void CheckPairs(const OneBased<int, 9>& unit) {
    for (int j = 1; j <= 8; ++j)
        for (int k = j + 1; k <= 9; ++k)
            if (unit[j] == unit[k])
                GameState.Correct = false;
}

} // namespace

bool EntriesComplete() {
    for (int i = 1; i <= GameState.CellCount; ++i)
        if (GameState.Entries[i] == 0)
            return false;
    return true;
}

void CheckRules() {
    const auto& e = GameState.Entries;
    OneBased<int, 9> unit;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c)
            unit[c] = e[(r - 1) * 9 + c];
        CheckPairs(unit);
    }
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r)
            unit[r] = e[(r - 1) * 9 + c];
        CheckPairs(unit);
    }
    const int side = GameState.BlockSide;
    for (int band = 1; band <= side; ++band)
        for (int stack = 1; stack <= side; ++stack) {
            for (int r = 1; r <= side; ++r)
                for (int c = 1; c <= side; ++c)
                    unit[3 * (r - 1) + c] = e[27 * (band - 1) + 3 * (stack - 1) + 9 * (r - 1) + c];
            CheckPairs(unit);
        }
}

bool EvaluateSubmission() {
    GameState.Correct = true;
    if (!EntriesComplete())
        return false;
    for (int i = 1; i <= GameState.CellCount; ++i)
        if (GameState.Entries[i] != Solution[i]) {
            CheckRules(); // depends only on Entries: once gives the same verdict as each time
            break;
        }
    return true;
}
