// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/CellInput.h"

#include "control/GameWindow.h"
#include "control/SoundCommand.h"
#include "engine/GameState.h"
#include "engine/SolutionEvaluation.h"
#include "view/BoardArea.h"
#include "view/BoardRenderer.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QPushButton>
#include <QToolButton>

namespace {

// The tool value of the tool buttons 1 to 10 (the tenth is Erase).
int ToolValue(int button) {
    return button == 10 ? EraseTool : button;
}

} // namespace

void TakeToolOfButtons(const GameWindow& window) {
    GameState.SelectedValue = NoTool;
    for (int n = 1; n <= 10; ++n)
        if (window.ToolButtons[n - 1]->isChecked())
            GameState.SelectedValue = ToolValue(n);
}

void ClickCell(const GameWindow& window, int row, int column) {
    if (!GameState.Playing)
        return;
    const int index = CellIndex(row, column);
    const int tool = GameState.SelectedValue;
    if (!Given[index]) {
        if (!window.GuessingBox->isChecked() && GameState.Entries[index] == 0)
            GameState.Entries[index] = tool;
        if (window.GuessingBox->isChecked() && GameState.Guesses[index] == 0)
            GameState.Guesses[index] = tool;
        if (tool == EraseTool) {
            GameState.Entries[index] = 0;
            GameState.Guesses[index] = 0;
        }
    }
    DrawBoard(*window.ClientArea);
    if (tool >= 1 && tool <= 9)
        PlayIfSoundOn(window, "pop.wav");
    else if (tool == EraseTool)
        PlayIfSoundOn(window, "erase.wav");
    UpdateSubmit(window);
}

void ClickBesideBoard(const GameWindow& window) {
    if (GameState.Playing)
        UpdateSubmit(window);
}

void UpdateSubmit(const GameWindow& window) {
    if (EntriesComplete()) {
        window.SubmitButton->show();
        window.SubmitItem->setEnabled(true);
        PlayIfSoundOn(window, "notify.wav");
    } else {
        window.SubmitButton->hide();
        window.SubmitItem->setEnabled(false);
    }
}

void NextTool(const GameWindow& window) {
    if (GameState.SelectedValue >= 9)
        GameState.SelectedValue = 1;
    else
        GameState.SelectedValue = GameState.SelectedValue + 1;
    // Setting the button down from here does not count as a click on it.
    window.ToolButtons[GameState.SelectedValue - 1]->setChecked(true);
}

void PreviousTool(const GameWindow& window) {
    if (GameState.SelectedValue == EraseTool)
        GameState.SelectedValue = 10;
    if (GameState.SelectedValue <= 1)
        GameState.SelectedValue = 9;
    else
        GameState.SelectedValue = GameState.SelectedValue - 1;
    window.ToolButtons[GameState.SelectedValue - 1]->setChecked(true);
}
