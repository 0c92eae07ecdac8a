#include "engine/GridGenerator.h"

#include "engine/PuzzleLayout.h"
#include "engine/Random.h"
#include "engine/TextLines.h"

#include <array>
#include <bit>
#include <string>
#include <utility>
#include <vector>

BlockSource FillBlockSource = nullptr;

namespace {

// Each block's three rows and three columns as sets of values, one 9-bit set every 10 bits: the
// rows in the low half of the word, the columns in the high half. Two blocks share a value in
// some row exactly when their row sets overlap, so one AND gives the verdict of 27 comparisons.
using BlockSets = std::uint64_t;
constexpr BlockSets RowHalf = 0xFFFFFFFFu;
constexpr BlockSets ColumnHalf = RowHalf << 32;
OneBased<BlockSets, 9> Sets;

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

// Order number n (0 to 9! - 1) read as the choices of a Fisher-Yates shuffle: a one-to-one
// numbering, so a uniform n gives every order of 1 to 9 with the same chance.
OneBased<std::int32_t, 9> OrderValues(std::uint32_t n) {
    OneBased<std::int32_t, 9> values;
    values.Items = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (std::uint32_t i = 8; i >= 1; --i) {
        std::swap(values.Items[i], values.Items[n % (i + 1)]);
        n /= i + 1;
    }
    return values;
}

// The sets of every order, worked out once. A refill is then one uniform draw below 9! and one
// look-up: the refill loop of the last blocks runs millions of times per puzzle.
std::vector<BlockSets> MakeOrderSets() {
    std::vector<BlockSets> sets(PermutationCount);
    for (std::uint32_t n = 0; n < PermutationCount; ++n)
        sets[n] = SetsOf(OrderValues(n));
    return sets;
}

const std::vector<BlockSets>& OrderSets() {
    static const std::vector<BlockSets> sets = MakeOrderSets();
    return sets;
}

// The order number each block drew last, or NotDrawn when its values came through the test seam.
// Only the sets take part in the tests, so the values go to Blocks once the refitting is over.
constexpr std::uint32_t NotDrawn = PermutationCount;
OneBased<std::uint32_t, 9> Drawn = [] {
    OneBased<std::uint32_t, 9> none;
    none.Fill(NotDrawn);
    return none;
}();

// A refill from the random generator.
struct RandomRefill {
    const BlockSets* OrderSets;
    BorrowedRandom& Random;
    BlockSets operator()(int b) const {
        const std::uint32_t n = Random.Below(PermutationCount);
        Drawn[b] = n;
        return OrderSets[n];
    }
};

// A refill through the test seam: FillBlock itself.
struct SeamRefill {
    BlockSets operator()(int b) const {
        FillBlock(b);
        return Sets[b];
    }
};

void WriteDrawnValues() {
    for (int b = 1; b <= 9; ++b) {
        if (Drawn[b] == NotDrawn)
            continue;
        Blocks[b].Values = OrderValues(Drawn[b]);
        Drawn[b] = NotDrawn;
    }
}

// A block test of a stage: rows or columns against an earlier block.
struct BlockTest {
    bool Columns;
    int Other;
};

// The stage for block B with its tests in order. The earlier blocks stay put while it runs, so
// each test is an AND of the candidate's sets with a fixed mask, and Attempts is counted in a
// register: the tests of step 1 up to the first failure, and after a refill all of them again.
template <int B, BlockTest... Tests, typename Refill> void RunStage(Refill refill) {
    constexpr int count = sizeof...(Tests);
    const std::array<BlockSets, count> masks = {Sets[Tests.Other] &
                                                (Tests.Columns ? ColumnHalf : RowHalf)...};
    // One bit per test that fails, the first test in the lowest bit.
    const auto failures = [&masks](BlockSets sets) {
        return [&]<std::size_t... t>(std::index_sequence<t...>) {
            return ((static_cast<unsigned>((sets & masks[t]) != 0) << t) | ...);
        }
        (std::make_index_sequence<count>{});
    };
    // Step 1 runs the tests up to the first failing one, or all of them.
    const auto stepOne = [](unsigned failed) {
        return std::countr_zero(failed | (1u << (count - 1))) + 1;
    };

    std::int32_t attempts = GameState.Attempts;
    const std::int32_t limit = GameState.AttemptLimit;
    BlockSets sets = Sets[B];
    unsigned failed = failures(sets);
    attempts += stepOne(failed);
    while (failed != 0 && attempts < limit) {
        sets = refill(B);
        failed = failures(sets);
        attempts += count + stepOne(failed);
    }
    Sets[B] = sets;
    GameState.Attempts = attempts;
}

constexpr BlockTest Rows(int other) {
    return {false, other};
}
constexpr BlockTest Columns(int other) {
    return {true, other};
}

template <typename Refill> void RunStages(Refill refill) {
    RunStage<2, Rows(1)>(refill);
    RunStage<3, Rows(1), Rows(2)>(refill);
    RunStage<4, Columns(1)>(refill);
    RunStage<5, Columns(2), Rows(4)>(refill);
    RunStage<6, Columns(3), Rows(5), Rows(4)>(refill);
    RunStage<7, Columns(1), Columns(4)>(refill);
    RunStage<8, Columns(2), Columns(5), Rows(7)>(refill);
    RunStage<9, Columns(3), Columns(6), Rows(7), Rows(8)>(refill);
}

void AppendProgressLines() {
    if (GameState.BlinkPhase) {
        ProgressText->Append("          PLEASE  ");
        GameState.BlinkPhase = false;
    } else {
        ProgressText->Append("           WAIT   ");
        GameState.BlinkPhase = true;
    }
    ProgressText->Append("");
    ProgressText->Append("Generating a new puzzle.");
    ProgressText->Append("");
    ProgressText->Append("This may take up to a minute.");
}

} // namespace

void FillBlock(int b) {
    if (FillBlockSource) {
        FillBlockSource(b, Blocks[b].Values);
        Sets[b] = SetsOf(Blocks[b].Values);
        Drawn[b] = NotDrawn;
    } else {
        BorrowedRandom random;
        Sets[b] = RandomRefill{OrderSets().data(), random}(b);
    }
}

bool RowsCompatible(int a, int b) {
    ++GameState.Attempts;
    return (Sets[a] & Sets[b] & RowHalf) == 0;
}

bool ColumnsCompatible(int a, int b) {
    ++GameState.Attempts;
    return (Sets[a] & Sets[b] & ColumnHalf) == 0;
}

void FitBlocks() {
    if (FillBlockSource)
        RunStages(SeamRefill{});
    else {
        BorrowedRandom random;
        RunStages(RandomRefill{OrderSets().data(), random});
    }
    WriteDrawnValues();
}

void GenerateAttempt() {
    GameState.Attempts = 0;
    for (int b = 1; b <= 9; ++b)
        FillBlock(b);
    FitBlocks();
    DiagnosticLog->Append("T: " + std::to_string(GameState.Attempts));
    AppendProgressLines();
}

void GeneratePuzzle() {
    GameState.AttemptLimit = 1000000;
    do {
        GenerateAttempt();
    } while (GameState.Attempts >= GameState.AttemptLimit - 10);
    LayOutPuzzle();
}
