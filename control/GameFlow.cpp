// The course of a game: a new puzzle at a level, clearing, solving, pausing, submitting and
// leaving, with the commands enabled as each phase allows.

#include "app/Forms.h"
#include "app/TForm1.h"
#include "engine/GameState.h"
#include "engine/GridGenerator.h"
#include "engine/SolutionEvaluation.h"
#include "platform/MessageBoxes.h"
#include "sound/SoundEffects.h"
#include "view/TForm2.h"
#include "view/TForm3.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

void TForm1::PlayIfSoundOn(const char* fileName) {
    if (GameState.SoundOn)
        PlayEffect(MediaPlayer1, fileName);
}

void TForm1::StartPlay() {
    GameState.Playing = true;
    Pause1->setEnabled(true);
    Solve1->setEnabled(true);
    Clearall1->setEnabled(true);
    Timer1.start(); // a fresh one-second period
}

void TForm1::StopPlay() {
    GameState.Playing = false;
    Timer1.stop();
    Button2->hide();
    Submit1->setEnabled(false);
    Pause1->setEnabled(false);
    Solve1->setEnabled(false);
    Clearall1->setEnabled(false);
}

// Steps 2 to 9 of a new game: from the cleared board to the player's OK.
void TForm1::PrepareNewPuzzle() {
    GameState.ElapsedSeconds = 0;
    Timer1.stop();
    ClearBoard();
    Form2->Show();
    GameState.BlinkPhase = true;
    GeneratePuzzle(); // holds the event loop: nothing else runs until the puzzle is ready
    Form2->Hide();
    PlayIfSoundOn("ready.wav");
    Form3->SetLines({"New puzzle generated.", "", "Click OK to start."});
    Form3->ShowModal();
}

void TForm1::NewGame() {
    setEnabled(false);
    SetMinimizeIcon(false);
    // A failure on the way (a sound file gone since start-up) is shown, and the game starts all
    // the same: the player is never left with a window that takes no input.
    RunHandler([this] { PrepareNewPuzzle(); });
    Form2->Hide();
    StartPlay();
    Print1->setEnabled(true);
    DrawBoard();
    setEnabled(true);
    SetMinimizeIcon(true);
    CheckBox1->setChecked(false);
}

void TForm1::Button1Click() {
    if (Confirm(this, "Start a new puzzle?"))
        NewGame();
}

void TForm1::ShowLevelChecks() {
    Easy1->setChecked(GameState.ShownPerBlock == 5);
    Medium1->setChecked(GameState.ShownPerBlock == 4);
    Hard1->setChecked(GameState.ShownPerBlock == 3);
}

void TForm1::ChooseLevel(int shownPerBlock) {
    // The menu has already toggled the item's mark; the level decides it, not the click.
    ShowLevelChecks();
    if (!Confirm(this, "Start a new puzzle?"))
        return;
    GameState.ShownPerBlock = shownPerBlock;
    ShowLevelChecks();
    NewGame();
}

void TForm1::Easy1Click() {
    ChooseLevel(5);
}
void TForm1::Medium1Click() {
    ChooseLevel(4);
}
void TForm1::Hard1Click() {
    ChooseLevel(3);
}

void TForm1::Clearall1Click() {
    if (!Confirm(this, "Clear all inserted values?"))
        return;
    for (int i = 1; i <= GameState.CellCount; ++i) {
        GameState.Entries[i] = 0;
        GameState.Guesses[i] = 0;
    }
    for (int i = 1; i <= GameState.CellCount; ++i)
        if (Given[i])
            GameState.Entries[i] = Solution[i];
    DrawBoard();
}

void TForm1::Solve1Click() {
    PlayIfSoundOn("solve.wav");
    for (int i = 1; i <= GameState.CellCount; ++i)
        GameState.Entries[i] = Solution[i];
    DrawBoard();
    StopPlay();
    Label1->setText("Solved by computer");
    Label1->adjustSize();
}

void TForm1::Pause1Click() {
    PlayIfSoundOn("pause.wav");
    ClearBoard();
    Timer1.stop();
    Form3->SetLines({"Game paused", "", "Press OK to continue"});
    Form3->ShowModal();
    DrawBoard();
    Timer1.start();
}

void TForm1::Button2Click() {
    if (!EvaluateSubmission())
        return; // an empty cell: nothing to judge
    if (GameState.Correct) {
        StopPlay();
        PlayIfSoundOn("clap.wav");
        Inform(this, "Correct. Your time is " + QString::fromStdString(GameState.TimeText));
        GameState.ResultPending = true;
        ShowBestTimes();
    } else {
        PlayIfSoundOn("not.wav");
        Inform(this, "Puzzle solved incorrectly, press OK to continue.");
    }
}

void TForm1::Exit1Click() {
    close();
}

void TForm1::BestTimes1Click() {
    ShowBestTimes();
}
