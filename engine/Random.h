#pragma once
// The game's one pseudo-random generator (xoshiro256**), seeded once at start-up. Draws are
// uniform: bounded draws use Lemire's multiply-and-reject, never a plain modulo.

#include <cstdint>

void SeedRandom(std::uint64_t seed);

// Raw 64 random bits.
std::uint64_t RandomBits();

// A uniform integer from 0 to bound - 1; bound must be at least 1 and below 2^32.
inline std::uint32_t RandomBelow(std::uint32_t bound);

// ---- inline definitions: these sit in the generator's hot loop ----

namespace random_detail {
struct Xoshiro256 {
    std::uint64_t s[4] = {0x9E3779B97F4A7C15ull, 0xBF58476D1CE4E5B9ull, 0x94D049BB133111EBull,
                          0x2545F4914F6CDD1Dull};
};
extern Xoshiro256 State;

inline std::uint64_t Rotl(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

inline std::uint64_t Next() {
    std::uint64_t* s = State.s;
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
} // namespace random_detail

inline std::uint32_t RandomBelow(std::uint32_t bound) {
    std::uint32_t x = static_cast<std::uint32_t>(random_detail::Next() >> 32);
    std::uint64_t m = static_cast<std::uint64_t>(x) * bound;
    std::uint32_t low = static_cast<std::uint32_t>(m);
    if (low < bound) {
        const std::uint32_t threshold = static_cast<std::uint32_t>(-bound) % bound;
        while (low < threshold) {
            x = static_cast<std::uint32_t>(random_detail::Next() >> 32);
            m = static_cast<std::uint64_t>(x) * bound;
            low = static_cast<std::uint32_t>(m);
        }
    }
    return static_cast<std::uint32_t>(m >> 32);
}
