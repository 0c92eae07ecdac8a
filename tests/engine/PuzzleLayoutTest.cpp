// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The lay-out of a generated grid: givens per block, the row-major arrays and the diagnostic log.

#include "engine/PuzzleLayout.h"
#include "tests/engine/EngineFixture.h"

#include <set>
#include <string>

namespace {

class PuzzleLayoutTest : public EngineTest {};

void FillValidGrid(int b, OneBased<std::int32_t, 9>& values) {
    CopyBlock(ValidGridBlock(b), values);
}

TEST_F(PuzzleLayoutTest, BlockPositionsMapToTheirCells) {
    EXPECT_EQ(CellOfBlockPosition(5, 6), 42);
    const int block1[] = {1, 2, 3, 10, 11, 12, 19, 20, 21};
    const int block9[] = {61, 62, 63, 70, 71, 72, 79, 80, 81};
    for (int p = 1; p <= 9; ++p) {
        EXPECT_EQ(CellOfBlockPosition(1, p), block1[p - 1]);
        EXPECT_EQ(CellOfBlockPosition(9, p), block9[p - 1]);
    }
}

TEST_F(PuzzleLayoutTest, SolutionIsTheBlocksLaidOutRowMajor) {
    generator.FillBlockSource = FillValidGrid;
    generator.GeneratePuzzle();
    for (int b = 1; b <= 9; ++b)
        for (int p = 1; p <= 9; ++p) {
            const int i = CellOfBlockPosition(b, p);
            EXPECT_EQ(game.Solution[i], generator.Blocks[b].Values[p]);
            EXPECT_EQ(game.Given[i], generator.Blocks[b].ShownMask[p]);
        }
    for (int i = 1; i <= 81; ++i)
        EXPECT_EQ(game.Solution[i], ValidGridCell((i - 1) / 9 + 1, (i - 1) % 9 + 1));
}

TEST_F(PuzzleLayoutTest, DiagnosticLogHoldsTheAttemptsTheBlockDumpAndTheSolution) {
    generator.FillBlockSource = FillValidGrid;
    generator.GeneratePuzzle();
    const auto& lines = Log.Lines;
    ASSERT_EQ(lines.size(), 1u + 36 + 1 + 81);
    EXPECT_EQ(lines[0], "T: 18");
    // Block 1 of the valid grid: rows 1 2 3 / 4 5 6 / 7 8 9 of the grid's first three rows.
    EXPECT_EQ(lines[1], " 1 2 3");
    EXPECT_EQ(lines[2], " 4 5 6");
    EXPECT_EQ(lines[3], " 7 8 9");
    EXPECT_EQ(lines[4], "");
    for (int b = 1; b <= 9; ++b)
        for (int k = 1; k <= 3; ++k) {
            std::string row;
            for (int p = 3 * k - 2; p <= 3 * k; ++p)
                row += ' ' + std::to_string(ValidGridBlock(b)[p - 1]);
            EXPECT_EQ(lines[1 + 4 * (b - 1) + (k - 1)], row);
        }
    EXPECT_EQ(lines[37], "T: 18");
    for (int i = 1; i <= 81; ++i)
        EXPECT_EQ(lines[37 + i], std::to_string(game.Solution[i]));
}

TEST_F(PuzzleLayoutTest, LogBlockWritesThreeRowsAndAnEmptyLine) {
    BlockRecord block;
    const int values[] = {5, 3, 8, 1, 9, 2, 7, 4, 6};
    for (int p = 1; p <= 9; ++p)
        block.Values[p] = values[p - 1];
    LogBlock(block, 3, Log);
    EXPECT_EQ(Log.Lines, (std::vector<std::string>{" 5 3 8", " 1 9 2", " 7 4 6", ""}));
}

TEST_F(PuzzleLayoutTest, EveryLevelGivesItsGivensPerBlockAndResetsThePlayersValues) {
    for (int shown : {5, 4, 3}) {
        game.ShownPerBlock = shown;
        for (int puzzle = 0; puzzle < 20; ++puzzle) {
            // Leave traces of a previous game that the new one must not keep.
            game.Guesses.Fill(7);
            game.Entries.Fill(3);
            generator.GeneratePuzzle();
            int givens = 0;
            for (int b = 1; b <= 9; ++b) {
                int inBlock = 0;
                for (int p = 1; p <= 9; ++p)
                    inBlock += generator.Blocks[b].ShownMask[p];
                EXPECT_EQ(inBlock, shown);
            }
            for (int i = 1; i <= 81; ++i) {
                givens += game.Given[i];
                EXPECT_EQ(game.Entries[i], game.Given[i] ? game.Solution[i] : 0);
                EXPECT_EQ(game.Guesses[i], 0);
            }
            EXPECT_EQ(givens, 9 * shown);
        }
    }
}

// Every row, column and block of Solution holds 1 to 9 once.
bool SolutionIsValid(const Game& game) {
    for (int unit = 0; unit < 9; ++unit) {
        std::set<int> row, column, block;
        for (int k = 0; k < 9; ++k) {
            row.insert(game.Solution[unit * 9 + k + 1]);
            column.insert(game.Solution[k * 9 + unit + 1]);
            const int r = 3 * (unit / 3) + k / 3, c = 3 * (unit % 3) + k % 3;
            block.insert(game.Solution[r * 9 + c + 1]);
        }
        const std::set<int> all = {1, 2, 3, 4, 5, 6, 7, 8, 9};
        if (row != all || column != all || block != all)
            return false;
    }
    return true;
}

TEST_F(PuzzleLayoutTest, GeneratedGridsAreAlwaysValidAndDiffer) {
    std::set<std::string> grids;
    for (int puzzle = 0; puzzle < 30; ++puzzle) {
        generator.GeneratePuzzle();
        ASSERT_TRUE(SolutionIsValid(game)) << "puzzle " << puzzle;
        EXPECT_LT(game.Attempts, 999990);
        std::string grid;
        for (int i = 1; i <= 81; ++i)
            grid += static_cast<char>('0' + game.Solution[i]);
        grids.insert(grid);
    }
    EXPECT_EQ(grids.size(), 30u);
}

TEST_F(PuzzleLayoutTest, GivenPositionsAreSpreadOverTheBlock) {
    // Each position of a block is a given with chance ShownPerBlock / 9.
    game.ShownPerBlock = 3;
    generator.FillBlockSource = FillValidGrid;
    std::array<int, 9> shown{};
    const int puzzles = 900;
    for (int n = 0; n < puzzles; ++n) {
        generator.GeneratePuzzle();
        for (int p = 1; p <= 9; ++p)
            shown[p - 1] += generator.Blocks[5].ShownMask[p];
    }
    for (int count : shown) {
        EXPECT_GT(count, 300 - 60); // expected 300, sd about 14
        EXPECT_LT(count, 300 + 60);
    }
}

} // namespace
