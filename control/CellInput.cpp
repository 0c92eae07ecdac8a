// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/CellInput.h"

#include "control/GameWindow.h"
#include "control/SoundCommand.h"
#include "engine/SolutionEvaluation.h"

namespace {

void PlaceTool(Game& game, int index) {
    const int tool = game.SelectedValue;
    if (game.Given[index])
        return;
    if (!game.Guessing && game.Entries[index] == 0)
        game.Entries[index] = tool;
    if (game.Guessing && game.Guesses[index] == 0)
        game.Guesses[index] = tool;
    if (tool == EraseTool) {
        game.Entries[index] = 0;
        game.Guesses[index] = 0;
    }
}

} // namespace

void ChooseTool(Game& game, int tool) {
    const bool known = (tool >= 1 && tool <= 9) || tool == EraseTool;
    game.SelectedValue = known ? tool : NoTool;
}

void ClickCell(Game& game, GameWindow& window, int row, int column) {
    if (!game.Playing)
        return;
    PlaceTool(game, CellIndex(row, column));
    window.ShowBoard();
    const int tool = game.SelectedValue;
    if (tool >= 1 && tool <= 9)
        PlayIfSoundOn(game, window, "pop.wav");
    else if (tool == EraseTool)
        PlayIfSoundOn(game, window, "erase.wav");
    UpdateSubmit(game, window);
}

void ClickBesideBoard(Game& game, GameWindow& window) {
    if (game.Playing)
        UpdateSubmit(game, window);
}

void UpdateSubmit(Game& game, GameWindow& window) {
    const bool complete = EntriesComplete(game);
    window.ShowSubmit(complete);
    if (complete)
        PlayIfSoundOn(game, window, "notify.wav");
}

void NextTool(Game& game, GameWindow& window) {
    if (game.SelectedValue >= 9)
        game.SelectedValue = 1;
    else
        game.SelectedValue = game.SelectedValue + 1;
    window.ShowTool(game.SelectedValue);
}

void PreviousTool(Game& game, GameWindow& window) {
    if (game.SelectedValue == EraseTool)
        game.SelectedValue = 10;
    if (game.SelectedValue <= 1)
        game.SelectedValue = 9;
    else
        game.SelectedValue = game.SelectedValue - 1;
    window.ShowTool(game.SelectedValue);
}
