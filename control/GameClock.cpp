// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/GameClock.h"

#include "control/GameWindow.h"
#include "engine/TimeText.h"

void TickClock(Game& game, GameWindow& window) {
    ++game.ElapsedSeconds;
    game.TimeText = TimeTextOf(game.ElapsedSeconds);
    window.ShowStatus("Time: " + QString::fromStdString(game.TimeText));
}
