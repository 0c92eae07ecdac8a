// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The levels as the player reads them: the engine's names in the player's language.

#include "engine/Game.h"

#include <QString>

QString TranslatedLevelName(Level level);
