// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/GameClock.h"

#include "app/Forms.h"
#include "app/TForm1.h"
#include "engine/GameState.h"
#include "engine/TimeText.h"

#include <QLabel>

void TickClock() {
    ++GameState.ElapsedSeconds;
    GameState.TimeText = TimeTextOf(GameState.ElapsedSeconds);
    Form1->Label1->setText("Time: " + QString::fromStdString(GameState.TimeText));
    Form1->Label1->adjustSize();
}
