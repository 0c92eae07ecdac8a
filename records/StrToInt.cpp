// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/StrToInt.h"

#include "platform/GameError.h"

#include <cstdint>

namespace {

[[noreturn]] void ThrowNotAnInteger(const QString& text) {
    throw GameError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

} // namespace

std::int32_t StrToInt(const QString& text) {
    qsizetype pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    if (pos == text.size())
        ThrowNotAnInteger(text);
    // 2^31 is the largest magnitude any 32-bit value has; stopping there keeps the sum small.
    constexpr std::int64_t Limit = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const char16_t c = text[pos].unicode();
        if (c < u'0' || c > u'9')
            ThrowNotAnInteger(text);
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > Limit)
            ThrowNotAnInteger(text);
    }
    if (!negative && magnitude == Limit)
        ThrowNotAnInteger(text);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}
