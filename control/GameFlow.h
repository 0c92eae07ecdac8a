// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The course of a game: a new puzzle at a level, clearing, solving, pausing, submitting, with the
// main window's commands enabled as each phase allows.

#include "engine/GameState.h"

struct GameWindow;

void StartPlay(const GameWindow& window);
void StopPlay(const GameWindow& window);
// Generates a puzzle at the chosen level and starts play once the player has seen it is ready.
void NewGame(const GameWindow& window);
// New game after the player confirms it.
void ConfirmNewGame(const GameWindow& window);
// Sets the level and starts a new game at it, after the player confirms it.
void ChooseLevel(const GameWindow& window, Level level);
void ClearAll(const GameWindow& window);
void SolvePuzzle(const GameWindow& window);
void PauseGame(const GameWindow& window);
void SubmitSolution(const GameWindow& window);
