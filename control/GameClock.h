// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game clock: one tick a second while play runs, shown in the status line.

struct GameWindow;

void TickClock(const GameWindow& window);
