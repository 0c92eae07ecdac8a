// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board as the player sees it: cells of 35 pixels, the board from 35 to 350 across and down
// the client area; cells 1 to 81 row by row.

#include <QPoint>
#include <QRect>

constexpr int CellPixels = 35;
constexpr int BoardFirst = CellPixels, BoardLast = 10 * CellPixels;

constexpr int RowOf(int index) {
    return (index - 1) / 9 + 1;
}
constexpr int ColumnOf(int index) {
    return (index - 1) % 9 + 1;
}

// The cell's square, frame lines included.
inline QRect CellSquare(int index) {
    return {CellPixels * ColumnOf(index), CellPixels * RowOf(index), CellPixels, CellPixels};
}

// The middle of the cell.
inline QPoint CellCentre(int index) {
    return CellSquare(index).topLeft() + QPoint(CellPixels / 2, CellPixels / 2);
}
