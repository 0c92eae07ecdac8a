// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/ReferenceGenerator.h"

#include <random>

namespace reference {

std::array<Block, 10> Blocks{};
std::int32_t Attempts = 0;
std::int32_t AttemptLimit = 1000000;
BlockSource Source = nullptr;

namespace {
std::mt19937 Generator;
std::uniform_int_distribution<int> Digit(0, 8);
} // namespace

void Seed(std::uint32_t seed) {
    Generator.seed(seed);
}

void FillBlock(int b) {
    Block& values = Blocks[b];
    if (Source) {
        Source(b, values);
        return;
    }
    for (int i = 1; i <= 9; ++i)
        values[i] = 0;
    for (int i = 1; i <= 9; ++i) {
        bool taken;
        int v;
        do {
            v = Digit(Generator) + 1;
            taken = false;
            for (int j = 1; j <= 9; ++j)
                if (values[j] == v)
                    taken = true;
        } while (taken);
        values[i] = v;
    }
}

bool RowsCompatible(int a, int b) {
    ++Attempts;
    bool result = true;
    for (int k = 1; k <= 3; ++k)
        for (int i = 3 * k - 2; i <= 3 * k; ++i)
            for (int j = 3 * k - 2; j <= 3 * k; ++j)
                if (Blocks[a][i] == Blocks[b][j])
                    result = false;
    return result;
}

bool ColumnsCompatible(int a, int b) {
    ++Attempts;
    bool result = true;
    for (int k = 1; k <= 3; ++k)
        for (int i = k; i <= k + 6; i += 3)
            for (int j = k; j <= k + 6; j += 3)
                if (Blocks[a][i] == Blocks[b][j])
                    result = false;
    return result;
}

void FitBlocks() {
    // Block 2
    while (!RowsCompatible(1, 2) && Attempts < AttemptLimit) {
        FillBlock(2);
        RowsCompatible(1, 2);
    }
    // Block 3
    while (!(RowsCompatible(1, 3) && RowsCompatible(2, 3)) && Attempts < AttemptLimit) {
        FillBlock(3);
        RowsCompatible(1, 3);
        RowsCompatible(2, 3);
    }
    // Block 4
    while (!ColumnsCompatible(1, 4) && Attempts < AttemptLimit) {
        FillBlock(4);
        ColumnsCompatible(1, 4);
    }
    // Block 5
    while (!(ColumnsCompatible(2, 5) && RowsCompatible(4, 5)) && Attempts < AttemptLimit) {
        FillBlock(5);
        ColumnsCompatible(2, 5);
        RowsCompatible(4, 5);
    }
    // Block 6
    while (!(ColumnsCompatible(3, 6) && RowsCompatible(5, 6) && RowsCompatible(4, 6)) &&
           Attempts < AttemptLimit) {
        FillBlock(6);
        ColumnsCompatible(3, 6);
        RowsCompatible(5, 6);
        RowsCompatible(4, 6);
    }
    // Block 7
    while (!(ColumnsCompatible(1, 7) && ColumnsCompatible(4, 7)) && Attempts < AttemptLimit) {
        FillBlock(7);
        ColumnsCompatible(1, 7);
        ColumnsCompatible(4, 7);
    }
    // Block 8
    while (!(ColumnsCompatible(2, 8) && ColumnsCompatible(5, 8) && RowsCompatible(7, 8)) &&
           Attempts < AttemptLimit) {
        FillBlock(8);
        ColumnsCompatible(2, 8);
        ColumnsCompatible(5, 8);
        RowsCompatible(7, 8);
    }
    // Block 9
    while (!(ColumnsCompatible(3, 9) && ColumnsCompatible(6, 9) && RowsCompatible(7, 9) &&
             RowsCompatible(8, 9)) &&
           Attempts < AttemptLimit) {
        FillBlock(9);
        ColumnsCompatible(3, 9);
        ColumnsCompatible(6, 9);
        RowsCompatible(7, 9);
        RowsCompatible(8, 9);
    }
}

void GenerateAttempt() {
    Attempts = 0;
    for (int b = 1; b <= 9; ++b)
        FillBlock(b);
    FitBlocks();
}

} // namespace reference
