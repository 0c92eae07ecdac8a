// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/CellInput.h"

#include "app/Forms.h"
#include "app/TForm1.h"
#include "control/GameFlow.h"
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

// The tool value of SpeedButton1 ... SpeedButton10.
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

void TakeToolOfButtons() {
    GameState.SelectedValue = NoTool;
    for (int n = 1; n <= 10; ++n)
        if (Form1->SpeedButtons[n - 1]->isChecked())
            GameState.SelectedValue = ToolValue(n);
}

void TrackMouse(int X, int Y) {
    GameState.MouseX = X;
    GameState.MouseY = Y;
}

void ClickCell() {
    if (!GameState.Playing)
        return;
    const int size = GameState.CellSize, x = GameState.MouseX, y = GameState.MouseY;
    const int far = GameState.BoardSize + size;
    if (x >= size && y >= size && x <= far && y <= far) {
        const int column = CellAt(x), row = CellAt(y);
        // A click exactly on the board's outer edge gives 0 or 10: outside the board.
        if (column >= 1 && column <= 9 && row >= 1 && row <= 9) {
            const int index = column + (row - 1) * 9;
            const int tool = GameState.SelectedValue;
            if (!Given[index]) {
                if (!Form1->CheckBox1->isChecked() && GameState.Entries[index] == 0)
                    GameState.Entries[index] = tool;
                if (Form1->CheckBox1->isChecked() && GameState.Guesses[index] == 0)
                    GameState.Guesses[index] = tool;
                if (tool == EraseTool) {
                    GameState.Entries[index] = 0;
                    GameState.Guesses[index] = 0;
                }
            }
            DrawBoard(*Form1->ClientArea);
            if (tool >= 1 && tool <= 9)
                PlayIfSoundOn("pop.wav");
            else if (tool == EraseTool)
                PlayIfSoundOn("erase.wav");
        }
    }
    UpdateSubmit();
}

void UpdateSubmit() {
    if (EntriesComplete()) {
        Form1->Button2->show();
        Form1->Submit1->setEnabled(true);
        PlayIfSoundOn("notify.wav");
    } else {
        Form1->Button2->hide();
        Form1->Submit1->setEnabled(false);
    }
}

void NextTool() {
    if (GameState.SelectedValue >= 9)
        GameState.SelectedValue = 1;
    else
        GameState.SelectedValue = GameState.SelectedValue + 1;
    // Setting the button down from here does not count as a click on it.
    Form1->SpeedButtons[GameState.SelectedValue - 1]->setChecked(true);
}

void PreviousTool() {
    if (GameState.SelectedValue == EraseTool)
        GameState.SelectedValue = 10;
    if (GameState.SelectedValue <= 1)
        GameState.SelectedValue = 9;
    else
        GameState.SelectedValue = GameState.SelectedValue - 1;
    Form1->SpeedButtons[GameState.SelectedValue - 1]->setChecked(true);
}
