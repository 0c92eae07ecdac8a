// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seconds of a best time as the score file holds them, read as a number.

#include <QString>

#include <cstdint>

// A signed 32-bit decimal: an optional '+' or '-' and at least one digit, nothing else. Any other
// text fails with "'TEXT' is not a valid integer value".
std::int32_t StrToInt(const QString& text);
