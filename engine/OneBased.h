// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fixed-size storage read with the game's own numbering: cells 1 to 81, blocks and positions
// 1 to 9. Index 1 is the first element.

#include <array>
#include <cstddef>

template <typename T, std::size_t N> struct OneBased {
    std::array<T, N> Items{};

    T& operator[](int i) { return Items[static_cast<std::size_t>(i - 1)]; }
    const T& operator[](int i) const { return Items[static_cast<std::size_t>(i - 1)]; }
    void Fill(const T& value) { Items.fill(value); }
    bool operator==(const OneBased&) const = default;
};
