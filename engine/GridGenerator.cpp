#include "engine/GridGenerator.h"

#include "engine/PuzzleLayout.h"
#include "engine/Random.h"
#include "engine/TextLines.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

BlockSource FillBlockSource = nullptr;

namespace {

// Each block's three rows and three columns as sets of values, one 9-bit set every 10 bits, kept
// in step with Blocks[b].Values by FillBlock. Two blocks share a value in some row exactly when
// their row sets overlap, so one AND gives the verdict of the 27 comparisons.
struct BlockSets {
    std::uint32_t Rows = 0;
    std::uint32_t Columns = 0;
};
OneBased<BlockSets, 9> Sets;

constexpr std::uint32_t PermutationCount = 362880; // 9 factorial

BlockSets SetsOf(const OneBased<std::int32_t, 9>& values) {
    BlockSets sets;
    for (int p = 1; p <= 9; ++p) {
        const std::uint32_t bit = 1u << (values[p] - 1);
        sets.Rows |= bit << (10 * ((p - 1) / 3));
        sets.Columns |= bit << (10 * ((p - 1) % 3));
    }
    return sets;
}

// Every order of 1 to 9, numbered 0 to 9! - 1, with its row and column sets worked out once.
// A refill is then one uniform draw below 9! and one look-up: the refill loop of the last blocks
// runs millions of times per puzzle, and this keeps it to a few nanoseconds.
struct Order {
    std::uint64_t Packed; // the values of positions 1 to 9, four bits each
    BlockSets Sets;
};

std::vector<Order> MakeOrders() {
    std::vector<Order> orders(PermutationCount);
    for (std::uint32_t n = 0; n < PermutationCount; ++n) {
        // Number n read as the choices of a Fisher-Yates shuffle: a one-to-one numbering, so a
        // uniform n gives every order with the same chance.
        std::uint32_t r = n;
        OneBased<std::int32_t, 9> values;
        values.Items = {1, 2, 3, 4, 5, 6, 7, 8, 9};
        for (std::uint32_t i = 8; i >= 1; --i) {
            std::swap(values.Items[i], values.Items[r % (i + 1)]);
            r /= i + 1;
        }
        Order& order = orders[n];
        order.Packed = 0;
        for (int p = 1; p <= 9; ++p)
            order.Packed |= static_cast<std::uint64_t>(values[p]) << (4 * (p - 1));
        order.Sets = SetsOf(values);
    }
    return orders;
}

const std::vector<Order>& Orders() {
    static const std::vector<Order> orders = MakeOrders();
    return orders;
}

// The order each block drew last. Only the sets take part in the tests, so the values are
// written to Blocks once the refitting is over rather than at each of the millions of refills.
OneBased<const Order*, 9> Drawn;

void TakeRandomOrder(int b) {
    const Order& order = Orders()[RandomBelow(PermutationCount)];
    Sets[b] = order.Sets;
    Drawn[b] = &order;
}

void WriteDrawnValues() {
    for (int b = 1; b <= 9; ++b) {
        if (!Drawn[b])
            continue;
        for (int p = 1; p <= 9; ++p)
            Blocks[b].Values[p] =
                static_cast<std::int32_t>((Drawn[b]->Packed >> (4 * (p - 1))) & 15);
        Drawn[b] = nullptr;
    }
}

// The refitting stages: block refitted and its tests, in order.
struct BlockTest {
    bool Columns;
    int Other;
};
struct Stage {
    int Block;
    int Count;
    BlockTest Tests[4];
};
constexpr Stage Stages[] = {
    {2, 1, {{false, 1}}},
    {3, 2, {{false, 1}, {false, 2}}},
    {4, 1, {{true, 1}}},
    {5, 2, {{true, 2}, {false, 4}}},
    {6, 3, {{true, 3}, {false, 5}, {false, 4}}},
    {7, 2, {{true, 1}, {true, 4}}},
    {8, 3, {{true, 2}, {true, 5}, {false, 7}}},
    {9, 4, {{true, 3}, {true, 6}, {false, 7}, {false, 8}}},
};

inline bool RunTest(const BlockTest& test, int block) {
    return test.Columns ? ColumnsCompatible(test.Other, block) : RowsCompatible(test.Other, block);
}

// Step 1 of a stage: its tests in order, up to the first that fails.
inline bool StagePasses(const Stage& stage) {
    for (int t = 0; t < stage.Count; ++t)
        if (!RunTest(stage.Tests[t], stage.Block))
            return false;
    return true;
}

void RunStage(const Stage& stage) {
    while (!StagePasses(stage)) {
        if (GameState.Attempts >= GameState.AttemptLimit)
            return; // the block stays unfitted; the attempt will be thrown away
        FillBlock(stage.Block);
        // After a refill every test of the stage runs once more; only its count matters.
        for (int t = 0; t < stage.Count; ++t)
            RunTest(stage.Tests[t], stage.Block);
    }
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
        Drawn[b] = nullptr;
    } else {
        TakeRandomOrder(b);
    }
}

bool RowsCompatible(int a, int b) {
    ++GameState.Attempts;
    return (Sets[a].Rows & Sets[b].Rows) == 0;
}

bool ColumnsCompatible(int a, int b) {
    ++GameState.Attempts;
    return (Sets[a].Columns & Sets[b].Columns) == 0;
}

void FitBlocks() {
    for (const Stage& stage : Stages)
        RunStage(stage);
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
