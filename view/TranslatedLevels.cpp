// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/TranslatedLevels.h"

#include <QCoreApplication>

QString TranslatedLevelName(Level level) {
    return QCoreApplication::translate("Level", Levels[level].Name);
}
