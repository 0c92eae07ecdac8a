// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/fuzz/Reference.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>

std::vector<QByteArray> ReferenceLines(const QByteArray& bytes) {
    std::vector<QByteArray> lines;
    QByteArray line;
    bool open = false; // characters seen since the last break
    for (qsizetype i = 0; i < bytes.size() && bytes[i] != '\0'; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            line += c;
            open = true;
            continue;
        }
        lines.push_back(line);
        line.clear();
        open = false;
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
    }
    if (open)
        lines.push_back(line);
    return lines;
}

std::optional<std::int32_t> ReferenceInteger(const QString& text) {
    std::string ascii;
    for (QChar c : text) {
        if (c.unicode() > 0x7f)
            return std::nullopt;
        ascii += static_cast<char>(c.unicode());
    }
    std::size_t start = 0;
    if (!ascii.empty() && (ascii[0] == '+' || ascii[0] == '-'))
        start = 1;
    if (start == ascii.size())
        return std::nullopt;
    for (std::size_t i = start; i < ascii.size(); ++i)
        if (ascii[i] < '0' || ascii[i] > '9')
            return std::nullopt;
    // from_chars takes a '-' but no '+'.
    const std::string number = (ascii[0] == '-' ? "-" : "") + ascii.substr(start);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    return value;
}

void Require(bool holds, const char* what, const QString& detail) {
    if (holds)
        return;
    std::fprintf(stderr, "MISMATCH: %s\n%s\n", what, qPrintable(detail));
    std::abort();
}

QString Escaped(const QByteArray& bytes) {
    QString text;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7f && u != '\\')
            text += QChar(u);
        else
            text += QString::asprintf("\\x%02x", u);
    }
    return text;
}
