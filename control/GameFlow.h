// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The course of a game: a new puzzle at a level, clearing, solving, pausing, submitting, with the
// main window's commands enabled as each phase allows. The routines work on the main window.

// Plays the effect when sound is on; the one check every flow goes through.
void PlayIfSoundOn(const char* fileName);

void StartPlay();
void StopPlay();
// Generates a puzzle at the chosen level and starts play once the player has seen it is ready.
void NewGame();
// New game after the player confirms it.
void ConfirmNewGame();
// Sets the level and starts a new game at it, after the player confirms it.
void ChooseLevel(int shownPerBlock);
void ClearAll();
void SolvePuzzle();
void PauseGame();
void SubmitSolution();
