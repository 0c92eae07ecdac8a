// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's pseudo-random generator (xoshiro256**), seeded once at start-up. Draws are uniform:
// bounded draws use Lemire's multiply-and-reject, never a plain modulo.

#include <array>
#include <cstddef>
#include <cstdint>

// The generator borrowed by a loop that draws millions of times: the state stays in registers
// while the loop runs and goes back when the loop ends, so the draws continue the one sequence.
// Nothing else draws while it is borrowed.
class BorrowedRandom;

// ---- inline definitions: these sit in the generator's hot loop ----

namespace random_detail {
struct Xoshiro256 {
    std::uint64_t s[4] = {0x9E3779B97F4A7C15ull, 0xBF58476D1CE4E5B9ull, 0x94D049BB133111EBull,
                          0x2545F4914F6CDD1Dull};
};
inline std::uint64_t Rotl(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

inline std::uint64_t Next(Xoshiro256& state) {
    std::uint64_t* s = state.s;
    const std::uint64_t result = Rotl(s[1] * 5, 7) * 9;
    const std::uint64_t t = s[1] << 17;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = Rotl(s[3], 45);
    return result;
}

inline std::uint32_t Below(Xoshiro256& state, std::uint32_t bound) {
    std::uint32_t x = static_cast<std::uint32_t>(Next(state) >> 32);
    std::uint64_t m = static_cast<std::uint64_t>(x) * bound;
    std::uint32_t low = static_cast<std::uint32_t>(m);
    if (low < bound) {
        const std::uint32_t threshold = static_cast<std::uint32_t>(-bound) % bound;
        while (low < threshold) {
            x = static_cast<std::uint32_t>(Next(state) >> 32);
            m = static_cast<std::uint64_t>(x) * bound;
            low = static_cast<std::uint32_t>(m);
        }
    }
    return static_cast<std::uint32_t>(m >> 32);
}
} // namespace random_detail

class Random {
  public:
    void Seed(std::uint64_t seed);
    // Raw 64 random bits.
    std::uint64_t Bits() { return random_detail::Next(State); }
    // A uniform integer from 0 to bound - 1; bound must be at least 1 and below 2^32.
    std::uint32_t Below(std::uint32_t bound) { return random_detail::Below(State, bound); }

  private:
    friend class BorrowedRandom;
    random_detail::Xoshiro256 State;
};

class BorrowedRandom {
  public:
    explicit BorrowedRandom(Random& owner) : owner(owner), state(owner.State) {}
    ~BorrowedRandom() { owner.State = state; }
    BorrowedRandom(const BorrowedRandom&) = delete;
    BorrowedRandom& operator=(const BorrowedRandom&) = delete;

    // A uniform draw below the product of Radices (below 2^32), given as its digits, the most
    // significant first. It is RandomBelow(product) with the multiply split into one multiply per
    // digit, so no digit costs a division: the same draw, the same rejections.
    template <std::uint32_t... Radices> std::array<std::uint32_t, sizeof...(Radices)> Digits() {
        constexpr std::uint64_t bound = (std::uint64_t{1} * ... * Radices);
        static_assert(bound >= 1 && bound < (std::uint64_t{1} << 32));
        constexpr std::uint32_t threshold =
            static_cast<std::uint32_t>((std::uint64_t{1} << 32) % bound);
        for (;;) {
            std::uint32_t x = static_cast<std::uint32_t>(random_detail::Next(state) >> 32);
            std::array<std::uint32_t, sizeof...(Radices)> digits;
            std::size_t i = 0;
            const auto digit = [&x](std::uint32_t radix) {
                const std::uint64_t m = static_cast<std::uint64_t>(x) * radix;
                x = static_cast<std::uint32_t>(m);
                return static_cast<std::uint32_t>(m >> 32);
            };
            ((digits[i++] = digit(Radices)), ...);
            if (x >= threshold) // x is now the low word of the whole multiply
                return digits;
        }
    }

  private:
    Random& owner;
    random_detail::Xoshiro256 state;
};
