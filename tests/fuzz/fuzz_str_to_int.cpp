// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The conversion of a seconds line against the reference grammar: an optional sign, at least
// one ASCII digit, nothing else, within 32 bits. A rejected text must give the game's own
// message quoting it; an accepted one must give the reference's value and survive the way back
// through the decimal text that the game writes.
//
// Input: a mode byte, then the text as UTF-8 (even mode) or as raw UTF-16 units (odd mode, so
// that lone surrogates and digits of other scripts come up too).

#include "platform/GameError.h"
#include "records/StrToInt.h"
#include "tests/fuzz/Reference.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const char* bytes = reinterpret_cast<const char*>(data + 1);
    const auto length = static_cast<qsizetype>(size - 1);
    QString text;
    if (data[0] % 2 == 0) {
        text = QString::fromUtf8(bytes, length);
    } else {
        text.resize(length / 2);
        std::memcpy(text.data(), bytes, static_cast<size_t>(length / 2) * 2);
    }

    const std::optional<std::int32_t> expected = ReferenceInteger(text);
    try {
        const std::int32_t value = StrToInt(text);
        Require(expected.has_value(), "a text outside the grammar was accepted", text);
        Require(value == *expected, "the value differs from the reference's",
                QStringLiteral("'%1' gave %2, expected %3").arg(text).arg(value).arg(*expected));
        Require(StrToInt(QString::number(value)) == value, "the written text reads back",
                QString::number(value));
    } catch (const GameError& error) {
        Require(!expected.has_value(), "a text of the grammar was rejected",
                QStringLiteral("'%1' (expected %2)").arg(text).arg(expected.value_or(0)));
        // The error carries its text as UTF-8 in a C string; a line of the score file never
        // holds a NUL or a lone surrogate, which that could not carry.
        const bool lineText = !text.contains(QChar(0)) && QString::fromUtf8(text.toUtf8()) == text;
        if (lineText)
            Require(error.Message() == "'" + text + "' is not a valid integer value",
                    "the message quotes the text", error.Message());
    }
    return 0;
}
