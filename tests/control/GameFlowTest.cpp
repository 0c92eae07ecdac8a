// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A game from start to finish through the real window: new puzzles and levels, the phases and
// what they enable, Clear all, Solve, Pause, Submit, the clock, and failures on the way.

#include "control/GameFlow.h"
#include "app/MainWindow.h"
#include "control/CellInput.h"
#include "control/GameClock.h"
#include "engine/Game.h"
#include "platform/MessageBoxes.h"
#include "tests/support/GamePlay.h"
#include "tests/support/GameWindowTest.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestWindows.h"
#include "view/AboutWindow.h"
#include "view/BestTimesWindow.h"
#include "view/BoardArea.h"
#include "view/HelpWindow.h"
#include "view/NoticeWindow.h"
#include "view/ProgressWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTest>

namespace {

QColor BoardPixel(int x, int y) {
    return Windows.Main->ClientArea->grab().toImage().pixelColor(x, y);
}

// The commands that only play allows.
void ExpectPlayCommands(bool enabled) {
    QCOMPARE(Windows.Main->PauseItem->isEnabled(), enabled);
    QCOMPARE(Windows.Main->SolveItem->isEnabled(), enabled);
    QCOMPARE(Windows.Main->ClearAllItem->isEnabled(), enabled);
    QCOMPARE(Windows.Main->Clock.isActive(), enabled);
    QCOMPARE(TheGame().Playing, enabled);
}

} // namespace

class GameFlowTest : public GameWindowTest {
    Q_OBJECT
  private slots:

    void newGameRunsFromQuestionToPlay() {
        const QColor face = Windows.Main->palette().color(QPalette::Button);
        bool blankWhileNotified = false, disabledWhileNotified = false, noMinimize = false;
        QStringList notification;
        AnswerInOrder({Press("Yes"), [&](QWidget* window) {
                           // Waiting for OK: the board is hidden and the main window is off.
                           notification = Windows.Notice->Lines();
                           blankWhileNotified = BoardPixel(140, 87) == face;
                           disabledWhileNotified = !Windows.Main->isEnabled();
                           noMinimize =
                               !Windows.Main->windowFlags().testFlag(Qt::WindowMinimizeButtonHint);
                           QVERIFY(!TheGame().Playing);
                           QVERIFY(!Windows.Progress->isVisible());
                           Press("OK")(window);
                       }});
        // The generator's log goes to its logging category once that is switched on.
        QLoggingCategory::setFilterRules("tolvane.generator.debug=true");
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^T: [0-9]+$"));
        Windows.Main->NewItem->trigger();
        QLoggingCategory::setFilterRules({});
        QCOMPARE(SeenMessages(), QStringList({"Confirm|Start a new puzzle?"}));
        QCOMPARE(notification, QStringList({"New puzzle generated.", "", "Click OK to start."}));
        QCOMPARE(Windows.Notice->windowTitle(), QString("Paused"));
        QVERIFY(blankWhileNotified);
        QVERIFY(disabledWhileNotified);
        QVERIFY(noMinimize);
        // Playing.
        ExpectPlayCommands(true);
        QVERIFY(Windows.Main->isEnabled());
        QVERIFY(Windows.Main->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(Windows.Main->PrintItem->isEnabled());
        QVERIFY(!Windows.Main->SubmitItem->isEnabled());
        QCOMPARE(BoardPixel(140, 87), QColor(0, 0, 0));
        QCOMPARE(Windows.Main->Player.FileName(), QString("ready.wav"));
        // The progress window ends on a whole attempt's block and keeps no more than it shows.
        const QString progress = Windows.Progress->Text->toPlainText();
        QVERIFY(
            progress.endsWith("  \n\nGenerating a new puzzle.\n\nThis may take up to a minute."));
        QVERIFY(Windows.Progress->Text->document()->blockCount() <= ProgressWindow::KeptLines);
    }

    void newGameAnsweredNoChangesNothing() {
        AnswerInOrder({Press("No")});
        Windows.Main->NewItem->trigger();
        QVERIFY(!TheGame().Playing);
        QVERIFY(!Windows.Main->PrintItem->isEnabled());
        QCOMPARE(Windows.Main->StatusLine->text(), QString("Click 'Game' to start"));
    }

    void levelQuestionAnsweredNoKeepsTheLevel() {
        AnswerInOrder({Press("No")});
        Windows.Main->HardItem->trigger();
        QVERIFY(!Windows.Main->HardItem->isChecked());
        QVERIFY(Windows.Main->MediumItem->isChecked());
        QCOMPARE(TheGame().ShownPerBlock, 4);
        QVERIFY(!TheGame().Playing);
    }

    void levelsSetTheGivensAndTheCheckMark() {
        StartNewGame(Windows.Main->EasyItem);
        QCOMPARE(TheGame().ShownPerBlock, 5);
        QVERIFY(Windows.Main->EasyItem->isChecked() && !Windows.Main->MediumItem->isChecked() &&
                !Windows.Main->HardItem->isChecked());
        int givens = 0;
        for (int i = 1; i <= 81; ++i)
            givens += TheGame().Given[i];
        QCOMPARE(givens, 45);
        StartNewGame(Windows.Main->HardItem);
        QCOMPARE(TheGame().ShownPerBlock, 3);
        QVERIFY(Windows.Main->HardItem->isChecked() && !Windows.Main->EasyItem->isChecked());
        // The current level again still asks and makes a new puzzle.
        const auto before = TheGame().Solution;
        StartNewGame(Windows.Main->HardItem);
        QVERIFY(Windows.Main->HardItem->isChecked());
        QVERIFY(!(TheGame().Solution == before));
        QCOMPARE(SeenMessages().size(), 3);
    }

    void newGameDuringPlayRestartsTheClockAndKeepsTheTool() {
        StartNewGame();
        ChooseTool(7);
        Windows.Main->GuessingBox->setChecked(true);
        TheGame().ElapsedSeconds = 100;
        TickClock(TheGame(), *Windows.Main);
        QCOMPARE(Windows.Main->StatusLine->text(), QString("Time: 0:1:41"));
        // The player takes longer than a clock tick to press OK: the new game starts from 0 all
        // the same.
        AnswerInOrder({Press("Yes"), After(1300, Press("OK"))});
        Windows.Main->NewItem->trigger();
        QCOMPARE(TheGame().ElapsedSeconds, 0);
        // The status line keeps the old time until the first tick.
        QCOMPARE(Windows.Main->StatusLine->text(), QString("Time: 0:1:41"));
        QCOMPARE(TheGame().SelectedValue, 7);
        QVERIFY(!Windows.Main->GuessingBox->isChecked());
        QTRY_COMPARE_WITH_TIMEOUT(Windows.Main->StatusLine->text(), QString("Time: 0:0:1"), 3000);
    }

    void clockTicksOncePerSecondAfterTheNotification() {
        StartNewGame();
        QCOMPARE(TheGame().ElapsedSeconds, 0);
        QTest::qWait(400);
        QCOMPARE(TheGame().ElapsedSeconds, 0);
        QTRY_COMPARE_WITH_TIMEOUT(TheGame().ElapsedSeconds, 1, 2000);
        QCOMPARE(Windows.Main->StatusLine->text(), QString("Time: 0:0:1"));
        QCOMPARE(QString::fromStdString(TheGame().TimeText), QString("0:0:1"));
    }

    void correctSubmitStopsPlayAndOpensTheBestTimes() {
        StartNewGame();
        const int last = FinishGridByClick();
        QVERIFY(Windows.Main->SubmitButton->isVisible());
        QVERIFY(Windows.Main->SubmitItem->isEnabled());
        QCOMPARE(Windows.Main->Player.FileName(), QString("notify.wav"));
        TheGame().ElapsedSeconds = 753;
        TickClock(TheGame(), *Windows.Main); // 754 seconds: 0:12:34
        QString message;
        QStringList shownNames;
        AnswerInOrder(
            {Press("OK", nullptr, &message), TypeAndPress("Winner", "OK"), [&](QWidget* window) {
                 shownNames = Windows.BestTimes->PlayerNames->toPlainText().split('\n');
                 Press("OK")(window);
             }});
        Windows.Main->SubmitButton->click();
        QCOMPARE(message, QString("Correct. Your time is 0:12:34"));
        ExpectPlayCommands(false);
        QVERIFY(!Windows.Main->SubmitButton->isVisible());
        QVERIFY(!Windows.Main->SubmitItem->isEnabled());
        QVERIFY(Windows.Main->PrintItem->isEnabled());
        QCOMPARE(shownNames, QStringList({"", "", "Winner", "", ""}));
        QVERIFY(!TheGame().ResultPending);
        // Finished: clicks on the board are ignored.
        ChooseTool(10);
        ClickCell(last);
        QCOMPARE(TheGame().Entries[last], TheGame().Solution[last]);
    }

    void incorrectSubmitKeepsPlayingAndTheClockRunsUnderTheMessage() {
        StartNewGame();
        FillAllEntriesBut(0);
        // Break a row: two open cells of one row get the same value.
        int a = 0, b = 0;
        for (int i = 1; i <= 81 && !b; ++i)
            if (!TheGame().Given[i]) {
                if (!a)
                    a = i;
                else if ((i - 1) / 9 == (a - 1) / 9)
                    b = i;
            }
        QVERIFY(b);
        TheGame().Entries[b] = TheGame().Entries[a];
        UpdateSubmit(TheGame(), *Windows.Main);
        const int before = TheGame().ElapsedSeconds;
        QString message;
        AnswerInOrder({After(1300, Press("OK", nullptr, &message))});
        Windows.Main->SubmitItem->trigger();
        QCOMPARE(message, QString("Puzzle solved incorrectly, press OK to continue."));
        QVERIFY(TheGame().ElapsedSeconds > before);
        ExpectPlayCommands(true);
        QCOMPARE(Windows.Main->Player.FileName(), QString("not.wav"));
    }

    void differentButValidGridIsAccepted() {
        StartNewGame();
        // The solution with the digits 1 and 2 swapped everywhere breaks no rule either.
        for (int i = 1; i <= 81; ++i)
            TheGame().Entries[i] = TheGame().Solution[i] == 1   ? 2
                                   : TheGame().Solution[i] == 2 ? 1
                                                                : TheGame().Solution[i];
        QString message;
        AnswerInOrder({Press("OK", nullptr, &message), Press("Cancel"), Press("OK")});
        RunHandler([] { SubmitSolution(TheGame(), *Windows.Main, Windows.Main->ScoreFile()); });
        QVERIFY(message.startsWith("Correct. Your time is "));
    }

    void submitOnAnIncompleteGridDoesNothing() {
        StartNewGame();
        FinishGridByClick();
        QVERIFY(Windows.Main->SubmitButton->isVisible());
        // Clear all leaves the Submit button showing, but pressing it does nothing.
        AnswerInOrder({Press("Yes")});
        Windows.Main->ClearAllItem->trigger();
        QVERIFY(Windows.Main->SubmitButton->isVisible());
        for (int i = 1; i <= 81; ++i)
            QCOMPARE(TheGame().Entries[i], TheGame().Given[i] ? TheGame().Solution[i] : 0);
        SeenMessages().clear();
        Windows.Main->SubmitButton->click();
        QVERIFY(SeenMessages().isEmpty());
        ExpectPlayCommands(true);
        // The next click on the board re-evaluates it.
        ClickAt(10, 10);
        QVERIFY(!Windows.Main->SubmitButton->isVisible());
        QVERIFY(!Windows.Main->SubmitItem->isEnabled());
    }

    void clearAllAnsweredNoKeepsEverything() {
        StartNewGame();
        const int open = FirstOpenCell();
        TheGame().Entries[open] = 5;
        TheGame().Guesses[open] = 6;
        AnswerInOrder({Press("No")});
        Windows.Main->ClearAllItem->trigger();
        QCOMPARE(TheGame().Entries[open], 5);
        QCOMPARE(TheGame().Guesses[open], 6);
    }

    void solveFillsTheSolutionAndKeepsGuesses() {
        StartNewGame();
        const int open = FirstOpenCell();
        TheGame().Guesses[open] = TheGame().Solution[open] % 9 + 1;
        const int guess = TheGame().Guesses[open];
        Windows.Main->SolveItem->trigger();
        for (int i = 1; i <= 81; ++i)
            QCOMPARE(TheGame().Entries[i], TheGame().Solution[i]);
        QCOMPARE(TheGame().Guesses[open], guess);
        ExpectPlayCommands(false);
        QVERIFY(!Windows.Main->SubmitButton->isVisible());
        QVERIFY(Windows.Main->PrintItem->isEnabled());
        QCOMPARE(Windows.Main->StatusLine->text(), QString("Solved by computer"));
        QCOMPARE(Windows.Main->Player.FileName(), QString("solve.wav"));
        const int seconds = TheGame().ElapsedSeconds;
        QTest::qWait(1200);
        QCOMPARE(TheGame().ElapsedSeconds, seconds);
    }

    void pauseHidesTheBoardAndTheClockGoesOnAfterwards() {
        StartNewGame();
        TheGame().ElapsedSeconds = 10;
        const QColor face = Windows.Main->palette().color(QPalette::Button);
        bool blank = false, stopped = false;
        QStringList lines;
        AnswerInOrder({After(1300, [&](QWidget* window) {
            lines = Windows.Notice->Lines();
            blank = BoardPixel(140, 87) == face;
            stopped = !Windows.Main->Clock.isActive() && TheGame().ElapsedSeconds == 10;
            Press("OK")(window);
        })});
        Windows.Main->PauseItem->trigger();
        QCOMPARE(lines, QStringList({"Game paused", "", "Press OK to continue"}));
        QVERIFY(blank);
        QVERIFY(stopped);
        QVERIFY(TheGame().Playing);
        QVERIFY(Windows.Main->Clock.isActive());
        QCOMPARE(BoardPixel(140, 87), QColor(0, 0, 0));
        QCOMPARE(Windows.Main->Player.FileName(), QString("pause.wav"));
        QTRY_COMPARE_WITH_TIMEOUT(TheGame().ElapsedSeconds, 11, 2000);
    }

    void bestTimesFromTheMenuNeverAsksForAName() {
        StartNewGame();
        TheGame().ElapsedSeconds = 1;
        bool shown = false;
        AnswerInOrder({[&](QWidget* window) {
            shown = window == Windows.BestTimes;
            Press("OK")(window);
        }});
        Windows.Main->BestTimesItem->trigger();
        QVERIFY(shown);
        QVERIFY(TheGame().Playing);
        QVERIFY(Windows.Main->Clock.isActive());
    }

    void soundFileGoneAfterStartUpEndsTheCommandThere() {
        StartNewGame();
        QVERIFY(TheGame().SoundOn);
        for (const char* name : {"solve.wav", "pause.wav", "not.wav", "clap.wav", "ready.wav"})
            QFile::remove(Session->Folder.Path(name));

        // Solve: the error, and the game as it was.
        QString text;
        AnswerInOrder({Press("OK", nullptr, &text)});
        Windows.Main->SolveItem->trigger();
        QVERIFY2(text.contains("solve.wav") || text.contains("No such file"), qPrintable(text));
        ExpectPlayCommands(true);
        QVERIFY(TheGame().Entries != TheGame().Solution);

        // Pause: nothing paused.
        AnswerInOrder({Press("OK")});
        Windows.Main->PauseItem->trigger();
        QVERIFY(Windows.Main->Clock.isActive());
        QVERIFY(!Windows.Notice->isVisible());

        // A wrong grid: only the message is skipped.
        FillAllEntriesBut(0);
        const int open = FirstOpenCell();
        TheGame().Entries[open] = TheGame().Solution[open] % 9 + 1;
        SeenMessages().clear();
        AnswerInOrder({Press("OK")});
        RunHandler([] { SubmitSolution(TheGame(), *Windows.Main, Windows.Main->ScoreFile()); });
        QCOMPARE(SeenMessages().size(), 1);
        QVERIFY(!SeenMessages()[0].contains("incorrectly"));
        ExpectPlayCommands(true);

        // A right grid: play stops, no result message, no best times.
        FillAllEntriesBut(0);
        SeenMessages().clear();
        AnswerInOrder({Press("OK")});
        RunHandler([] { SubmitSolution(TheGame(), *Windows.Main, Windows.Main->ScoreFile()); });
        QCOMPARE(SeenMessages().size(), 1);
        QVERIFY(!SeenMessages()[0].contains("Correct"));
        ExpectPlayCommands(false);

        // New: the error, then play starts all the same with the window back.
        SeenMessages().clear();
        AnswerInOrder({Press("Yes"), Press("OK")});
        Windows.Main->NewItem->trigger();
        QCOMPARE(SeenMessages().size(), 2);
        ExpectPlayCommands(true);
        QVERIFY(Windows.Main->isEnabled());
        QVERIFY(Windows.Main->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!Windows.Progress->isVisible());
        QCOMPARE(BoardPixel(140, 87), QColor(0, 0, 0));
    }

    void withSoundOffNoFileIsOpened() {
        Windows.Main->SoundItem->trigger();
        QVERIFY(!TheGame().SoundOn);
        QVERIFY(!Windows.Main->SoundItem->isChecked());
        for (const char* name : {"solve.wav", "ready.wav", "pop.wav", "notify.wav"})
            QFile::remove(Session->Folder.Path(name));
        SeenMessages().clear();
        StartNewGame();
        ChooseTool(3);
        ClickCell(FirstOpenCell());
        Windows.Main->SolveItem->trigger();
        QCOMPARE(SeenMessages(), QStringList({"Confirm|Start a new puzzle?"}));
        QCOMPARE(Windows.Main->Player.FileName(), QString("solve.wav")); // left by the probe
    }

    // A score file unreadable at start-up leaves sound off, and the Sound item shows it: no
    // effect is even opened.
    void effectsStayOffAfterAnUnreadableScoreFile() {
        Session.reset();
        Session = std::make_unique<GameSession>(GameSession::Files::Supplied, false);
        const QByteArray scores = Session->Folder.Read("highscores.txc");
        QVERIFY(QFile::remove(Session->Folder.Path("highscores.txc")));
        AnswerInOrder({Press("OK")});
        Session->Start();
        Session->ShowMainWindow();
        QVERIFY(!TheGame().SoundOn && !Windows.Main->SoundItem->isChecked());
        Session->Folder.Write("highscores.txc", scores);

        StartNewGame();
        ChooseTool(10);
        ClickCell(FirstOpenCell());
        AnswerInOrder({Press("OK")});
        Windows.Main->PauseItem->trigger();
        FillAllEntriesBut(0);
        TheGame().Entries[FirstOpenCell()] = TheGame().Solution[FirstOpenCell()] % 9 + 1;
        ClickAt(10, 10); // Submit shows
        AnswerInOrder({Press("OK")});
        Windows.Main->SubmitItem->trigger();
        FinishGridByClick();
        AnswerInOrder({Press("OK"), TypeAndPress("Quiet", "OK"), Press("OK")});
        Windows.Main->SubmitItem->trigger();
        QCOMPARE(Windows.BestTimes->PlayerNames->toPlainText().split('\n').at(2), QString("Quiet"));
        StartNewGame();
        Windows.Main->SolveItem->trigger();
        QVERIFY(SeenMessages().contains(
            "Information|Puzzle solved incorrectly, press OK to continue."));
        QCOMPARE(Windows.Main->StatusLine->text(), QString("Solved by computer"));
        QCOMPARE(Windows.Main->Player.FileName(), QString());
    }

    void escapeOnTheQuestionAnswersNo() {
        AnswerInOrder({[](QWidget* window) { QTest::keyClick(window, Qt::Key_Escape); }});
        Windows.Main->NewItem->trigger();
        QVERIFY(!TheGame().Playing);
        QVERIFY(!Windows.Main->PrintItem->isEnabled());
    }

    void helpCommandsShowTheirViewAndTheAboutWindow() {
        bool howToPlay = false, rules = false, about = false;
        AnswerInOrder({[&](QWidget* window) {
                           howToPlay = window == Windows.Help &&
                                       Windows.Help->HowToPlayBox->isVisible() &&
                                       !Windows.Help->RulesView->isVisible();
                           Press("Ok")(window);
                       },
                       [&](QWidget* window) {
                           rules = window == Windows.Help &&
                                   !Windows.Help->HowToPlayBox->isVisible() &&
                                   Windows.Help->RulesView->isVisible();
                           Press("Ok")(window);
                       },
                       [&](QWidget* window) {
                           about = window == Windows.About;
                           Press("Ok")(window);
                       }});
        Windows.Main->HowToPlayItem->trigger();
        Windows.Main->RulesItem->trigger();
        Windows.Main->AboutItem->trigger();
        QVERIFY(howToPlay);
        QVERIFY(rules);
        QVERIFY(about);
        QVERIFY(Windows.Help->HowToPlayBox->isHidden() && Windows.Help->RulesView->isHidden());
    }

    void exitClosesWithoutAskingDuringAGame() {
        StartNewGame();
        SeenMessages().clear();
        Windows.Main->ExitItem->trigger();
        QVERIFY(!Windows.Main->isVisible());
        QVERIFY(SeenMessages().isEmpty());
        QCOMPARE(Session->Folder.Read("highscores.txc").split('\n').at(3), QByteArray("s\r"));
    }
};

QTEST_MAIN(GameFlowTest)
#include "GameFlowTest.moc"
