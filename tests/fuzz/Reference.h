// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Independent reference behaviour that the fuzz targets hold the game's code against, and the
// way they report a mismatch.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The score file's lines: split at CR LF, a lone CR or a lone LF; a NUL ends the text; a break
// at the very end opens no further line.
std::vector<QByteArray> ReferenceLines(const QByteArray& bytes);

// The seconds grammar: an optional '+' or '-', at least one ASCII digit and nothing else, within
// the signed 32-bit range (std::from_chars does the arithmetic).
std::optional<std::int32_t> ReferenceInteger(const QString& text);

// Ends the run with a report on stderr when `holds` is false; libFuzzer then keeps the input.
void Require(bool holds, const char* what, const QString& detail = {});

// Shows bytes readably in a report: printable ASCII as is, everything else as \xNN.
QString Escaped(const QByteArray& bytes);
