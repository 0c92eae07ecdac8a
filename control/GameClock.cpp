// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/GameClock.h"

#include "control/GameWindow.h"
#include "engine/GameState.h"
#include "engine/TimeText.h"

#include <QLabel>

void TickClock(const GameWindow& window) {
    ++GameState.ElapsedSeconds;
    GameState.TimeText = TimeTextOf(GameState.ElapsedSeconds);
    window.StatusLine->setText("Time: " + QString::fromStdString(GameState.TimeText));
    window.StatusLine->adjustSize();
}
