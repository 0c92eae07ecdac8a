// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Sound item of the Game menu, and the one check that every effect of the game goes through.

#include "engine/Game.h"

class GameWindow;

// Plays the effect when the game's sound is on.
void PlayIfSoundOn(const Game& game, GameWindow& window, const char* fileName);

// The Sound command: turns the game's sound over; the menu's check mark shows it.
void ToggleSound(Game& game, GameWindow& window);
