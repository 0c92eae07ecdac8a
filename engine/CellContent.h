// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the board shows in a cell, decided in this one place for the drawing and for the screen
// reader alike: the given, else the player's entry, else a guess, else nothing.

#include "engine/Game.h"

enum class CellKind { Empty, Given, Entry, Guess };

struct CellContent {
    CellKind Kind = CellKind::Empty;
    int Value = 0; // 1 to 9; 0 when empty
};

inline CellContent ContentOf(const Game& game, int row, int column) {
    const int i = CellIndex(row, column);
    if (game.Given[i])
        return {CellKind::Given, game.Solution[i]};
    if (game.Entries[i] != 0)
        return {CellKind::Entry, game.Entries[i]};
    if (game.Guesses[i] != 0)
        return {CellKind::Guess, game.Guesses[i]};
    return {};
}
