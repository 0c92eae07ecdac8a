# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The answer to a board, worked out as a player does in the head: for the tests that play a
whole game as a blind player, who reads the givens and places the rest."""


def solve(grid):
    """Fills the zeros of the 81 cells so that no row, column or block holds a digit twice."""
    if 0 not in grid:
        return True
    i = grid.index(0)
    row, column, top, left = i // 9, i % 9, i // 27 * 3, i % 9 // 3 * 3
    seen = {grid[row * 9 + k] for k in range(9)} | {grid[k * 9 + column] for k in range(9)}
    seen |= {grid[(top + r) * 9 + left + c] for r in range(3) for c in range(3)}
    for digit in set(range(1, 10)) - seen:
        grid[i] = digit
        if solve(grid):
            return True
    grid[i] = 0
    return False
