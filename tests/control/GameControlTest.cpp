// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's routines against a window that only notes what it is asked: the order of a new
// game's steps and the sound switch, without a widget.

#include "control/GameFlow.h"
#include "control/GameWindow.h"
#include "control/SoundCommand.h"
#include "control/StartUp.h"
#include "engine/TextLines.h"

#include <QTest>

#include <stdexcept>

namespace {

class NotingWindow : public GameWindow {
  public:
    // The generator's log, which the main window would own.
    DroppedLines Log;
    QStringList Asked;
    bool ConfirmAnswer = true;

    void ShowBoard() override { Asked << "board"; }
    void BlankBoard() override { Asked << "blank"; }
    void AnnounceNewPuzzle() override { Asked << "announce new puzzle"; }
    void AnnounceSolved(bool byComputer) override {
        Asked << (byComputer ? "announce solved by computer" : "announce solved");
    }
    void ShowStatus(const QString& text) override { Asked << "status " + text; }
    void ShowSubmit(bool shown) override { Asked << QString("submit %1").arg(shown); }
    void EnablePlayCommands(bool enabled) override { Asked << QString("commands %1").arg(enabled); }
    void EnablePrint() override { Asked << "print"; }
    void ShowLevel(Level level) override { Asked << QString("level %1").arg(level); }
    void ShowTool(int tool) override { Asked << QString("tool %1").arg(tool); }
    void ShowGuessing(bool guessing) override { Asked << QString("guessing %1").arg(guessing); }
    void ShowSound(bool on, bool available) override {
        Asked << QString("sound %1 %2").arg(on).arg(available);
    }
    void RunClock(bool running) override { Asked << QString("clock %1").arg(running); }
    void PlayEffect(const char* fileName) override { Asked << QString("play ") + fileName; }
    bool SoundFilesOpen() override { return true; }
    void HoldInput(bool held) override { Asked << QString("hold %1").arg(held); }
    void ShowProgress(bool shown) override { Asked << QString("progress %1").arg(shown); }
    TextLines& ProgressText() override { return Dropped; }
    bool Confirm(const QString& question) override {
        Asked << "confirm " + question;
        return ConfirmAnswer;
    }
    void Inform(const QString& text) override { Asked << "inform " + text; }
    void ShowNotice(const QStringList& lines) override { Asked << "notice " + lines.first(); }
    QString AskName() override { return "Tester"; }
    bool ShowRecordsAskingReset(const std::array<BestTimeRecord, LevelCount>&) override {
        return false;
    }

  private:
    DroppedLines Dropped;
};

} // namespace

class GameControlTest : public QObject {
    Q_OBJECT
  private slots:
    // The window takes no input until the board is back, the clock waits for the notice's OK,
    // and a new game always starts certain, whatever the box showed before.
    void newGameStepsInOrder() {
        Game game;
        PrepareGame(game, 1);
        game.SoundOn = true;
        game.Guessing = true;
        NotingWindow window;
        ConfirmNewGame(game, window, window.Log);
        QCOMPARE(window.Asked,
                 QStringList({"confirm Start a new puzzle?", "hold 1", "clock 0", "blank",
                              "progress 1", "progress 0", "play ready.wav",
                              "notice New puzzle generated.", "progress 0", "commands 1", "clock 1",
                              "print", "board", "hold 0", "guessing 0", "announce new puzzle"}));
        QVERIFY(game.Playing && !game.Guessing);
        QCOMPARE(game.ElapsedSeconds, 0);
    }

    // The Sound item turns the game's own setting over and shows it; nothing else changes.
    void soundSwitchTurnsTheSettingOver() {
        Game game;
        NotingWindow window;
        for (const bool startOn : {true, false}) {
            game.SoundOn = startOn;
            window.Asked.clear();
            ToggleSound(game, window);
            QCOMPARE(game.SoundOn, !startOn);
            ToggleSound(game, window);
            QCOMPARE(game.SoundOn, startOn);
            QCOMPARE(window.Asked, QStringList({QString("sound %1 1").arg(!startOn),
                                                QString("sound %1 1").arg(startOn)}));
        }
    }
};

QTEST_GUILESS_MAIN(GameControlTest)
#include "GameControlTest.moc"
