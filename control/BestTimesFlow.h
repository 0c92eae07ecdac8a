// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The best times: a finished game's time offered as a record, then the best-times window, and the
// reset asked for there.

#include "engine/Game.h"

class GameWindow;
struct ScoreFileUse;

void ShowBestTimes(Game& game, GameWindow& window, ScoreFileUse scoreFile);
