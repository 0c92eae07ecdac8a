// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The grid generator: block tests, exact test counts, the attempt limit and the text it writes.

#include "tests/engine/EngineFixture.h"

#include <deque>
#include <map>
#include <set>
#include <string>

namespace {

// Blocks handed to FillBlock, per block number, in order; an empty queue repeats its last block.
std::map<int, std::deque<Block>> Script;
std::map<int, Block> LastScripted;
std::map<int, int> FillCount;

void ScriptedFill(int b, OneBased<std::int32_t, 9>& values) {
    ++FillCount[b];
    auto& queue = Script[b];
    if (!queue.empty()) {
        LastScripted[b] = queue.front();
        queue.pop_front();
    }
    CopyBlock(LastScripted.at(b), values);
}

class GridGeneratorTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        Script.clear();
        LastScripted.clear();
        FillCount.clear();
        generator.FillBlockSource = ScriptedFill;
        game.AttemptLimit = 1000000;
    }
    // Every block of the valid grid, once each.
    void ScriptValidGrid() {
        for (int b = 1; b <= 9; ++b)
            Script[b].push_back(ValidGridBlock(b));
    }
};

const Block InOrder = {1, 2, 3, 4, 5, 6, 7, 8, 9};
const Block RowsShifted = {4, 5, 6, 7, 8, 9, 1, 2, 3};
const Block ColumnsRotated = {2, 3, 1, 5, 6, 4, 8, 9, 7};

TEST_F(GridGeneratorTest, BlockTestsCompareRowsAndColumnsAndCountEveryCall) {
    Script[1] = {InOrder};
    Script[2] = {RowsShifted};
    Script[4] = {ColumnsRotated};
    generator.FillBlock(1);
    generator.FillBlock(2);
    generator.FillBlock(4);
    game.Attempts = 0;
    EXPECT_TRUE(generator.RowsCompatible(1, 2));
    EXPECT_FALSE(generator.ColumnsCompatible(1, 2));
    EXPECT_TRUE(generator.ColumnsCompatible(1, 4));
    EXPECT_FALSE(generator.RowsCompatible(1, 4));
    EXPECT_EQ(game.Attempts, 4);
}

TEST_F(GridGeneratorTest, OneSharedValueInOneRowIsEnoughToFail) {
    // Block 2 differs from a compatible one only by swapping a value of row 3 into row 1.
    Script[1] = {InOrder};
    Script[2] = {{4, 5, 1, 7, 8, 9, 6, 2, 3}};
    generator.FillBlock(1);
    generator.FillBlock(2);
    EXPECT_FALSE(generator.RowsCompatible(1, 2));
}

TEST_F(GridGeneratorTest, AttemptWhereEveryBlockFitsAtOnceMakesEighteenTests) {
    ScriptValidGrid();
    generator.GenerateAttempt();
    EXPECT_EQ(game.Attempts, 18);
    for (int b = 1; b <= 9; ++b) {
        EXPECT_EQ(FillCount[b], 1) << "block " << b;
        for (int p = 1; p <= 9; ++p)
            EXPECT_EQ(generator.Blocks[b].Values[p], ValidGridBlock(b)[p - 1]);
    }
    ASSERT_EQ(Log.Lines.size(), 1u);
    EXPECT_EQ(Log.Lines[0], "T: 18");
}

TEST_F(GridGeneratorTest, EachRefillAddsTheStagesTestsAndTheNextCheck) {
    // Block 2 twice clashes with block 1 before it fits: each refill costs 2 tests.
    ScriptValidGrid();
    Script[2] = {ValidGridBlock(1), ValidGridBlock(1), ValidGridBlock(2)};
    generator.GenerateAttempt();
    EXPECT_EQ(game.Attempts, 18 + 2 * 2);
    EXPECT_EQ(FillCount[2], 3);

    // Block 9 clashing in its last test: the refill re-runs all 4 tests, then 4 more pass.
    ScriptValidGrid();
    Block clashInLastRow = ValidGridBlock(9);
    // Same column sets as the valid block 9 (rows permuted inside columns keep them), so the
    // column tests pass and a row test fails.
    clashInLastRow = {clashInLastRow[3], clashInLastRow[4], clashInLastRow[5],
                      clashInLastRow[0], clashInLastRow[1], clashInLastRow[2],
                      clashInLastRow[6], clashInLastRow[7], clashInLastRow[8]};
    Script[9] = {clashInLastRow, ValidGridBlock(9)};
    generator.GenerateAttempt();
    // Stage 9: 3 tests up to the failing generator.RowsCompatible(7, 9), then 4 re-run, then 4
    // passing.
    EXPECT_EQ(game.Attempts, 14 + 3 + 4 + 4);
}

TEST_F(GridGeneratorTest, StageThatNeverFitsEndsTheAttemptAtTheLimit) {
    game.AttemptLimit = 100;
    ScriptValidGrid();
    Script[9] = {ValidGridBlock(3)}; // repeats: always clashes with block 3's columns
    generator.GenerateAttempt();
    // 14 tests up to stage 9, then 1 failing test, then 5 per refill until the limit.
    EXPECT_GE(game.Attempts, 100);
    EXPECT_LT(game.Attempts, 100 + 5);
    EXPECT_EQ((game.Attempts - 15) % 5, 0);
}

TEST_F(GridGeneratorTest, AfterTheLimitLaterStagesRunOnceUpToTheirFirstFailure) {
    game.AttemptLimit = 50;
    ScriptValidGrid();
    Script[2] = {ValidGridBlock(7)}; // block 2 never fits: it repeats the rows of block 1
    generator.GenerateAttempt();
    // Stage 2 makes 1 + 2k tests and stops at 51. The later blocks are valid among themselves,
    // so stages 3 to 7 pass (2 + 1 + 2 + 3 + 2 tests); stage 8 fails at its first test, against
    // block 2's columns, and gives up without a refill (1); stage 9 passes (4).
    EXPECT_EQ(game.Attempts, 51 + 2 + 1 + 2 + 3 + 2 + 1 + 4);
    for (int b = 3; b <= 9; ++b)
        EXPECT_EQ(FillCount[b], 1) << "block " << b << " must not be refilled after the limit";
}

TEST_F(GridGeneratorTest, ProgressTextAlternatesAndIsNeverCleared) {
    game.BlinkPhase = true;
    for (int attempt = 0; attempt < 3; ++attempt) {
        ScriptValidGrid();
        generator.GenerateAttempt();
    }
    const std::vector<std::string> expected = {
        "          PLEASE  ", "", "Generating a new puzzle.", "", "This may take up to a minute.",
        "           WAIT   ", "", "Generating a new puzzle.", "", "This may take up to a minute.",
        "          PLEASE  ", "", "Generating a new puzzle.", "", "This may take up to a minute."};
    EXPECT_EQ(Progress.Lines, expected);
    EXPECT_FALSE(game.BlinkPhase);
}

TEST_F(GridGeneratorTest, GenerationRetriesUntilAnAttemptEndsBelowTheLimitMinusTen) {
    // Attempts 1 and 2 keep a block 9 that clashes with block 3 and run into the limit; the third
    // attempt fits at once.
    static int attempt;
    attempt = 0;
    generator.FillBlockSource = [](int b, OneBased<std::int32_t, 9>& values) {
        if (b == 1)
            ++attempt;
        CopyBlock(b == 9 && attempt < 3 ? ValidGridBlock(3) : ValidGridBlock(b), values);
    };
    game.BlinkPhase = true;
    generator.GeneratePuzzle();
    EXPECT_EQ(attempt, 3);
    EXPECT_EQ(game.AttemptLimit, 1000000);
    EXPECT_EQ(game.Attempts, 18);
    ASSERT_GE(Log.Lines.size(), 3u);
    EXPECT_GE(std::stoi(Log.Lines[0].substr(3)), 1000000);
    EXPECT_GE(std::stoi(Log.Lines[1].substr(3)), 1000000);
    EXPECT_EQ(Log.Lines[2], "T: 18");
    EXPECT_EQ(Progress.Lines.size(), 15u);
    EXPECT_EQ(Progress.Lines[10], "          PLEASE  ");
}

// The first attempt finds a valid grid after `total` tests: block 2 clashes with block 1 for
// (total - 18 - extra) / 2 draws (2 tests each), and for an odd total block 3 clashes once at
// its first test (3 more). Later attempts fit at once.
void GenerateWithFirstAttemptEndingAt(GridGenerator& generator, int total) {
    static int attempt, clashes2, clashes3, fill2, fill3;
    attempt = 0;
    clashes3 = total % 2;
    clashes2 = (total - 18 - 3 * clashes3) / 2;
    generator.FillBlockSource = [](int b, OneBased<std::int32_t, 9>& values) {
        if (b == 1)
            ++attempt, fill2 = 0, fill3 = 0;
        const bool clash =
            attempt == 1 && ((b == 2 && fill2++ < clashes2) || (b == 3 && fill3++ < clashes3));
        CopyBlock(ValidGridBlock(clash ? 1 : b), values);
    };
    generator.GeneratePuzzle();
}

TEST_F(GridGeneratorTest, AValidGridFoundWithinTenTestsOfTheLimitIsThrownAway) {
    for (const int total : {999989, 999990, 999999}) {
        Log.Lines.clear();
        GenerateWithFirstAttemptEndingAt(generator, total);
        ASSERT_FALSE(Log.Lines.empty());
        EXPECT_EQ(Log.Lines[0], "T: " + std::to_string(total));
        // The accepted attempt's count is the final one.
        EXPECT_EQ(game.Attempts, total < 999990 ? total : 18) << "first attempt " << total;
    }
}

TEST_F(GridGeneratorTest, RandomBlocksAreOrdersOfOneToNineWithEveryValueEverywhere) {
    generator.FillBlockSource = nullptr;
    // Position-by-value counts over many random attempts: each of the 81 pairs near 1/9.
    std::array<std::array<int, 9>, 9> seen{};
    const int draws = 9000;
    game.AttemptLimit = 0; // each attempt fills every block once and stops at once
    for (int n = 0; n < draws / 9; ++n) {
        generator.GenerateAttempt();
        for (int b = 1; b <= 9; ++b) {
            std::set<int> values;
            for (int p = 1; p <= 9; ++p) {
                values.insert(generator.Blocks[b].Values[p]);
                ++seen[p - 1][generator.Blocks[b].Values[p] - 1];
            }
            ASSERT_EQ(values, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
        }
    }
    for (const auto& position : seen)
        for (int count : position) {
            EXPECT_GT(count, draws / 9 - 150); // expected 1000, sd about 30
            EXPECT_LT(count, draws / 9 + 150);
        }
}

TEST(RandomTest, BoundedDrawsAreUniformAndInRange) {
    Random draws;
    draws.Seed(7);
    std::array<int, 9> counts{};
    for (int n = 0; n < 90000; ++n) {
        const std::uint32_t v = draws.Below(9);
        ASSERT_LT(v, 9u);
        ++counts[v];
    }
    for (int count : counts) {
        EXPECT_GT(count, 10000 - 400);
        EXPECT_LT(count, 10000 + 400);
    }
    EXPECT_EQ(draws.Below(1), 0u);
}

TEST(RandomTest, DigitDrawsAreTheBoundedDrawOfTheirProductAndGiveTheStateBack) {
    Random draws;
    const auto check = [&draws](std::uint32_t bound, auto draw) {
        draws.Seed(5);
        std::vector<std::uint32_t> expected(2000);
        for (std::uint32_t& value : expected)
            value = draws.Below(bound);
        const std::uint64_t next = draws.Bits();
        draws.Seed(5);
        {
            BorrowedRandom random(draws);
            for (std::uint32_t value : expected)
                ASSERT_EQ(draw(random), value) << "bound " << bound;
        }
        EXPECT_EQ(draws.Bits(), next);
    };
    check(362880, [](BorrowedRandom& random) {
        const auto [partition, first, second, third] = random.Digits<1680, 6, 6, 6>();
        return ((partition * 6 + first) * 6 + second) * 6 + third;
    });
    // A product just above 2^31 rejects about every second draw.
    check(65537u * 32769u, [](BorrowedRandom& random) {
        const auto [high, low] = random.Digits<65537, 32769>();
        return high * 32769 + low;
    });
}

TEST(RandomTest, SameSeedSameSequenceOtherSeedOtherSequence) {
    Random draws;
    draws.Seed(99);
    const std::uint64_t a = draws.Bits(), b = draws.Bits();
    draws.Seed(99);
    EXPECT_EQ(draws.Bits(), a);
    EXPECT_EQ(draws.Bits(), b);
    draws.Seed(100);
    EXPECT_NE(draws.Bits(), a);
}

} // namespace
