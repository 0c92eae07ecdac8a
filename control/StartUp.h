// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game does when the main window opens and when it closes.

#include "engine/Game.h"

#include <cstdint>

class GameWindow;

// Seeds the random draws and sets the board constants.
void PrepareGame(Game& game, std::uint64_t seed);

// Takes the sound setting from the score file, then checks the nine sound files.
void LoadSoundSetting(Game& game, GameWindow& window);

// Writes the sound setting back to the score file, once however often the window is asked to
// close. After a failed start-up read only a setting the player changed is written: the line
// on file is theirs and was never seen.
void SaveSoundSetting(const Game& game, GameWindow& window);

// Whether the window may close now; a change still waiting for another game's save keeps it
// open until it is saved, unless the player chooses to close without it.
bool MayCloseWindow(GameWindow& window);
