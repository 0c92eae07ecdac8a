// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game clock: one second of play a tick, shown in the status line.

#include "engine/Game.h"

class GameWindow;

void TickClock(Game& game, GameWindow& window);
