// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The name of a new record holder, made fit for the score file.

#include "records/PlayerName.h"

#include <QList>

namespace {

constexpr int LongestName = 15;

} // namespace

QString NameForRecord(const QString& typed) {
    QString name = typed;
    for (QChar& c : name)
        if (c == '\r' || c == '\n' || c == QChar(0))
            c = ' ';
    // Count characters, not UTF-16 units: a character outside the basic plane is never split.
    const QList<uint> characters = name.toUcs4();
    if (characters.size() <= LongestName)
        return name;
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()),
                             LongestName);
}
