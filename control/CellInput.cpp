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

#include <cmath>

namespace {

// The tool value of the tool buttons 1 to 10 (the tenth is Erase).
int ToolValue(int button) {
    return button == 10 ? EraseTool : button;
}

// Column or row of a board coordinate: the nearest whole cell, a line between two cells going to
// the even one of the two (the rounding of halves to even).
int CellAt(int coordinate) {
    const double size = GameState.CellSize;
    return static_cast<int>(std::nearbyint((coordinate - size / 2) / size));
}

} // namespace

void TakeToolOfButtons(const GameWindow& window) {
    GameState.SelectedValue = NoTool;
    for (int n = 1; n <= 10; ++n)
        if (window.ToolButtons[n - 1]->isChecked())
            GameState.SelectedValue = ToolValue(n);
}

void TrackMouse(int X, int Y) {
    GameState.MouseX = X;
    GameState.MouseY = Y;
}

void ClickCell(const GameWindow& window) {
    if (!GameState.Playing)
        return;
    const int size = GameState.CellSize, x = GameState.MouseX, y = GameState.MouseY;
    const int far = GameState.BoardSize + size;
    if (x >= size && y >= size && x <= far && y <= far) {
        const int column = CellAt(x), row = CellAt(y);
        // A click exactly on the board's outer edge gives 0 or 10: outside the board.
        if (column >= 1 && column <= 9 && row >= 1 && row <= 9) {
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
        }
    }
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
