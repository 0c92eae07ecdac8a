// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/GameClock.h"

#include "control/GameWindow.h"
#include "engine/TimeText.h"

#include <QCoreApplication>

void TickClock(Game& game, GameWindow& window) {
    ++game.ElapsedSeconds;
    game.TimeText = TimeTextOf(game.ElapsedSeconds);
    //: Status line while the clock runs, 11 px bold, up to 150 px (the Submit button follows)
    window.ShowStatus(QCoreApplication::translate("GameClock", "Time: %1")
                          .arg(QString::fromStdString(game.TimeText)));
}
