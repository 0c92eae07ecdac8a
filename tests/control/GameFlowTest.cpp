// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A game from start to finish through the real window: new puzzles and levels, the phases and
// what they enable, Clear all, Solve, Pause, Submit, the clock, and failures on the way.

#include "app/Forms.h"
#include "app/TForm1.h"
#include "control/CellInput.h"
#include "engine/GameState.h"
#include "platform/MessageBoxes.h"
#include "tests/support/GamePlay.h"
#include "tests/support/GameWindowTest.h"
#include "tests/support/ModalHelper.h"
#include "view/BoardArea.h"
#include "view/TForm2.h"
#include "view/TForm3.h"
#include "view/TForm4.h"
#include "view/TForm6.h"
#include "view/TForm7.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

namespace {

QColor BoardPixel(int x, int y) {
    return Form1->ClientArea->grab().toImage().pixelColor(x, y);
}

// The commands that only play allows.
void ExpectPlayCommands(bool enabled) {
    QCOMPARE(Form1->Pause1->isEnabled(), enabled);
    QCOMPARE(Form1->Solve1->isEnabled(), enabled);
    QCOMPARE(Form1->Clearall1->isEnabled(), enabled);
    QCOMPARE(Form1->Timer1.isActive(), enabled);
    QCOMPARE(GameState.Playing, enabled);
}

} // namespace

class GameFlowTest : public GameWindowTest {
    Q_OBJECT
  private slots:

    void newGameRunsFromQuestionToPlay() {
        const QColor face = Form1->palette().color(QPalette::Button);
        bool blankWhileNotified = false, disabledWhileNotified = false, noMinimize = false;
        QStringList notification;
        AnswerInOrder({Press("Yes"), [&](QWidget* window) {
                           // Waiting for OK: the board is hidden and the main window is off.
                           notification = Form3->Lines();
                           blankWhileNotified = BoardPixel(140, 87) == face;
                           disabledWhileNotified = !Form1->isEnabled();
                           noMinimize =
                               !Form1->windowFlags().testFlag(Qt::WindowMinimizeButtonHint);
                           QVERIFY(!GameState.Playing);
                           QVERIFY(!Form2->isVisible());
                           Press("OK")(window);
                       }});
        Form1->NewGame2->trigger();
        QCOMPARE(SeenMessages(), QStringList({"Confirm|Start a new puzzle?"}));
        QCOMPARE(notification, QStringList({"New puzzle generated.", "", "Click OK to start."}));
        QCOMPARE(Form3->windowTitle(), QString("Paused"));
        QVERIFY(blankWhileNotified);
        QVERIFY(disabledWhileNotified);
        QVERIFY(noMinimize);
        // Playing.
        ExpectPlayCommands(true);
        QVERIFY(Form1->isEnabled());
        QVERIFY(Form1->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(Form1->Print1->isEnabled());
        QVERIFY(!Form1->Submit1->isEnabled());
        QCOMPARE(BoardPixel(140, 87), QColor(0, 0, 0));
        QCOMPARE(Form1->MediaPlayer1.FileName(), QString("ready.wav"));
        // The progress window got a PLEASE block first, and the generator's log its lines.
        const QString progress = Form2->Memo1->toPlainText();
        QVERIFY(progress.startsWith(
            "          PLEASE  \n\nGenerating a new puzzle.\n\nThis may take up to a minute."));
        QVERIFY(Form1->Memo1->toPlainText().contains("T: "));
    }

    void newGameAnsweredNoChangesNothing() {
        AnswerInOrder({Press("No")});
        Form1->NewGame2->trigger();
        QVERIFY(!GameState.Playing);
        QVERIFY(!Form1->Print1->isEnabled());
        QCOMPARE(Form1->Label1->text(), QString("Click 'Game' to start"));
    }

    void levelQuestionAnsweredNoKeepsTheLevel() {
        AnswerInOrder({Press("No")});
        Form1->Hard1->trigger();
        QVERIFY(!Form1->Hard1->isChecked());
        QVERIFY(Form1->Medium1->isChecked());
        QCOMPARE(GameState.ShownPerBlock, 4);
        QVERIFY(!GameState.Playing);
    }

    void levelsSetTheGivensAndTheCheckMark() {
        StartNewGame(Form1->Easy1);
        QCOMPARE(GameState.ShownPerBlock, 5);
        QVERIFY(Form1->Easy1->isChecked() && !Form1->Medium1->isChecked() &&
                !Form1->Hard1->isChecked());
        int givens = 0;
        for (int i = 1; i <= 81; ++i)
            givens += Given[i];
        QCOMPARE(givens, 45);
        StartNewGame(Form1->Hard1);
        QCOMPARE(GameState.ShownPerBlock, 3);
        QVERIFY(Form1->Hard1->isChecked() && !Form1->Easy1->isChecked());
        // The current level again still asks and makes a new puzzle.
        const auto before = Solution;
        StartNewGame(Form1->Hard1);
        QVERIFY(Form1->Hard1->isChecked());
        QVERIFY(!(Solution == before));
        QCOMPARE(SeenMessages().size(), 3);
    }

    void newGameDuringPlayRestartsTheClockAndKeepsTheTool() {
        StartNewGame();
        ChooseTool(7);
        Form1->CheckBox1->setChecked(true);
        GameState.ElapsedSeconds = 100;
        Form1->Timer1Timer();
        QCOMPARE(Form1->Label1->text(), QString("Time: 0:1:41"));
        // The player takes longer than a clock tick to press OK: the new game starts from 0 all
        // the same.
        AnswerInOrder({Press("Yes"), After(1300, Press("OK"))});
        Form1->NewGame2->trigger();
        QCOMPARE(GameState.ElapsedSeconds, 0);
        // The status line keeps the old time until the first tick.
        QCOMPARE(Form1->Label1->text(), QString("Time: 0:1:41"));
        QCOMPARE(GameState.SelectedValue, 7);
        QVERIFY(!Form1->CheckBox1->isChecked());
        QTRY_COMPARE_WITH_TIMEOUT(Form1->Label1->text(), QString("Time: 0:0:1"), 3000);
    }

    void clockTicksOncePerSecondAfterTheNotification() {
        StartNewGame();
        QCOMPARE(GameState.ElapsedSeconds, 0);
        QTest::qWait(400);
        QCOMPARE(GameState.ElapsedSeconds, 0);
        QTRY_COMPARE_WITH_TIMEOUT(GameState.ElapsedSeconds, 1, 2000);
        QCOMPARE(Form1->Label1->text(), QString("Time: 0:0:1"));
        QCOMPARE(QString::fromStdString(GameState.TimeText), QString("0:0:1"));
    }

    void correctSubmitStopsPlayAndOpensTheBestTimes() {
        StartNewGame();
        const int last = FinishGridByClick();
        QVERIFY(Form1->Button2->isVisible());
        QVERIFY(Form1->Submit1->isEnabled());
        QCOMPARE(Form1->MediaPlayer1.FileName(), QString("notify.wav"));
        GameState.ElapsedSeconds = 753;
        Form1->Timer1Timer(); // 754 seconds: 0:12:34
        QString message;
        QStringList shownNames;
        AnswerInOrder(
            {Press("OK", nullptr, &message), TypeAndPress("Winner", "OK"), [&](QWidget* window) {
                 shownNames = Form4->Memo2->toPlainText().split('\n');
                 Press("OK")(window);
             }});
        Form1->Button2->click();
        QCOMPARE(message, QString("Correct. Your time is 0:12:34"));
        ExpectPlayCommands(false);
        QVERIFY(!Form1->Button2->isVisible());
        QVERIFY(!Form1->Submit1->isEnabled());
        QVERIFY(Form1->Print1->isEnabled());
        QCOMPARE(shownNames, QStringList({"", "", "Winner", "", ""}));
        QVERIFY(!GameState.ResultPending);
        // Finished: clicks on the board are ignored.
        ChooseTool(10);
        ClickCell(last);
        QCOMPARE(GameState.Entries[last], Solution[last]);
    }

    void incorrectSubmitKeepsPlayingAndTheClockRunsUnderTheMessage() {
        StartNewGame();
        FillAllEntriesBut(0);
        // Break a row: two open cells of one row get the same value.
        int a = 0, b = 0;
        for (int i = 1; i <= 81 && !b; ++i)
            if (!Given[i]) {
                if (!a)
                    a = i;
                else if ((i - 1) / 9 == (a - 1) / 9)
                    b = i;
            }
        QVERIFY(b);
        GameState.Entries[b] = GameState.Entries[a];
        UpdateSubmit(Form1->View());
        const int before = GameState.ElapsedSeconds;
        QString message;
        AnswerInOrder({After(1300, Press("OK", nullptr, &message))});
        Form1->Submit1->trigger();
        QCOMPARE(message, QString("Puzzle solved incorrectly, press OK to continue."));
        QVERIFY(GameState.ElapsedSeconds > before);
        ExpectPlayCommands(true);
        QCOMPARE(Form1->MediaPlayer1.FileName(), QString("not.wav"));
    }

    void differentButValidGridIsAccepted() {
        StartNewGame();
        // The solution with the digits 1 and 2 swapped everywhere breaks no rule either.
        for (int i = 1; i <= 81; ++i)
            GameState.Entries[i] = Solution[i] == 1 ? 2 : Solution[i] == 2 ? 1 : Solution[i];
        QString message;
        AnswerInOrder({Press("OK", nullptr, &message), Press("Cancel"), Press("OK")});
        RunHandler([] { Form1->Button2Click(); });
        QVERIFY(message.startsWith("Correct. Your time is "));
    }

    void submitOnAnIncompleteGridDoesNothing() {
        StartNewGame();
        FinishGridByClick();
        QVERIFY(Form1->Button2->isVisible());
        // Clear all leaves the Submit button showing, but pressing it does nothing.
        AnswerInOrder({Press("Yes")});
        Form1->Clearall1->trigger();
        QVERIFY(Form1->Button2->isVisible());
        for (int i = 1; i <= 81; ++i)
            QCOMPARE(GameState.Entries[i], Given[i] ? Solution[i] : 0);
        SeenMessages().clear();
        Form1->Button2->click();
        QVERIFY(SeenMessages().isEmpty());
        ExpectPlayCommands(true);
        // The next click on the board re-evaluates it.
        ClickAt(10, 10);
        QVERIFY(!Form1->Button2->isVisible());
        QVERIFY(!Form1->Submit1->isEnabled());
    }

    void clearAllAnsweredNoKeepsEverything() {
        StartNewGame();
        const int open = FirstOpenCell();
        GameState.Entries[open] = 5;
        GameState.Guesses[open] = 6;
        AnswerInOrder({Press("No")});
        Form1->Clearall1->trigger();
        QCOMPARE(GameState.Entries[open], 5);
        QCOMPARE(GameState.Guesses[open], 6);
    }

    void solveFillsTheSolutionAndKeepsGuesses() {
        StartNewGame();
        const int open = FirstOpenCell();
        GameState.Guesses[open] = Solution[open] % 9 + 1;
        const int guess = GameState.Guesses[open];
        Form1->Solve1->trigger();
        for (int i = 1; i <= 81; ++i)
            QCOMPARE(GameState.Entries[i], Solution[i]);
        QCOMPARE(GameState.Guesses[open], guess);
        ExpectPlayCommands(false);
        QVERIFY(!Form1->Button2->isVisible());
        QVERIFY(Form1->Print1->isEnabled());
        QCOMPARE(Form1->Label1->text(), QString("Solved by computer"));
        QCOMPARE(Form1->MediaPlayer1.FileName(), QString("solve.wav"));
        const int seconds = GameState.ElapsedSeconds;
        QTest::qWait(1200);
        QCOMPARE(GameState.ElapsedSeconds, seconds);
    }

    void pauseHidesTheBoardAndTheClockGoesOnAfterwards() {
        StartNewGame();
        GameState.ElapsedSeconds = 10;
        const QColor face = Form1->palette().color(QPalette::Button);
        bool blank = false, stopped = false;
        QStringList lines;
        AnswerInOrder({After(1300, [&](QWidget* window) {
            lines = Form3->Lines();
            blank = BoardPixel(140, 87) == face;
            stopped = !Form1->Timer1.isActive() && GameState.ElapsedSeconds == 10;
            Press("OK")(window);
        })});
        Form1->Pause1->trigger();
        QCOMPARE(lines, QStringList({"Game paused", "", "Press OK to continue"}));
        QVERIFY(blank);
        QVERIFY(stopped);
        QVERIFY(GameState.Playing);
        QVERIFY(Form1->Timer1.isActive());
        QCOMPARE(BoardPixel(140, 87), QColor(0, 0, 0));
        QCOMPARE(Form1->MediaPlayer1.FileName(), QString("pause.wav"));
        QTRY_COMPARE_WITH_TIMEOUT(GameState.ElapsedSeconds, 11, 2000);
    }

    void bestTimesFromTheMenuNeverAsksForAName() {
        StartNewGame();
        GameState.ElapsedSeconds = 1;
        bool shown = false;
        AnswerInOrder({[&](QWidget* window) {
            shown = window == Form4;
            Press("OK")(window);
        }});
        Form1->BestTimes1->trigger();
        QVERIFY(shown);
        QVERIFY(GameState.Playing);
        QVERIFY(Form1->Timer1.isActive());
    }

    void soundFileGoneAfterStartUpEndsTheCommandThere() {
        StartNewGame();
        QVERIFY(GameState.SoundOn);
        for (const char* name : {"solve.wav", "pause.wav", "not.wav", "clap.wav", "ready.wav"})
            QFile::remove(Session->Folder.Path(name));

        // Solve: the error, and the game as it was.
        QString text;
        AnswerInOrder({Press("OK", nullptr, &text)});
        Form1->Solve1->trigger();
        QVERIFY2(text.contains("solve.wav") || text.contains("No such file"), qPrintable(text));
        ExpectPlayCommands(true);
        QVERIFY(GameState.Entries != Solution);

        // Pause: nothing paused.
        AnswerInOrder({Press("OK")});
        Form1->Pause1->trigger();
        QVERIFY(Form1->Timer1.isActive());
        QVERIFY(!Form3->isVisible());

        // A wrong grid: only the message is skipped.
        FillAllEntriesBut(0);
        const int open = FirstOpenCell();
        GameState.Entries[open] = Solution[open] % 9 + 1;
        SeenMessages().clear();
        AnswerInOrder({Press("OK")});
        RunHandler([] { Form1->Button2Click(); });
        QCOMPARE(SeenMessages().size(), 1);
        QVERIFY(!SeenMessages()[0].contains("incorrectly"));
        ExpectPlayCommands(true);

        // A right grid: play stops, no result message, no best times.
        FillAllEntriesBut(0);
        SeenMessages().clear();
        AnswerInOrder({Press("OK")});
        RunHandler([] { Form1->Button2Click(); });
        QCOMPARE(SeenMessages().size(), 1);
        QVERIFY(!SeenMessages()[0].contains("Correct"));
        ExpectPlayCommands(false);

        // New: the error, then play starts all the same with the window back.
        SeenMessages().clear();
        AnswerInOrder({Press("Yes"), Press("OK")});
        Form1->NewGame2->trigger();
        QCOMPARE(SeenMessages().size(), 2);
        ExpectPlayCommands(true);
        QVERIFY(Form1->isEnabled());
        QVERIFY(Form1->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!Form2->isVisible());
        QCOMPARE(BoardPixel(140, 87), QColor(0, 0, 0));
    }

    void withSoundOffNoFileIsOpened() {
        Form1->Sound1->trigger();
        QVERIFY(!GameState.SoundOn);
        QVERIFY(!Form1->Sound1->isChecked());
        for (const char* name : {"solve.wav", "ready.wav", "pop.wav", "notify.wav"})
            QFile::remove(Session->Folder.Path(name));
        SeenMessages().clear();
        StartNewGame();
        ChooseTool(3);
        ClickCell(FirstOpenCell());
        Form1->Solve1->trigger();
        QCOMPARE(SeenMessages(), QStringList({"Confirm|Start a new puzzle?"}));
        QCOMPARE(Form1->MediaPlayer1.FileName(), QString("solve.wav")); // left by the probe
    }

    // A score file unreadable at start-up leaves sound off with the Sound item still checked.
    // Every effect follows the setting, not the check mark: none is even opened.
    void effectsFollowTheSettingNotTheCheckMark() {
        Session.reset();
        Session = std::make_unique<GameSession>(GameSession::Files::Supplied, false);
        const QByteArray scores = Session->Folder.Read("highscores.txc");
        QVERIFY(QFile::remove(Session->Folder.Path("highscores.txc")));
        AnswerInOrder({Press("OK")});
        Session->Start();
        Session->ShowMainWindow();
        QVERIFY(!GameState.SoundOn && Form1->Sound1->isChecked());
        Session->Folder.Write("highscores.txc", scores);

        StartNewGame();
        ChooseTool(10);
        ClickCell(FirstOpenCell());
        AnswerInOrder({Press("OK")});
        Form1->Pause1->trigger();
        FillAllEntriesBut(0);
        GameState.Entries[FirstOpenCell()] = Solution[FirstOpenCell()] % 9 + 1;
        ClickAt(10, 10); // Submit shows
        AnswerInOrder({Press("OK")});
        Form1->Submit1->trigger();
        FinishGridByClick();
        AnswerInOrder({Press("OK"), TypeAndPress("Quiet", "OK"), Press("OK")});
        Form1->Submit1->trigger();
        QCOMPARE(Form4->Memo2->toPlainText().split('\n').at(2), QString("Quiet"));
        StartNewGame();
        Form1->Solve1->trigger();
        QVERIFY(SeenMessages().contains(
            "Information|Puzzle solved incorrectly, press OK to continue."));
        QCOMPARE(Form1->Label1->text(), QString("Solved by computer"));
        QCOMPARE(Form1->MediaPlayer1.FileName(), QString());
    }

    void escapeOnTheQuestionAnswersNo() {
        AnswerInOrder({[](QWidget* window) { QTest::keyClick(window, Qt::Key_Escape); }});
        Form1->NewGame2->trigger();
        QVERIFY(!GameState.Playing);
        QVERIFY(!Form1->Print1->isEnabled());
    }

    void helpCommandsShowTheirViewAndTheAboutWindow() {
        bool howToPlay = false, rules = false, about = false;
        AnswerInOrder({[&](QWidget* window) {
                           howToPlay = window == Form6 && Form6->Memo1->isVisible() &&
                                       !Form6->ScrollBox1->isVisible();
                           Press("Ok")(window);
                       },
                       [&](QWidget* window) {
                           rules = window == Form6 && !Form6->Memo1->isVisible() &&
                                   Form6->ScrollBox1->isVisible();
                           Press("Ok")(window);
                       },
                       [&](QWidget* window) {
                           about = window == Form7;
                           Press("Ok")(window);
                       }});
        Form1->Howtoplay1->trigger();
        Form1->Rules1->trigger();
        Form1->About2->trigger();
        QVERIFY(howToPlay);
        QVERIFY(rules);
        QVERIFY(about);
        QVERIFY(Form6->Memo1->isHidden() && Form6->ScrollBox1->isHidden());
    }

    void exitClosesWithoutAskingDuringAGame() {
        StartNewGame();
        SeenMessages().clear();
        Form1->Exit1->trigger();
        QVERIFY(!Form1->isVisible());
        QVERIFY(SeenMessages().isEmpty());
        QCOMPARE(Session->Folder.Read("highscores.txc").split('\n').at(3), QByteArray("s\r"));
    }
};

QTEST_MAIN(GameFlowTest)
#include "GameFlowTest.moc"
