// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hours, minutes and seconds without leading zeros, joined by ":" (3725 seconds give "1:2:5");
// the hours go on past 24.

#include <cstdint>
#include <string>

std::string TimeTextOf(std::int32_t seconds);
