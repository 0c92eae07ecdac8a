// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Judging a submitted grid: complete or not, and correct by the solution or by the rules.

#include "engine/SolutionEvaluation.h"
#include "tests/engine/EngineFixture.h"

namespace {

class SolutionEvaluationTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        for (int i = 1; i <= 81; ++i)
            game.Solution[i] = ValidGridCell((i - 1) / 9 + 1, (i - 1) % 9 + 1);
        game.Entries = game.Solution;
    }
    static int Cell(int row, int column) { return (row - 1) * 9 + column; }
    void SwapEntries(int a, int b) { std::swap(game.Entries[a], game.Entries[b]); }
};

TEST_F(SolutionEvaluationTest, TheGeneratedSolutionIsCorrect) {
    EXPECT_TRUE(EvaluateSubmission(game));
    EXPECT_TRUE(game.Correct);
}

TEST_F(SolutionEvaluationTest, ADifferentGridThatBreaksNoRuleIsCorrect) {
    // Swapping two whole rows inside a band, or two stacks, keeps every rule.
    for (int c = 1; c <= 9; ++c)
        SwapEntries(Cell(1, c), Cell(2, c));
    EXPECT_TRUE(EvaluateSubmission(game));
    EXPECT_TRUE(game.Correct);
    for (int r = 1; r <= 9; ++r)
        for (int k = 0; k < 3; ++k)
            SwapEntries(Cell(r, 1 + k), Cell(r, 7 + k));
    EXPECT_TRUE(EvaluateSubmission(game));
    EXPECT_TRUE(game.Correct);
}

TEST_F(SolutionEvaluationTest, ARepeatedValueInARowColumnOrBlockIsIncorrect) {
    // Two cells of one row swapped across blocks: the columns and blocks repeat.
    SwapEntries(Cell(1, 1), Cell(1, 4));
    EXPECT_TRUE(EvaluateSubmission(game));
    EXPECT_FALSE(game.Correct);

    // One value overwritten: its row, column and block repeat.
    SetUp();
    game.Entries[Cell(5, 5)] = game.Entries[Cell(5, 5)] % 9 + 1;
    EXPECT_TRUE(EvaluateSubmission(game));
    EXPECT_FALSE(game.Correct);

    // Two cells of one column swapped inside a block: only the rows repeat.
    SetUp();
    SwapEntries(Cell(1, 1), Cell(2, 2));
    EXPECT_TRUE(EvaluateSubmission(game));
    EXPECT_FALSE(game.Correct);
}

TEST_F(SolutionEvaluationTest, OnlyTheBlockPassFindsTheShiftedLatinSquare) {
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k)
            game.Entries[Cell(r, k)] = (r + k - 2) % 9 + 1;
    EXPECT_TRUE(EvaluateSubmission(game));
    EXPECT_FALSE(game.Correct);
}

TEST_F(SolutionEvaluationTest, AnIncompleteGridGivesNoVerdictAndGuessesNeverCount) {
    game.Entries[Cell(9, 9)] = 0;
    game.Guesses[Cell(9, 9)] = game.Solution[Cell(9, 9)];
    game.Correct = false;
    EXPECT_FALSE(EntriesComplete(game));
    EXPECT_FALSE(EvaluateSubmission(game));
    // The verdict is reset at the start of every Submit, even one that stops early.
    EXPECT_TRUE(game.Correct);
}

TEST_F(SolutionEvaluationTest, CompletenessLooksAtEveryCell) {
    EXPECT_TRUE(EntriesComplete(game));
    for (int i : {1, 41, 81}) {
        game.Entries = game.Solution;
        game.Entries[i] = 0;
        EXPECT_FALSE(EntriesComplete(game)) << "cell " << i;
    }
}

TEST_F(SolutionEvaluationTest, CheckRulesNeverSetsCorrect) {
    game.Correct = false;
    CheckRules(game);
    EXPECT_FALSE(game.Correct);
}

} // namespace
