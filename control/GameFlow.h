// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The course of a game: a new puzzle at a level, clearing, solving, pausing, submitting, with the
// main window's commands enabled as each phase allows.

#include "engine/Game.h"

class GameWindow;

void StartPlay(Game& game, GameWindow& window);
void StopPlay(Game& game, GameWindow& window);
// Generates a puzzle at the chosen level and starts play once the player has seen it is ready.
void NewGame(Game& game, GameWindow& window);
// New game after the player confirms it.
void ConfirmNewGame(Game& game, GameWindow& window);
// Sets the level and starts a new game at it, after the player confirms it.
void ChooseLevel(Game& game, GameWindow& window, Level level);
void ClearAll(Game& game, GameWindow& window);
void SolvePuzzle(Game& game, GameWindow& window);
void PauseGame(Game& game, GameWindow& window);
void SubmitSolution(Game& game, GameWindow& window);
