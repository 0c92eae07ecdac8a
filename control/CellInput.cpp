// The player's mouse on the board: choosing a tool with the tool buttons or the wheel, and
// placing or erasing a value with a click.

#include "app/TForm1.h"
#include "engine/GameState.h"
#include "engine/SolutionEvaluation.h"
#include "sound/SoundEffects.h"

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

void TForm1::SpeedButton1Click() {
    GameState.SelectedValue = NoTool;
    for (int n = 1; n <= 10; ++n)
        if (SpeedButtons[n - 1]->isChecked())
            GameState.SelectedValue = ToolValue(n);
}

void TForm1::FormMouseMove(int X, int Y) {
    GameState.MouseX = X;
    GameState.MouseY = Y;
}

void TForm1::FormClick() {
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
                if (!CheckBox1->isChecked() && GameState.Entries[index] == 0)
                    GameState.Entries[index] = tool;
                if (CheckBox1->isChecked() && GameState.Guesses[index] == 0)
                    GameState.Guesses[index] = tool;
                if (tool == EraseTool) {
                    GameState.Entries[index] = 0;
                    GameState.Guesses[index] = 0;
                }
            }
            DrawBoard();
            if (GameState.SoundOn && tool >= 1 && tool <= 9)
                PlayEffect(MediaPlayer1, "pop.wav");
            else if (GameState.SoundOn && tool == EraseTool)
                PlayEffect(MediaPlayer1, "erase.wav");
        }
    }
    UpdateSubmit();
}

void TForm1::UpdateSubmit() {
    if (EntriesComplete()) {
        Button2->show();
        Submit1->setEnabled(true);
        if (GameState.SoundOn)
            PlayEffect(MediaPlayer1, "notify.wav");
    } else {
        Button2->hide();
        Submit1->setEnabled(false);
    }
}

void TForm1::FormMouseWheelDown() {
    if (GameState.SelectedValue >= 9)
        GameState.SelectedValue = 1;
    else
        GameState.SelectedValue = GameState.SelectedValue + 1;
    // Setting the button down from here does not count as a click on it.
    SpeedButtons[GameState.SelectedValue - 1]->setChecked(true);
}

void TForm1::FormMouseWheelUp() {
    if (GameState.SelectedValue == EraseTool)
        GameState.SelectedValue = 10;
    if (GameState.SelectedValue <= 1)
        GameState.SelectedValue = 9;
    else
        GameState.SelectedValue = GameState.SelectedValue - 1;
    SpeedButtons[GameState.SelectedValue - 1]->setChecked(true);
}
