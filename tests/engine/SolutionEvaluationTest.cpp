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
            Solution[i] = ValidGridCell((i - 1) / 9 + 1, (i - 1) % 9 + 1);
        GameState.Entries = Solution;
    }
    static int Cell(int row, int column) { return (row - 1) * 9 + column; }
    void SwapEntries(int a, int b) { std::swap(GameState.Entries[a], GameState.Entries[b]); }
};

TEST_F(SolutionEvaluationTest, TheGeneratedSolutionIsCorrect) {
    EXPECT_TRUE(EvaluateSubmission());
    EXPECT_TRUE(GameState.Correct);
}

TEST_F(SolutionEvaluationTest, ADifferentGridThatBreaksNoRuleIsCorrect) {
    // Swapping two whole rows inside a band, or two stacks, keeps every rule.
    for (int c = 1; c <= 9; ++c)
        SwapEntries(Cell(1, c), Cell(2, c));
    EXPECT_TRUE(EvaluateSubmission());
    EXPECT_TRUE(GameState.Correct);
    for (int r = 1; r <= 9; ++r)
        for (int k = 0; k < 3; ++k)
            SwapEntries(Cell(r, 1 + k), Cell(r, 7 + k));
    EXPECT_TRUE(EvaluateSubmission());
    EXPECT_TRUE(GameState.Correct);
}

TEST_F(SolutionEvaluationTest, ARepeatedValueInARowColumnOrBlockIsIncorrect) {
    // Two cells of one row swapped across blocks: the columns and blocks repeat.
    SwapEntries(Cell(1, 1), Cell(1, 4));
    EXPECT_TRUE(EvaluateSubmission());
    EXPECT_FALSE(GameState.Correct);

    // One value overwritten: its row, column and block repeat.
    SetUp();
    GameState.Entries[Cell(5, 5)] = GameState.Entries[Cell(5, 5)] % 9 + 1;
    EXPECT_TRUE(EvaluateSubmission());
    EXPECT_FALSE(GameState.Correct);

    // Two cells of one column swapped inside a block: only the rows repeat.
    SetUp();
    SwapEntries(Cell(1, 1), Cell(2, 2));
    EXPECT_TRUE(EvaluateSubmission());
    EXPECT_FALSE(GameState.Correct);
}

TEST_F(SolutionEvaluationTest, OnlyTheBlockPassFindsTheShiftedLatinSquare) {
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k)
            GameState.Entries[Cell(r, k)] = (r + k - 2) % 9 + 1;
    EXPECT_TRUE(EvaluateSubmission());
    EXPECT_FALSE(GameState.Correct);
}

TEST_F(SolutionEvaluationTest, AnIncompleteGridGivesNoVerdictAndGuessesNeverCount) {
    GameState.Entries[Cell(9, 9)] = 0;
    GameState.Guesses[Cell(9, 9)] = Solution[Cell(9, 9)];
    GameState.Correct = false;
    EXPECT_FALSE(EntriesComplete());
    EXPECT_FALSE(EvaluateSubmission());
    // The verdict is reset at the start of every Submit, even one that stops early.
    EXPECT_TRUE(GameState.Correct);
}

TEST_F(SolutionEvaluationTest, CompletenessLooksAtEveryCell) {
    EXPECT_TRUE(EntriesComplete());
    for (int i : {1, 41, 81}) {
        GameState.Entries = Solution;
        GameState.Entries[i] = 0;
        EXPECT_FALSE(EntriesComplete()) << "cell " << i;
    }
}

TEST_F(SolutionEvaluationTest, CheckRulesNeverSetsCorrect) {
    GameState.Correct = false;
    CheckRules();
    EXPECT_FALSE(GameState.Correct);
}

} // namespace
