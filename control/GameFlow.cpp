// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/GameFlow.h"

#include "control/BestTimesFlow.h"
#include "control/GameWindow.h"
#include "control/ScoreSaves.h"
#include "control/SoundCommand.h"
#include "engine/GridGenerator.h"
#include "engine/PuzzleLayout.h"
#include "engine/SolutionEvaluation.h"
#include "platform/MessageBoxes.h"

#include <QCoreApplication>

namespace {

// From the cleared board, through the progress window while the generator runs, to the player's
// OK on the notice.
void PrepareNewPuzzle(Game& game, GameWindow& window, TextLines& log) {
    game.ElapsedSeconds = 0;
    window.RunClock(false);
    window.BlankBoard();
    window.ShowProgress(true);
    game.BlinkPhase = true;
    // Holds the event loop: nothing else runs until the puzzle is ready.
    GridGenerator(game, log, window.ProgressText()).GeneratePuzzle();
    window.ShowProgress(false);
    PlayIfSoundOn(game, window, "ready.wav");
    //: Notice window, first line of three in a 201 px wide box, 13 px bold
    const QString ready = QCoreApplication::translate("NoticeWindow", "New puzzle generated.");
    //: Notice window, third line of three in a 201 px wide box, 13 px bold
    const QString start = QCoreApplication::translate("NoticeWindow", "Click OK to start.");
    window.ShowNotice({ready, "", start});
}

} // namespace

void StartPlay(Game& game, GameWindow& window) {
    game.Playing = true;
    window.EnablePlayCommands(true);
    window.RunClock(true); // a fresh one-second period
}

void StopPlay(Game& game, GameWindow& window) {
    game.Playing = false;
    window.RunClock(false);
    window.ShowSubmit(false);
    window.EnablePlayCommands(false);
}

void NewGame(Game& game, GameWindow& window, TextLines& log) {
    window.HoldInput(true);
    // A failure on the way (a sound file gone since start-up) is shown, and the game starts all
    // the same: the player is never left with a window that takes no input.
    RunHandler([&] { PrepareNewPuzzle(game, window, log); });
    window.ShowProgress(false);
    StartPlay(game, window);
    window.EnablePrint();
    window.ShowBoard();
    window.HoldInput(false);
    game.Guessing = false;
    window.ShowGuessing(false);
    window.AnnounceNewPuzzle();
}

void ConfirmNewGame(Game& game, GameWindow& window, TextLines& log) {
    if (window.Confirm(QCoreApplication::translate("GameFlow", "Start a new puzzle?")))
        NewGame(game, window, log);
}

void ChooseLevel(Game& game, GameWindow& window, TextLines& log, Level level) {
    // The menu has already toggled the item's mark; the level decides it, not the click.
    window.ShowLevel(LevelOf(game.ShownPerBlock));
    if (!window.Confirm(QCoreApplication::translate("GameFlow", "Start a new puzzle?")))
        return;
    game.ShownPerBlock = GivensPerBlock(level);
    window.ShowLevel(level);
    NewGame(game, window, log);
}

void ClearAll(Game& game, GameWindow& window) {
    if (!window.Confirm(QCoreApplication::translate("GameFlow", "Clear all inserted values?")))
        return;
    ResetPlayerValues(game);
    window.ShowBoard();
}

void SolvePuzzle(Game& game, GameWindow& window) {
    PlayIfSoundOn(game, window, "solve.wav");
    for (int i = 1; i <= game.CellCount; ++i)
        game.Entries[i] = game.Solution[i];
    window.ShowBoard();
    StopPlay(game, window);
    //: Status line, 11 px bold, up to 150 px
    window.ShowStatus(QCoreApplication::translate("GameFlow", "Solved by computer"));
    window.AnnounceSolved(true);
}

void PauseGame(Game& game, GameWindow& window) {
    PlayIfSoundOn(game, window, "pause.wav");
    window.BlankBoard();
    window.RunClock(false);
    //: Notice window, first line of three in a 201 px wide box, 13 px bold
    const QString paused = QCoreApplication::translate("NoticeWindow", "Game paused");
    //: Notice window, third line of three in a 201 px wide box, 13 px bold
    const QString resume = QCoreApplication::translate("NoticeWindow", "Press OK to continue");
    window.ShowNotice({paused, "", resume});
    window.ShowBoard();
    window.RunClock(true);
}

void SubmitSolution(Game& game, GameWindow& window, ScoreFileUse scoreFile) {
    if (!EvaluateSubmission(game))
        return; // an empty cell: nothing to judge
    if (game.Correct) {
        StopPlay(game, window);
        window.AnnounceSolved(false);
        PlayIfSoundOn(game, window, "clap.wav");
        window.Inform(QCoreApplication::translate("GameFlow", "Correct. Your time is %1")
                          .arg(QString::fromStdString(game.TimeText)));
        game.ResultPending = true;
        ShowBestTimes(game, window, scoreFile);
    } else {
        PlayIfSoundOn(game, window, "not.wav");
        window.Inform(QCoreApplication::translate(
            "GameFlow", "Puzzle solved incorrectly, press OK to continue."));
    }
}
