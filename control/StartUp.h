// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game does when the main window opens; control/WindowClose.h is its close.

#include "engine/Game.h"

#include <cstdint>

class GameWindow;
class ScoreFileStore;
class WindowClose;

// Seeds the random draws and sets the board constants.
void PrepareGame(Game& game, std::uint64_t seed);

// Takes the sound setting from the score file, then checks the nine sound files; the close
// learns what was read.
void LoadSoundSetting(Game& game, GameWindow& window, ScoreFileStore& scoreLines,
                      WindowClose& close);
