// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The best-times flow: a new record with the player's name, the window's contents, the reset,
// and the score file left exactly as it was outside the lines the flow meant to change.

#include "app/MainWindow.h"
#include "control/BestTimesFlow.h"
#include "engine/Game.h"
#include "platform/MessageBoxes.h"
#include "records/PlayerName.h"
#include "records/ScoreFile.h"
#include "tests/support/GameSession.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestWindows.h"
#include "view/BestTimesWindow.h"

#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {

// A score file with lines of its own around the block, and some records already set.
// Line 0 "high" is never the marker.
const QByteArray Stored = "high\r\nTolvane best times\r\nkept line\r\ns\r\nhigh\r\n"
                          "Ann\r\n300\r\nBo\r\n86400\r\n\r\n86400\r\ntrailing line\r\n";

QList<QByteArray> LinesOf(const QByteArray& file) {
    return file.split('\n');
}

struct Shown {
    QString Names, Times;
    bool Opened = false;
};

// Answers the best-times window with OK (or Reset scores and an answer), noting what it showed.
Answer ReadWindow(Shown& shown, const QString& button = "OK", const QString& reset = {}) {
    return [&shown, button, reset](QWidget* window) {
        shown.Opened = window == Windows.BestTimes;
        shown.Names = Windows.BestTimes->PlayerNames->toPlainText();
        shown.Times = Windows.BestTimes->Times->toPlainText();
        if (!reset.isEmpty())
            AnswerInOrder({Press(reset)});
        Press(button)(window);
    };
}

void FinishGame(int shownPerBlock, int seconds) {
    TheGame().ShownPerBlock = shownPerBlock;
    TheGame().ElapsedSeconds = seconds;
    TheGame().ResultPending = true;
    RunHandler([] { ShowBestTimes(TheGame(), *Windows.Main, Windows.Main->ScoreFile()); });
}

} // namespace

class BestTimesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { PrepareApplication(); }
    void init() {
        SeenMessages().clear();
        Session = std::make_unique<GameSession>(GameSession::Files::Supplied, false);
        Session->Folder.Write("highscores.txc", Stored);
        Session->Start();
        Windows.Main->show();
    }
    void cleanup() { Session.reset(); }

    void recordBeatsTheStoredTimeAndIsShown() {
        Shown shown;
        QString caption, label, preset;
        bool allSelected = false;
        int maxLength = 0;
        AnswerInOrder({[&](QWidget* window) {
                           auto* box = qobject_cast<QInputDialog*>(window);
                           QVERIFY(box);
                           caption = box->windowTitle();
                           label = box->labelText();
                           auto* field = box->findChild<QLineEdit*>();
                           preset = field->text();
                           allSelected = field->selectedText() == preset;
                           maxLength = field->maxLength();
                           TypeAndPress("Zoë", "OK")(window);
                       },
                       ReadWindow(shown)});
        FinishGame(5, 100);
        QCOMPARE(caption, QString("New Best time"));
        QCOMPARE(label, QString("Best time. Please enter your name"));
        QCOMPARE(preset, QString("Anonymous"));
        QVERIFY(allSelected);
        QCOMPARE(maxLength, 255);
        QVERIFY(shown.Opened);
        QCOMPARE(shown.Names, QString("Zoë\n\nBo\n\n"));
        QCOMPARE(shown.Times, QString(" 0:1:40\n\n 24:0:0\n\n 24:0:0"));
        QCOMPARE(Windows.Main->Player.FileName(), QString("best.wav"));
        QVERIFY(!TheGame().ResultPending);
        auto expected = LinesOf(Stored);
        expected[5] = "Zoë\r";
        expected[6] = "100\r";
        QCOMPARE(LinesOf(Session->Folder.Read("highscores.txc")), expected);
    }

    void equalOrSlowerTimeSetsNoRecord() {
        for (int seconds : {300, 301}) {
            Shown shown;
            AnswerInOrder({ReadWindow(shown)});
            FinishGame(5, seconds);
            QVERIFY(shown.Opened);
            QCOMPARE(shown.Names, QString("Ann\n\nBo\n\n"));
            QCOMPARE(shown.Times, QString(" 0:5:0\n\n 24:0:0\n\n 24:0:0"));
            QCOMPARE(Session->Folder.Read("highscores.txc"), Stored);
        }
    }

    void nameAnswersAsStored_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("cancel") << QString("ignored") << QString("Cancel")
                                << QByteArray("Anonymous");
        QTest::newRow("emptied") << QString("") << QString("OK") << QByteArray("");
        QTest::newRow("twenty characters")
            << QString("abcdefghijklmnopqrst") << QString("OK") << QByteArray("abcdefghijklmno");
        QTest::newRow("accents count as characters")
            << QString("ÅÄÖåäöÉÈéèÜüßøæœ") << QString("OK") << QString("ÅÄÖåäöÉÈéèÜüßøæ").toUtf8();
        QTest::newRow("line break")
            << QString("Ann\nSmith") << QString("OK") << QByteArray("Ann Smith");
    }
    void nameAnswersAsStored() {
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QByteArray, stored);
        Shown shown;
        AnswerInOrder({TypeAndPress(typed, button), ReadWindow(shown)});
        FinishGame(4, 99);
        auto expected = LinesOf(Stored);
        expected[7] = stored + "\r";
        expected[8] = "99\r";
        QCOMPARE(LinesOf(Session->Folder.Read("highscores.txc")), expected);
    }

    void namesAreMadeSafeForTheirLine() {
        QCOMPARE(NameForRecord("a\r\nb"), QString("a  b"));
        QCOMPARE(NameForRecord(QString("a") + QChar(0) + "b"), QString("a b"));
        // Fifteen characters, never half of one outside the basic plane.
        const QString faces = QString::fromUtf8("😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀");
        QCOMPARE(NameForRecord(faces).toUcs4().size(), 15);
        QCOMPARE(NameForRecord(faces), faces.left(30));
        QCOMPARE(NameForRecord("short"), QString("short"));
    }

    void bestTimesFromTheMenuOnlyShows() {
        Shown shown;
        AnswerInOrder({ReadWindow(shown)});
        TheGame().ElapsedSeconds = 1;
        Windows.Main->BestTimesItem->trigger();
        QVERIFY(shown.Opened);
        QCOMPARE(Session->Folder.Read("highscores.txc"), Stored);
    }

    void resetWithYesEmptiesEveryLevel() {
        Shown shown, after;
        AnswerInOrder({ReadWindow(shown, "Reset scores", "Yes"), ReadWindow(after)});
        Windows.Main->BestTimesItem->trigger();
        auto expected = LinesOf(Stored);
        for (int line : {5, 7, 9})
            expected[line] = "\r";
        for (int line : {6, 8, 10})
            expected[line] = "86400\r";
        QCOMPARE(LinesOf(Session->Folder.Read("highscores.txc")), expected);
        Windows.Main->BestTimesItem->trigger();
        QCOMPARE(after.Names, QString("\n\n\n\n"));
        QCOMPARE(after.Times, QString(" 24:0:0\n\n 24:0:0\n\n 24:0:0"));
    }

    void resetWithNoChangesNothing() {
        Shown shown;
        AnswerInOrder({ReadWindow(shown, "Reset scores", "No")});
        Windows.Main->BestTimesItem->trigger();
        QVERIFY(shown.Opened);
        QVERIFY(!Windows.BestTimes->isVisible());
        QCOMPARE(Session->Folder.Read("highscores.txc"), Stored);
    }

    // A second game in the same folder saves while this one waits for the player. What it saved
    // stays: its sound setting and its record of another level, a better record of the same
    // level, and its sound setting through a reset.
    void anotherGamesSavesAreKept_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("otherName");
        QTest::addColumn<int>("otherSeconds");
        QTest::addColumn<QString>("names");
        QTest::newRow("record of another level")
            << 1 << QString("Bea") << 200 << QString("Al\n\nBea\n\n");
        QTest::newRow("better record") << 0 << QString("Cy") << 50 << QString("Cy\n\nBo\n\n");
    }
    void anotherGamesSavesAreKept() {
        QFETCH(int, level);
        QFETCH(QString, otherName);
        QFETCH(int, otherSeconds);
        QFETCH(QString, names);
        Shown shown;
        AnswerInOrder({[&](QWidget* window) {
                           ScoreFileStore other;
                           StoreBestTime(other, level, otherName, otherSeconds);
                           WriteSoundSetting(other, false);
                           TypeAndPress("Al", "OK")(window);
                       },
                       ReadWindow(shown)});
        FinishGame(5, 100);
        QCOMPARE(shown.Names, names);
        auto expected = LinesOf(Stored);
        expected[3] = "ns\r";
        if (level != 0) {
            expected[5] = "Al\r";
            expected[6] = "100\r";
        }
        expected[5 + 2 * level] = otherName.toUtf8() + "\r";
        expected[6 + 2 * level] = QByteArray::number(otherSeconds) + "\r";
        QCOMPARE(LinesOf(Session->Folder.Read("highscores.txc")), expected);
    }
    void resetKeepsAnotherGamesSoundSetting() {
        Shown shown;
        AnswerInOrder({[&](QWidget* window) {
            ScoreFileStore other;
            WriteSoundSetting(other, false);
            ReadWindow(shown, "Reset scores", "Yes")(window);
        }});
        Windows.Main->BestTimesItem->trigger();
        auto expected = LinesOf(Stored);
        expected[3] = "ns\r";
        for (int line : {5, 7, 9})
            expected[line] = "\r";
        for (int line : {6, 8, 10})
            expected[line] = "86400\r";
        QCOMPARE(LinesOf(Session->Folder.Read("highscores.txc")), expected);
    }

    // A finished game's time on a file whose best times cannot be read: the player learns which
    // file to repair and how, and the time that was not recorded; nothing is written. From the
    // menu, the failure alone.
    void brokenBlockKeepsTheWindowClosed_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("failure");
        QTest::newRow("no marker") << QByteArray("a\r\nb\r\nc\r\ns\r\nHigh\r\n")
                                   << QString("List index out of bounds (5)");
        QTest::newRow("short block") << QByteArray("a\r\nb\r\nc\r\ns\r\nhigh\r\nA\r\n1\r\n")
                                     << QString("List index out of bounds (7)");
        QTest::newRow("bad seconds")
            << QByteArray("a\r\nb\r\nc\r\ns\r\nhigh\r\nA\r\n12a\r\nB\r\n1\r\nC\r\n1\r\n")
            << QString("'12a' is not a valid integer value");
    }
    void brokenBlockKeepsTheWindowClosed() {
        QFETCH(QByteArray, file);
        QFETCH(QString, failure);
        Session->Folder.Write("highscores.txc", file);
        QString caption, text, menuText;
        AnswerInOrder({Press("OK", &caption, &text)});
        FinishGame(4, 3725);
        AnswerInOrder({Press("OK", nullptr, &menuText)});
        Windows.Main->BestTimesItem->trigger();
        QCOMPARE(caption, QString("Tolvane"));
        QCOMPARE(text, failure + ". The best times in \"" + Session->Folder.Path("highscores.txc") +
                           "\" cannot be read, so your time of 1:2:5 is not recorded; the file "
                           "is left as it was. To record times again, repair its best-times "
                           "block: a line \"high\", then for Easy, Medium and Hard a name and a "
                           "time in seconds.");
        QCOMPARE(menuText, ErrorBoxText(failure));
        QCOMPARE(SeenMessages().size(), 2);
        QCOMPARE(Session->Folder.Read("highscores.txc"), file);
    }

    void missingBestSoundStopsBeforeTheName() {
        QFile::remove(Session->Folder.Path("best.wav"));
        QString text;
        AnswerInOrder({Press("OK", nullptr, &text)});
        FinishGame(3, 10);
        QVERIFY(!text.isEmpty());
        QCOMPARE(SeenMessages().size(), 1);
        QCOMPARE(Session->Folder.Read("highscores.txc"), Stored);
        // Best Times from the menu afterwards only shows the records; it asks for no name.
        QVERIFY(!TheGame().ResultPending);
        Shown shown;
        AnswerInOrder({ReadWindow(shown)});
        Windows.Main->BestTimesItem->trigger();
        QVERIFY(shown.Opened);
        QCOMPARE(SeenMessages().size(), 1);
    }

  private:
    std::unique_ptr<GameSession> Session;
};

QTEST_MAIN(BestTimesTest)
#include "BestTimesTest.moc"
