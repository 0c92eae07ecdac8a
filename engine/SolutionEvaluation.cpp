// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/SolutionEvaluation.h"

#include "engine/Game.h"

namespace {

void CheckPairs(Game& game, const OneBased<int, 9>& unit) {
    for (int j = 1; j <= 8; ++j)
        for (int k = j + 1; k <= 9; ++k)
            if (unit[j] == unit[k])
                game.Correct = false;
}

} // namespace

bool EntriesComplete(const Game& game) {
    for (int i = 1; i <= game.CellCount; ++i)
        if (game.Entries[i] == 0)
            return false;
    return true;
}

void CheckRules(Game& game) {
    const auto& e = game.Entries;
    OneBased<int, 9> unit;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c)
            unit[c] = e[CellIndex(r, c)];
        CheckPairs(game, unit);
    }
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r)
            unit[r] = e[CellIndex(r, c)];
        CheckPairs(game, unit);
    }
    for (int b = 1; b <= 9; ++b) {
        for (int p = 1; p <= 9; ++p)
            unit[p] = e[CellOfBlockPosition(b, p)];
        CheckPairs(game, unit);
    }
}

bool EvaluateSubmission(Game& game) {
    game.Correct = true;
    if (!EntriesComplete(game))
        return false;
    for (int i = 1; i <= game.CellCount; ++i)
        if (game.Entries[i] != game.Solution[i]) {
            CheckRules(game); // depends only on Entries: once gives the same verdict as each time
            break;
        }
    return true;
}
