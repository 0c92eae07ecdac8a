// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/GridGenerator.h"

#include "engine/PuzzleLayout.h"
#include "engine/Random.h"
#include "engine/TextLines.h"
#include "engine/TranslatableText.h"

#include <array>
#include <bit>
#include <cstddef>
#include <string>
#include <utility>

namespace {

// Each block's three rows and three columns as sets of values, one 9-bit set every 10 bits: the
// rows in the low half of the word, the columns in the high half. Two blocks share a value in
// some row exactly when their row sets overlap, so one AND gives the verdict of 27 comparisons.
using BlockSets = std::uint64_t;
constexpr BlockSets RowHalf = 0xFFFFFFFFu;
constexpr BlockSets ColumnHalf = RowHalf << 32;

constexpr std::uint32_t PermutationCount = 362880; // 9 factorial

BlockSets SetsOf(const OneBased<std::int32_t, 9>& values) {
    BlockSets sets = 0;
    for (int p = 1; p <= 9; ++p) {
        const BlockSets bit = BlockSets{1} << (values[p] - 1);
        sets |= bit << (10 * ((p - 1) / 3));
        sets |= bit << (32 + 10 * ((p - 1) % 3));
    }
    return sets;
}

// Orders are numbered by how they split into rows: which values each row holds (one of the 1680
// ways to share 1 to 9 out over three rows of three) and in which of its 6 orders each row puts
// them. Number n = ((partition * 6 + first) * 6 + second) * 6 + third runs over 0 to 9! - 1 and
// names every order once, so a uniform n gives every order with the same chance. The tables for
// the tests are small enough to stay in the nearest cache while the refill loop runs: the row
// sets of each partition, and the column bits of each row's three values in each of its orders.
constexpr std::uint32_t PartitionCount = 1680; // 9! / (3! 3! 3!)
constexpr std::uint32_t TripleCount = 84;      // sets of 3 values out of 9
constexpr std::array<std::array<int, 3>, 6> RowOrders = {
    {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}}};

struct Partition {
    std::uint32_t Rows;            // the row sets, as in BlockSets
    std::uint16_t RowOrderBase[3]; // each row's first entry in RowOrderColumns
};

struct OrderTables {
    std::array<std::array<std::int32_t, 3>, TripleCount> Triples;  // values, ascending
    std::array<std::array<std::uint8_t, 3>, PartitionCount> Split; // each row's triple
    std::array<Partition, PartitionCount> Partitions;
    std::array<BlockSets, TripleCount * 6> RowOrderColumns; // a row's column bits, per order
};

constexpr OrderTables MakeOrderTables() {
    OrderTables tables{};
    std::array<std::uint32_t, TripleCount> bits{}; // each triple as a set
    std::array<std::uint8_t, 512> tripleOf{};      // and back
    std::uint32_t t = 0;
    for (int a = 1; a <= 9; ++a)
        for (int b = a + 1; b <= 9; ++b)
            for (int c = b + 1; c <= 9; ++c) {
                tables.Triples[t] = {a, b, c};
                bits[t] = 1u << (a - 1) | 1u << (b - 1) | 1u << (c - 1);
                tripleOf[bits[t]] = static_cast<std::uint8_t>(t);
                ++t;
            }
    std::uint32_t p = 0;
    for (std::uint32_t first = 0; first < TripleCount; ++first)
        for (std::uint32_t second = 0; second < TripleCount; ++second) {
            if (bits[first] & bits[second])
                continue;
            const std::array<std::uint32_t, 3> rows = {
                first, second, tripleOf[0x1FFu & ~bits[first] & ~bits[second]]};
            Partition& partition = tables.Partitions[p];
            for (int r = 0; r < 3; ++r) {
                tables.Split[p][r] = static_cast<std::uint8_t>(rows[r]);
                partition.Rows |= bits[rows[r]] << (10 * r);
                partition.RowOrderBase[r] = static_cast<std::uint16_t>(6 * rows[r]);
            }
            ++p;
        }
    for (t = 0; t < TripleCount; ++t)
        for (std::uint32_t o = 0; o < 6; ++o)
            for (int c = 0; c < 3; ++c)
                tables.RowOrderColumns[6 * t + o] |=
                    BlockSets{1} << (32 + 10 * c + tables.Triples[t][RowOrders[o][c]] - 1);
    return tables;
}

constexpr OrderTables Tables = MakeOrderTables();

// Every partition shares out 1 to 9 over its three rows, three values each.
constexpr bool PartitionsShareOutOneToNine() {
    for (const Partition& partition : Tables.Partitions) {
        std::uint32_t all = 0;
        for (int r = 0; r < 3; ++r) {
            const std::uint32_t row = (partition.Rows >> (10 * r)) & 0x3FF;
            if (std::popcount(row) != 3 || (all & row))
                return false;
            all |= row;
        }
    }
    return true;
}
static_assert(PartitionsShareOutOneToNine());

OneBased<std::int32_t, 9> OrderValues(std::uint32_t n) {
    const std::uint32_t partition = n / 216;
    const std::array<std::uint32_t, 3> orders = {n / 36 % 6, n / 6 % 6, n % 6};
    OneBased<std::int32_t, 9> values;
    for (int r = 0; r < 3; ++r) {
        const auto& triple = Tables.Triples[Tables.Split[partition][r]];
        for (int c = 0; c < 3; ++c)
            values.Items[3 * r + c] = triple[RowOrders[orders[r]][c]];
    }
    return values;
}

// The order number of a block whose values came through the test seam.
constexpr std::uint32_t NotDrawn = GridGenerator::NotDrawn;
static_assert(NotDrawn == PermutationCount);

// A block as a refill leaves it: its sets, and its order number or NotDrawn.
struct Filled {
    BlockSets Sets;
    std::uint32_t Order;
};

// A refill from the random generator.
struct RandomRefill {
    BorrowedRandom& Random;
    Filled operator()(int) const {
        const auto [partition, first, second, third] = Random.Digits<PartitionCount, 6, 6, 6>();
        const Partition& split = Tables.Partitions[partition];
        const auto columns = [&](int r, std::uint32_t order) {
            return Tables.RowOrderColumns[std::size_t{split.RowOrderBase[r]} + order];
        };
        return {split.Rows | columns(0, first) | columns(1, second) | columns(2, third),
                ((partition * 6 + first) * 6 + second) * 6 + third};
    }
};

// What the stages work on: each block's sets and drawn order, and the attempt's count and limit.
struct Stages {
    OneBased<BlockSets, 9>& Sets;
    OneBased<std::uint32_t, 9>& Drawn;
    std::int32_t& Attempts;
    std::int32_t Limit;
};

// A block test of a stage: rows or columns against an earlier block.
struct BlockTest {
    bool Columns;
    int Other;
};

// One bit per test whose mask the sets meet, the first test in the lowest bit.
template <std::size_t N, std::size_t... t>
unsigned FailedTests(BlockSets sets, const std::array<BlockSets, N>& masks,
                     std::index_sequence<t...>) {
    return ((static_cast<unsigned>((sets & masks[t]) != 0) << t) | ...);
}

// The stage for block B with its tests in order. The earlier blocks stay put while it runs, so
// each test is an AND of the candidate's sets with a fixed mask, and Attempts is counted in a
// register: a look at a block counts its tests up to the first failing one, and a refill all of
// them before that look.
template <int B, BlockTest... Tests, typename Refill> void RunStage(Stages& stages, Refill refill) {
    auto& Sets = stages.Sets;
    auto& Drawn = stages.Drawn;
    constexpr int count = sizeof...(Tests);
    const std::array<BlockSets, count> masks = {Sets[Tests.Other] &
                                                (Tests.Columns ? ColumnHalf : RowHalf)...};
    const auto failures = [&masks](BlockSets sets) {
        return FailedTests(sets, masks, std::make_index_sequence<count>{});
    };
    // The tests run up to the first failing one, or all of them.
    const auto testsToFirstFailure = [](unsigned failed) {
        return std::countr_zero(failed | (1u << (count - 1))) + 1;
    };

    std::int32_t attempts = stages.Attempts;
    const std::int32_t limit = stages.Limit;
    Filled block = {Sets[B], Drawn[B]};
    unsigned failed = failures(block.Sets);
    attempts += testsToFirstFailure(failed);
    while (failed != 0 && attempts < limit) {
        block = refill(B);
        if ((block.Sets & masks[0]) != 0) {
            // Most refills already fail the first test: the short way round.
            attempts += count + 1;
            continue;
        }
        failed = failures(block.Sets);
        attempts += count + testsToFirstFailure(failed);
    }
    Sets[B] = block.Sets;
    Drawn[B] = block.Order;
    stages.Attempts = attempts;
}

constexpr BlockTest Rows(int other) {
    return {false, other};
}
constexpr BlockTest Columns(int other) {
    return {true, other};
}

template <typename Refill> void RunStages(Stages stages, Refill refill) {
    RunStage<2, Rows(1)>(stages, refill);
    RunStage<3, Rows(1), Rows(2)>(stages, refill);
    RunStage<4, Columns(1)>(stages, refill);
    RunStage<5, Columns(2), Rows(4)>(stages, refill);
    RunStage<6, Columns(3), Rows(5), Rows(4)>(stages, refill);
    RunStage<7, Columns(1), Columns(4)>(stages, refill);
    RunStage<8, Columns(2), Columns(5), Rows(7)>(stages, refill);
    RunStage<9, Columns(3), Columns(6), Rows(7), Rows(8)>(stages, refill);
}

} // namespace

GridGenerator::GridGenerator(Game& game, TextLines& log, TextLines& progress)
    : TheGame(game), Log(log), Progress(progress) {
    Drawn.Fill(NotDrawn);
}

void GridGenerator::AppendProgressLines() {
    // The words blink in the middle of the progress window's box: translations keep the padding.
    if (TheGame.BlinkPhase) {
        //: Progress window, blinking word, centred by its spaces in 201 px, 13 px bold
        Progress.Append(QT_TRANSLATE_NOOP("GeneratorProgress", "          PLEASE  "));
        TheGame.BlinkPhase = false;
    } else {
        //: Progress window, blinking word, centred by its spaces in 201 px, 13 px bold
        Progress.Append(QT_TRANSLATE_NOOP("GeneratorProgress", "           WAIT   "));
        TheGame.BlinkPhase = true;
    }
    Progress.Append("");
    //: Progress window, a line of 201 px, 13 px bold
    Progress.Append(QT_TRANSLATE_NOOP("GeneratorProgress", "Generating a new puzzle."));
    Progress.Append("");
    //: Progress window, a line of 201 px, 13 px bold
    Progress.Append(QT_TRANSLATE_NOOP("GeneratorProgress", "This may take up to a minute."));
}

void GridGenerator::WriteDrawnValues() {
    for (int b = 1; b <= 9; ++b) {
        if (Drawn[b] == NotDrawn)
            continue;
        Blocks[b].Values = OrderValues(Drawn[b]);
        Drawn[b] = NotDrawn;
    }
}

void GridGenerator::FillBlock(int b) {
    if (FillBlockSource) {
        FillBlockSource(b, Blocks[b].Values);
        Sets[b] = SetsOf(Blocks[b].Values);
        Drawn[b] = NotDrawn;
    } else {
        BorrowedRandom random(TheGame.Draws);
        const Filled block = RandomRefill{random}(b);
        Sets[b] = block.Sets;
        Drawn[b] = block.Order;
    }
}

bool GridGenerator::RowsCompatible(int a, int b) {
    ++TheGame.Attempts;
    return (Sets[a] & Sets[b] & RowHalf) == 0;
}

bool GridGenerator::ColumnsCompatible(int a, int b) {
    ++TheGame.Attempts;
    return (Sets[a] & Sets[b] & ColumnHalf) == 0;
}

void GridGenerator::FitBlocks() {
    const Stages stages{Sets, Drawn, TheGame.Attempts, TheGame.AttemptLimit};
    if (FillBlockSource) {
        // A refill through the test seam: FillBlock itself.
        RunStages(stages, [this](int b) {
            FillBlock(b);
            return Filled{Sets[b], NotDrawn};
        });
    } else {
        BorrowedRandom random(TheGame.Draws);
        RunStages(stages, RandomRefill{random});
    }
    WriteDrawnValues();
}

void GridGenerator::GenerateAttempt() {
    TheGame.Attempts = 0;
    for (int b = 1; b <= 9; ++b)
        FillBlock(b);
    FitBlocks();
    Log.Append("T: " + std::to_string(TheGame.Attempts));
    AppendProgressLines();
}

void GridGenerator::GeneratePuzzle() {
    TheGame.AttemptLimit = 1000000;
    do {
        GenerateAttempt();
    } while (TheGame.Attempts >= TheGame.AttemptLimit - 10);
    LayOutPuzzle(TheGame, Blocks, Log);
}
