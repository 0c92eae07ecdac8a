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
            unit[c] = e[CellIndex(r, c)];
        CheckPairs(unit);
    }
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r)
            unit[r] = e[CellIndex(r, c)];
        CheckPairs(unit);
    }
    for (int b = 1; b <= 9; ++b) {
        for (int p = 1; p <= 9; ++p)
            unit[p] = e[CellOfBlockPosition(b, p)];
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
