// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/GameFlow.h"

#include "app/Forms.h"
#include "app/TForm1.h"
#include "control/BestTimesFlow.h"
#include "engine/GameState.h"
#include "engine/GridGenerator.h"
#include "engine/PuzzleLayout.h"
#include "engine/SolutionEvaluation.h"
#include "platform/MessageBoxes.h"
#include "sound/SoundEffects.h"
#include "view/BoardArea.h"
#include "view/BoardRenderer.h"
#include "view/TForm2.h"
#include "view/TForm3.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

BoardArea& Board() {
    return *Form1->ClientArea;
}

void ShowStatus(const QString& text) {
    Form1->Label1->setText(text);
    Form1->Label1->adjustSize();
}

void EnablePlayCommands(bool enabled) {
    Form1->Pause1->setEnabled(enabled);
    Form1->Solve1->setEnabled(enabled);
    Form1->Clearall1->setEnabled(enabled);
}

// From the cleared board, through the progress window while the generator runs, to the player's
// OK on the notification.
void PrepareNewPuzzle() {
    GameState.ElapsedSeconds = 0;
    Form1->Timer1.stop();
    ClearBoard(Board());
    Form2->Show();
    GameState.BlinkPhase = true;
    GeneratePuzzle(); // holds the event loop: nothing else runs until the puzzle is ready
    Form2->Hide();
    PlayIfSoundOn("ready.wav");
    Form3->SetLines({"New puzzle generated.", "", "Click OK to start."});
    Form3->ShowModal();
}

void ShowLevelChecks() {
    Form1->Easy1->setChecked(GameState.ShownPerBlock == 5);
    Form1->Medium1->setChecked(GameState.ShownPerBlock == 4);
    Form1->Hard1->setChecked(GameState.ShownPerBlock == 3);
}

} // namespace

void PlayIfSoundOn(const char* fileName) {
    if (GameState.SoundOn)
        PlayEffect(Form1->MediaPlayer1, fileName);
}

void StartPlay() {
    GameState.Playing = true;
    EnablePlayCommands(true);
    Form1->Timer1.start(); // a fresh one-second period
}

void StopPlay() {
    GameState.Playing = false;
    Form1->Timer1.stop();
    Form1->Button2->hide();
    Form1->Submit1->setEnabled(false);
    EnablePlayCommands(false);
}

void NewGame() {
    Form1->setEnabled(false);
    Form1->SetMinimizeIcon(false);
    // A failure on the way (a sound file gone since start-up) is shown, and the game starts all
    // the same: the player is never left with a window that takes no input.
    RunHandler([] { PrepareNewPuzzle(); });
    Form2->Hide();
    StartPlay();
    Form1->Print1->setEnabled(true);
    DrawBoard(Board());
    Form1->setEnabled(true);
    Form1->SetMinimizeIcon(true);
    Form1->CheckBox1->setChecked(false);
}

void ConfirmNewGame() {
    if (Confirm(Form1, "Start a new puzzle?"))
        NewGame();
}

void ChooseLevel(int shownPerBlock) {
    // The menu has already toggled the item's mark; the level decides it, not the click.
    ShowLevelChecks();
    if (!Confirm(Form1, "Start a new puzzle?"))
        return;
    GameState.ShownPerBlock = shownPerBlock;
    ShowLevelChecks();
    NewGame();
}

void ClearAll() {
    if (!Confirm(Form1, "Clear all inserted values?"))
        return;
    ResetPlayerValues();
    DrawBoard(Board());
}

void SolvePuzzle() {
    PlayIfSoundOn("solve.wav");
    for (int i = 1; i <= GameState.CellCount; ++i)
        GameState.Entries[i] = Solution[i];
    DrawBoard(Board());
    StopPlay();
    ShowStatus("Solved by computer");
}

void PauseGame() {
    PlayIfSoundOn("pause.wav");
    ClearBoard(Board());
    Form1->Timer1.stop();
    Form3->SetLines({"Game paused", "", "Press OK to continue"});
    Form3->ShowModal();
    DrawBoard(Board());
    Form1->Timer1.start();
}

void SubmitSolution() {
    if (!EvaluateSubmission())
        return; // an empty cell: nothing to judge
    if (GameState.Correct) {
        StopPlay();
        PlayIfSoundOn("clap.wav");
        Inform(Form1, "Correct. Your time is " + QString::fromStdString(GameState.TimeText));
        GameState.ResultPending = true;
        ShowBestTimes();
    } else {
        PlayIfSoundOn("not.wav");
        Inform(Form1, "Puzzle solved incorrectly, press OK to continue.");
    }
}
