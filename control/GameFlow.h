// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The course of a game: a new puzzle at a level, clearing, solving, pausing, submitting, with the
// main window's commands enabled as each phase allows.

#include "engine/Game.h"

class GameWindow;
class TextLines;
struct ScoreFileUse;

void StartPlay(Game& game, GameWindow& window);
void StopPlay(Game& game, GameWindow& window);
// Generates a puzzle at the chosen level and starts play once the player has seen it is ready.
// The generator writes its diagnostic lines to `log`.
void NewGame(Game& game, GameWindow& window, TextLines& log);
// New game after the player confirms it.
void ConfirmNewGame(Game& game, GameWindow& window, TextLines& log);
// Sets the level and starts a new game at it, after the player confirms it.
void ChooseLevel(Game& game, GameWindow& window, TextLines& log, Level level);
void ClearAll(Game& game, GameWindow& window);
void SolvePuzzle(Game& game, GameWindow& window);
void PauseGame(Game& game, GameWindow& window);
// A correct grid goes on to the best times in the score file.
void SubmitSolution(Game& game, GameWindow& window, ScoreFileUse scoreFile);
