// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The fast generator against the step-by-step reference: the same blocks must give the same
// verdicts, the same test counts and the same final blocks.

#include "bench/ReferenceGenerator.h"
#include "tests/engine/EngineFixture.h"

#include <vector>

namespace {

// One stream of random blocks that both generators read in the same order.
std::vector<Block> Stream;
std::size_t EngineNext = 0, ReferenceNext = 0;

void EngineSource(int, OneBased<std::int32_t, 9>& values) {
    CopyBlock(Stream[EngineNext++ % Stream.size()], values);
}

void ReferenceSource(int, reference::Block& values) {
    const Block& block = Stream[ReferenceNext++ % Stream.size()];
    for (int p = 1; p <= 9; ++p)
        values[p] = block[p - 1];
}

class ReferenceAgreementTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        // Random orders drawn by the engine's own generator, with FitBlocks out of the way.
        Stream.clear();
        game.AttemptLimit = 0;
        for (int n = 0; n < 2000; ++n) {
            generator.GenerateAttempt();
            Block block;
            for (int p = 1; p <= 9; ++p)
                block[p - 1] = generator.Blocks[1 + n % 9].Values[p];
            Stream.push_back(block);
        }
        EngineNext = ReferenceNext = 0;
        generator.FillBlockSource = EngineSource;
        reference::Source = ReferenceSource;
    }
    void TearDown() override {
        reference::Source = nullptr;
        EngineTest::TearDown();
    }
};

TEST_F(ReferenceAgreementTest, VerdictsAgreeOnEveryPairOfBlocks) {
    for (int round = 0; round < 100; ++round) {
        for (int b = 1; b <= 9; ++b) {
            generator.FillBlock(b);
            reference::FillBlock(b);
        }
        for (int a = 1; a <= 9; ++a)
            for (int b = 1; b <= 9; ++b) {
                ASSERT_EQ(generator.RowsCompatible(a, b), reference::RowsCompatible(a, b));
                ASSERT_EQ(generator.ColumnsCompatible(a, b), reference::ColumnsCompatible(a, b));
            }
    }
}

TEST_F(ReferenceAgreementTest, AttemptsAgreeOnCountsAndBlocksAtAnyLimit) {
    for (int limit : {50, 500, 5000, 1000000}) {
        for (int attempt = 0; attempt < 20; ++attempt) {
            game.AttemptLimit = limit;
            reference::AttemptLimit = limit;
            generator.GenerateAttempt();
            reference::GenerateAttempt();
            ASSERT_EQ(game.Attempts, reference::Attempts) << "limit " << limit;
            ASSERT_EQ(EngineNext, ReferenceNext);
            for (int b = 1; b <= 9; ++b)
                for (int p = 1; p <= 9; ++p)
                    ASSERT_EQ(generator.Blocks[b].Values[p], reference::Blocks[b][p]);
        }
    }
}

} // namespace
