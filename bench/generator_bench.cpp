// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Measures puzzle generation: time per puzzle, attempts per puzzle and time per block test, side
// by side with the step-by-step reference generator.
//
//   generator_bench [--puzzles N] [--repeat R] [--seed S] [--reference-attempts K]
//                   [--level easy|medium|hard] [--dump N]
//
// With --repeat, the puzzles and the reference run R times in turn, and the last line ends with
// the medians over the repeats, so that one noisy moment on a shared machine does not decide.

#include "bench/ReferenceGenerator.h"
#include "engine/Game.h"
#include "engine/GridGenerator.h"
#include "engine/Random.h"
#include "engine/TextLines.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <numeric>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    int Puzzles = 200;
    int Repeat = 1;
    std::uint64_t Seed = 0;
    bool SeedGiven = false;
    int ReferenceAttempts = 10;
    int ShownPerBlock = 4;
    int Dump = 0;
};

[[noreturn]] void Usage(const char* problem) {
    std::fprintf(
        stderr,
        "generator_bench: %s\nusage: generator_bench [--puzzles N] [--repeat R] [--seed S] "
        "[--reference-attempts K] [--level easy|medium|hard] [--dump N]\n",
        problem);
    std::exit(2);
}

long long Number(const char* text) {
    char* end = nullptr;
    const long long value = std::strtoll(text, &end, 10);
    if (!*text || *end || value < 0)
        Usage("expected a non-negative number");
    return value;
}

Options Parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            Usage("missing value");
        const char* value = argv[++i];
        if (option == "--puzzles")
            options.Puzzles = static_cast<int>(Number(value));
        else if (option == "--repeat")
            options.Repeat = static_cast<int>(Number(value));
        else if (option == "--seed") {
            options.Seed = static_cast<std::uint64_t>(Number(value));
            options.SeedGiven = true;
        } else if (option == "--reference-attempts")
            options.ReferenceAttempts = static_cast<int>(Number(value));
        else if (option == "--dump")
            options.Dump = static_cast<int>(Number(value));
        else if (option == "--level") {
            const std::string level = value;
            if (level == "easy")
                options.ShownPerBlock = 5;
            else if (level == "medium")
                options.ShownPerBlock = 4;
            else if (level == "hard")
                options.ShownPerBlock = 3;
            else
                Usage("level must be easy, medium or hard");
        } else
            Usage("unknown option");
    }
    return options;
}

// Reads the attempt counts off the diagnostic log: one "T: " line per attempt, and the accepted
// count once more after the block dump.
class AttemptCounter : public TextLines {
  public:
    void Append(std::string_view line) override {
        if (line.starts_with("T: "))
            Counts.push_back(std::atoll(std::string(line.substr(3)).c_str()));
    }
    std::vector<long long> Counts;
};

struct Generation {
    double Ms;
    int Attempts;
    long long Tests;
    long long AcceptedTests;
};

Generation GenerateOne(Game& game) {
    AttemptCounter counter;
    DroppedLines progress;
    GridGenerator generator(game, counter, progress);
    const auto start = Clock::now();
    generator.GeneratePuzzle();
    const auto stop = Clock::now();
    counter.Counts.pop_back(); // the repeat after the block dump
    Generation result;
    result.Ms = std::chrono::duration<double, std::milli>(stop - start).count();
    result.Attempts = static_cast<int>(counter.Counts.size());
    result.Tests = std::accumulate(counter.Counts.begin(), counter.Counts.end(), 0LL);
    result.AcceptedTests = counter.Counts.back();
    return result;
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const std::size_t index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1));
    return values[index];
}

double ReferenceNsPerTest(int attempts, std::uint32_t seed) {
    reference::Seed(seed);
    reference::AttemptLimit = 1000000;
    long long tests = 0;
    const auto start = Clock::now();
    for (int i = 0; i < attempts; ++i) {
        reference::GenerateAttempt();
        tests += reference::Attempts;
    }
    const auto stop = Clock::now();
    return std::chrono::duration<double, std::nano>(stop - start).count() /
           static_cast<double>(tests);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double CpuSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// One repeat: the puzzles, then the reference right after them, so that its speedup compares two
// measurements made under the same load.
struct Round {
    std::vector<double> Ms;
    long long Attempts = 0;
    long long Tests = 0;
    double NsPerTest = 0;
    double CpuNsPerTest = 0;
    double ReferenceNs = 0;
    double Speedup() const { return ReferenceNs > 0 ? ReferenceNs / NsPerTest : 0.0; }
};

Round MeasureRound(Game& game, const Options& options, std::uint64_t seed) {
    Round round;
    const double cpuStart = CpuSeconds();
    for (int n = 0; n < options.Puzzles; ++n) {
        const Generation g = GenerateOne(game);
        round.Ms.push_back(g.Ms);
        round.Attempts += g.Attempts;
        round.Tests += g.Tests;
    }
    const double cpu = CpuSeconds() - cpuStart;
    const double totalMs = std::accumulate(round.Ms.begin(), round.Ms.end(), 0.0);
    round.NsPerTest = totalMs * 1e6 / static_cast<double>(round.Tests);
    round.CpuNsPerTest = cpu * 1e9 / static_cast<double>(round.Tests);
    if (options.ReferenceAttempts > 0)
        round.ReferenceNs =
            ReferenceNsPerTest(options.ReferenceAttempts, static_cast<std::uint32_t>(seed));
    return round;
}

void Dump(Game& game, int puzzles) {
    for (int n = 0; n < puzzles; ++n) {
        const Generation g = GenerateOne(game);
        std::string digits;
        for (int i = 1; i <= 81; ++i)
            digits += static_cast<char>('0' + game.Solution[i]);
        std::printf("%s %d %lld\n", digits.c_str(), g.Attempts, g.AcceptedTests);
    }
}

} // namespace

int main(int argc, char** argv) {
    const Options options = Parse(argc, argv);
    const std::uint64_t seed =
        options.SeedGiven ? options.Seed
                          : static_cast<std::uint64_t>(Clock::now().time_since_epoch().count());
    Game game;
    game.Draws.Seed(seed);
    SetBoardConstants(game);
    game.ShownPerBlock = options.ShownPerBlock;

    if (options.Dump > 0) {
        Dump(game, options.Dump);
        return 0;
    }
    if (options.Puzzles < 1)
        Usage("--puzzles must be at least 1");
    if (options.Repeat < 1)
        Usage("--repeat must be at least 1");

    std::vector<Round> rounds;
    for (int r = 1; r <= options.Repeat; ++r) {
        rounds.push_back(MeasureRound(game, options, seed));
        if (options.Repeat > 1)
            std::printf("repeat %d: ns_per_test=%.2f cpu_ns_per_test=%.2f "
                        "reference_ns_per_test=%.2f speedup=%.1f\n",
                        r, rounds.back().NsPerTest, rounds.back().CpuNsPerTest,
                        rounds.back().ReferenceNs, rounds.back().Speedup());
    }

    // The classic figures pool all repeats; the medians look at each repeat on its own.
    std::vector<double> ms, nsPerTest, cpuNsPerTest, referenceNsPerTest, speedups;
    long long attempts = 0, tests = 0;
    double referenceNsSum = 0;
    for (const Round& round : rounds) {
        ms.insert(ms.end(), round.Ms.begin(), round.Ms.end());
        attempts += round.Attempts;
        tests += round.Tests;
        referenceNsSum += round.ReferenceNs;
        nsPerTest.push_back(round.NsPerTest);
        cpuNsPerTest.push_back(round.CpuNsPerTest);
        referenceNsPerTest.push_back(round.ReferenceNs);
        speedups.push_back(round.Speedup());
    }
    const int puzzles = static_cast<int>(ms.size());
    const double totalMs = std::accumulate(ms.begin(), ms.end(), 0.0);
    const double nsPerTestAll = totalMs * 1e6 / static_cast<double>(tests);
    const double referenceNs = referenceNsSum / static_cast<double>(rounds.size());

    std::printf("seed %llu, %d puzzles, %lld attempts, %lld block tests, %.1f s in all\n",
                static_cast<unsigned long long>(seed), puzzles, attempts, tests, totalMs / 1000);
    std::printf("reference: %d attempts of the step-by-step generator\n",
                options.ReferenceAttempts);
    std::printf("generator: puzzles=%d attempts_mean=%.1f ms_mean=%.1f ms_p50=%.1f ms_p95=%.1f "
                "ms_max=%.1f ns_per_test=%.2f reference_ns_per_test=%.2f speedup=%.1f "
                "repeats=%d ns_per_test_median=%.2f cpu_ns_per_test_median=%.2f "
                "reference_ns_per_test_median=%.2f speedup_median=%.1f\n",
                puzzles, static_cast<double>(attempts) / puzzles, totalMs / puzzles,
                Percentile(ms, 0.5), Percentile(ms, 0.95), *std::max_element(ms.begin(), ms.end()),
                nsPerTestAll, referenceNs, referenceNs > 0 ? referenceNs / nsPerTestAll : 0.0,
                options.Repeat, Median(nsPerTest), Median(cpuNsPerTest), Median(referenceNsPerTest),
                Median(speedups));
    return 0;
}
