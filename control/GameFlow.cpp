// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/GameFlow.h"

#include "control/BestTimesFlow.h"
#include "control/GameWindow.h"
#include "control/SoundCommand.h"
#include "engine/GridGenerator.h"
#include "engine/PuzzleLayout.h"
#include "engine/SolutionEvaluation.h"
#include "platform/MessageBoxes.h"
#include "platform/MinimizeIcon.h"
#include "view/BoardAccessibility.h"
#include "view/BoardArea.h"
#include "view/BoardRenderer.h"
#include "view/NoticeWindow.h"
#include "view/ProgressWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

void ShowStatus(const GameWindow& window, const QString& text) {
    window.StatusLine->setText(text);
    window.StatusLine->adjustSize();
}

void EnablePlayCommands(const GameWindow& window, bool enabled) {
    window.PauseItem->setEnabled(enabled);
    window.SolveItem->setEnabled(enabled);
    window.ClearAllItem->setEnabled(enabled);
}

// From the cleared board, through the progress window while the generator runs, to the player's
// OK on the notification.
void PrepareNewPuzzle(const GameWindow& window) {
    GameState.ElapsedSeconds = 0;
    window.Clock->stop();
    ClearBoard(*window.ClientArea);
    window.Progress->Show();
    GameState.BlinkPhase = true;
    GeneratePuzzle(); // holds the event loop: nothing else runs until the puzzle is ready
    window.Progress->Hide();
    PlayIfSoundOn(window, "ready.wav");
    window.Notice->SetLines({"New puzzle generated.", "", "Click OK to start."});
    window.Notice->ShowModal();
}

void ShowLevelChecks(const GameWindow& window) {
    window.EasyItem->setChecked(GameState.ShownPerBlock == GivensPerBlock(Easy));
    window.MediumItem->setChecked(GameState.ShownPerBlock == GivensPerBlock(Medium));
    window.HardItem->setChecked(GameState.ShownPerBlock == GivensPerBlock(Hard));
}

} // namespace

void StartPlay(const GameWindow& window) {
    GameState.Playing = true;
    EnablePlayCommands(window, true);
    window.Clock->start(); // a fresh one-second period
}

void StopPlay(const GameWindow& window) {
    GameState.Playing = false;
    window.Clock->stop();
    window.SubmitButton->hide();
    window.SubmitItem->setEnabled(false);
    EnablePlayCommands(window, false);
}

void NewGame(const GameWindow& window) {
    window.Window->setEnabled(false);
    SetMinimizeIcon(*window.Window, false);
    // A failure on the way (a sound file gone since start-up) is shown, and the game starts all
    // the same: the player is never left with a window that takes no input.
    RunHandler([&window] { PrepareNewPuzzle(window); });
    window.Progress->Hide();
    StartPlay(window);
    window.PrintItem->setEnabled(true);
    DrawBoard(*window.ClientArea);
    window.Window->setEnabled(true);
    SetMinimizeIcon(*window.Window, true);
    window.GuessingBox->setChecked(false);
    TellBoardNews(*window.ClientArea, BoardNews::NewPuzzle);
}

void ConfirmNewGame(const GameWindow& window) {
    if (Confirm(window.Window, "Start a new puzzle?"))
        NewGame(window);
}

void ChooseLevel(const GameWindow& window, Level level) {
    // The menu has already toggled the item's mark; the level decides it, not the click.
    ShowLevelChecks(window);
    if (!Confirm(window.Window, "Start a new puzzle?"))
        return;
    GameState.ShownPerBlock = GivensPerBlock(level);
    ShowLevelChecks(window);
    NewGame(window);
}

void ClearAll(const GameWindow& window) {
    if (!Confirm(window.Window, "Clear all inserted values?"))
        return;
    ResetPlayerValues();
    DrawBoard(*window.ClientArea);
}

void SolvePuzzle(const GameWindow& window) {
    PlayIfSoundOn(window, "solve.wav");
    for (int i = 1; i <= GameState.CellCount; ++i)
        GameState.Entries[i] = Solution[i];
    DrawBoard(*window.ClientArea);
    StopPlay(window);
    ShowStatus(window, "Solved by computer");
    TellBoardNews(*window.ClientArea, BoardNews::Solved);
}

void PauseGame(const GameWindow& window) {
    PlayIfSoundOn(window, "pause.wav");
    ClearBoard(*window.ClientArea);
    window.Clock->stop();
    window.Notice->SetLines({"Game paused", "", "Press OK to continue"});
    window.Notice->ShowModal();
    DrawBoard(*window.ClientArea);
    window.Clock->start();
}

void SubmitSolution(const GameWindow& window) {
    if (!EvaluateSubmission())
        return; // an empty cell: nothing to judge
    if (GameState.Correct) {
        StopPlay(window);
        TellBoardNews(*window.ClientArea, BoardNews::Solved);
        PlayIfSoundOn(window, "clap.wav");
        Inform(window.Window,
               "Correct. Your time is " + QString::fromStdString(GameState.TimeText));
        GameState.ResultPending = true;
        ShowBestTimes(window);
    } else {
        PlayIfSoundOn(window, "not.wav");
        Inform(window.Window, "Puzzle solved incorrectly, press OK to continue.");
    }
}
