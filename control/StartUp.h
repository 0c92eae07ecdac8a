// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game does when the main window opens and when it closes.

struct GameWindow;

// Seeds the random numbers, sets the board constants, places the tool panel below the board,
// and takes the sound setting from the score file after checking the nine sound files. Runs while
// the main window is being made, before its secondary windows exist.
void StartUp(const GameWindow& window);

// Writes the sound setting back to the score file, once however often the window is asked to
// close. After a failed start-up read only a setting the player changed is written: the line
// on file is theirs and was never seen.
void SaveSoundSetting(const GameWindow& window);

// Whether the window may close now; a change still waiting for another game's save keeps it
// open until it is saved, unless the player chooses to close without it.
bool MayCloseWindow(const GameWindow& window);
