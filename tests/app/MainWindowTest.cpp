// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the main window as designed, the close, and the board drawn to the pixel.

#include "app/MainWindow.h"
#include "engine/Game.h"
#include "platform/AutoSize.h"
#include "platform/Fonts.h"
#include "platform/MessageBoxes.h"
#include "platform/MinimizeIcon.h"
#include "tests/support/GameSession.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestWindows.h"
#include "view/BoardArea.h"
#include "view/NoticeWindow.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QtMath>

namespace {

QStringList Captions(QMenu* menu) {
    QStringList captions;
    for (QAction* item : menu->actions())
        captions << (item->isSeparator() ? QString("-") : item->text());
    return captions;
}

QByteArray ScoreFileWithSetting(const QByteArray& setting) {
    return "Tolvane best times\r\n\r\n\r\n" + setting +
           "\r\nhigh\r\n\r\n86400\r\n\r\n86400\r\n\r\n86400\r\n";
}

QColor Pixel(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// The board as a screen scaled by `scale` shows it, from the same paint handler.
QImage ScaledBoard(double scale) {
    const QSize size = Windows.Main->ClientArea->size();
    QImage image(qCeil(size.width() * scale), qCeil(size.height() * scale), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Windows.Main->palette().color(QPalette::Button));
    Windows.Main->ClientArea->render(&image);
    return image;
}

// The lines met along one row (or column) of screen pixels over the board, up to the tool panel:
// colour and width of each, in order.
QList<QPair<QColor, int>> LinesAlong(const QImage& image, double scale, int at, bool across) {
    const int length = qRound(370 * scale);
    const QColor face = Windows.Main->palette().color(QPalette::Button);
    QList<QPair<QColor, int>> lines;
    for (int i = 0; i < length; ++i) {
        const QColor colour = across ? image.pixelColor(i, at) : image.pixelColor(at, i);
        if (colour == face)
            continue;
        if (!lines.isEmpty() && lines.last().first == colour &&
            (across ? image.pixelColor(i - 1, at) : image.pixelColor(at, i - 1)) == colour)
            ++lines.last().second;
        else
            lines.append({colour, 1});
    }
    return lines;
}

// The smallest rectangle holding every pixel of a colour inside one cell, in screen pixels.
QRect ColourBox(const QImage& image, double scale, int row, int column, QColor colour) {
    QRect box;
    const int x0 = qCeil(35 * column * scale), y0 = qCeil(35 * row * scale);
    for (int y = y0 + 3; y < y0 + 35 * scale - 3; ++y)
        for (int x = x0 + 3; x < x0 + 35 * scale - 3; ++x)
            if (image.pixelColor(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { PrepareApplication(); }
    void init() { SeenMessages().clear(); }

    void startsWithTheDesignedWindow() {
        GameSession session;
        QVERIFY(SeenMessages().isEmpty());
        QCOMPARE(Windows.Main->windowTitle(), QString("Tolvane"));
        QCOMPARE(Windows.Main->ClientArea->size(), QSize(409, 463));
        QCOMPARE(Windows.Main->ToolPanel->pos(), QPoint(0, 385));
        QCOMPARE(Windows.Main->PrintStrip->pos(), QPoint(0, 385));
        QVERIFY(Windows.Main->PrintStrip->isHidden());
        // No text box hides in the main window: assistive technology would find it.
        QVERIFY(Windows.Main->ClientArea->findChildren<QPlainTextEdit*>().isEmpty());
        QVERIFY(Windows.Main->SubmitButton->isHidden());
        QCOMPARE(Windows.Main->StatusLine->text(), QString("Click 'Game' to start"));
        QCOMPARE(Windows.Main->StatusLine->pos(), QPoint(11, 52));
        QVERIFY(!Windows.Main->Clock.isActive());
        QCOMPARE(Windows.Main->Clock.interval(), 1000);
        QVERIFY(Windows.Main->ToolGroup->checkedButton() == nullptr);
        QVERIFY(Windows.Main->ToolGroup->exclusive());
        QCOMPARE(Windows.Main->ToolButtons[0]->geometry(), QRect(8, 10, 23, 22));
        QCOMPARE(Windows.Main->ToolButtons[8]->geometry(), QRect(8 + 24 * 8, 10, 23, 22));
        QCOMPARE(Windows.Main->ToolButtons[8]->text(), QString("9"));
        QCOMPARE(Windows.Main->ToolButtons[9]->geometry(), QRect(232, 10, 49, 22));
        QCOMPARE(Windows.Main->ToolButtons[9]->text(), QString("Erase"));
        QCOMPARE(Windows.Main->GuessingBox->text(), QString("Just guessing"));
        QVERIFY(!Windows.Main->GuessingBox->isChecked());
        QCOMPARE(TheGame().ShownPerBlock, 4);
        QCOMPARE(TheGame().CellSize, 35);
        QCOMPARE(TheGame().BoardSize, 315);
        QCOMPARE(TheGame().BlockSide, 3);
        QCOMPARE(TheGame().CellCount, 81);
        QVERIFY(!Windows.Main->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(Windows.Main->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    }

    void menusCarryTheirCaptionsAndStates() {
        GameSession session;
        QCOMPARE(Captions(Windows.Main->GameMenu),
                 QStringList({"New", "-", "Easy", "Medium", "Hard", "-", "Sound", "Best Times",
                              "Print", "-", "Exit"}));
        QCOMPARE(Captions(Windows.Main->OptionsMenu),
                 QStringList({"Clear all", "Solve", "Submit", "-", "Pause"}));
        QCOMPARE(Captions(Windows.Main->HelpMenu),
                 QStringList({"How to play", "Rules", "-", "About"}));
        QCOMPARE(Windows.Main->GameMenu->title(), QString("Game"));
        QVERIFY(!Windows.Main->EasyItem->isChecked());
        QVERIFY(Windows.Main->MediumItem->isChecked());
        QVERIFY(!Windows.Main->HardItem->isChecked());
        QVERIFY(Windows.Main->MediumItem->actionGroup() == nullptr);
        QVERIFY(Windows.Main->SoundItem->isChecked() && Windows.Main->SoundItem->isEnabled());
        for (QAction* item :
             {Windows.Main->PrintItem, Windows.Main->ClearAllItem, Windows.Main->SolveItem,
              Windows.Main->SubmitItem, Windows.Main->PauseItem})
            QVERIFY2(!item->isEnabled(), qPrintable(item->text()));
        for (QAction* item :
             {Windows.Main->NewItem, Windows.Main->EasyItem, Windows.Main->BestTimesItem,
              Windows.Main->ExitItem, Windows.Main->HowToPlayItem, Windows.Main->RulesItem,
              Windows.Main->AboutItem})
            QVERIFY2(item->isEnabled(), qPrintable(item->text()));
        QVERIFY(TheGame().SoundOn);
    }

    void soundSettingOffKeepsTheProbe() {
        GameSession session(GameSession::Files::Supplied, false);
        session.Folder.Write("highscores.txc", ScoreFileWithSetting("ns"));
        session.Start();
        QVERIFY(SeenMessages().isEmpty());
        QVERIFY(!Windows.Main->SoundItem->isChecked());
        QVERIFY(Windows.Main->SoundItem->isEnabled());
        QVERIFY(!TheGame().SoundOn);
        // The probe ran all the way, whatever the setting.
        QCOMPARE(Windows.Main->Player.FileName(), QString("solve.wav"));
    }

    void missingScoreFileShowsItsErrorAndSkipsTheRest() {
        GameSession session(GameSession::Files::Supplied, false);
        QFile::remove(session.Folder.Path("highscores.txc"));
        QString caption, text;
        AnswerMessageBox("OK", &caption, &text);
        session.Start();
        QCOMPARE(caption, QString("Tolvane"));
        QVERIFY2(text.contains(session.Folder.Path("highscores.txc")), qPrintable(text));
        QVERIFY2(text.contains("No such file or directory"), qPrintable(text));
        // The constants stand, sound stays off and the Sound item says so; one click turns it on.
        QCOMPARE(TheGame().CellSize, 35);
        QCOMPARE(Windows.Main->ToolPanel->pos(), QPoint(0, 385));
        QVERIFY(!TheGame().SoundOn);
        QVERIFY(!Windows.Main->SoundItem->isChecked() && Windows.Main->SoundItem->isEnabled());
        Windows.Main->SoundItem->trigger();
        QVERIFY(TheGame().SoundOn && Windows.Main->SoundItem->isChecked());
        QVERIFY(Windows.Main->Player.FileName().isEmpty()); // no probe
    }

    void shortScoreFileIsAListIndexError() {
        GameSession session(GameSession::Files::Supplied, false);
        session.Folder.Write("highscores.txc", "a\r\nb\r\nc\r\n");
        QString text;
        AnswerMessageBox("OK", nullptr, &text);
        session.Start();
        QCOMPARE(text, QString("List index out of bounds (3)"));
        QVERIFY(!TheGame().SoundOn);
    }

    void oneMissingSoundDisablesSoundAndCloseWritesIt() {
        GameSession session(GameSession::Files::Supplied, false);
        QFile::remove(session.Folder.Path("best.wav"));
        QString caption, text;
        AnswerMessageBox("OK", &caption, &text);
        session.Start();
        QCOMPARE(SeenMessages().size(), 1);
        QCOMPARE(caption, QString("Error"));
        QCOMPARE(text, QString("Some sound files may be missing"));
        QVERIFY(!Windows.Main->SoundItem->isChecked());
        QVERIFY(!Windows.Main->SoundItem->isEnabled());
        QVERIFY(!TheGame().SoundOn);
        Windows.Main->show();
        Windows.Main->ExitItem->trigger();
        QVERIFY(!Windows.Main->isVisible());
        QCOMPARE(session.Folder.Read("highscores.txc").split('\n').at(3), QByteArray("ns\r"));
    }

    void closeWritesTheSettingAndKeepsOtherLines() {
        GameSession session(GameSession::Files::Supplied, false);
        const QByteArray original = ScoreFileWithSetting("ns") + "a line of our own\r\n";
        session.Folder.Write("highscores.txc", original);
        session.Start();
        Windows.Main->show();
        Windows.Main->SoundItem->trigger(); // sound on
        QVERIFY(TheGame().SoundOn);
        Windows.Main->close();
        QByteArray expected = original;
        expected.replace("\r\nns\r\n", "\r\ns\r\n");
        QCOMPARE(session.Folder.Read("highscores.txc"), expected);
    }

    void closeWithAnUnwritableScoreFileShowsTheErrorAndEnds() {
        GameSession session;
        Windows.Main->show();
        const QByteArray before = session.Folder.Read("highscores.txc");
        // A folder in the file's place: no save can replace it, even as root.
        QFile::rename(session.Folder.Path("highscores.txc"), session.Folder.Path("kept.txc"));
        QDir(session.Folder.Path()).mkdir("highscores.txc");
        QString text;
        AnswerMessageBox("OK", nullptr, &text);
        Windows.Main->close();
        QVERIFY2(text.contains(session.Folder.Path("highscores.txc")), qPrintable(text));
        QVERIFY(!Windows.Main->isVisible());
        QCOMPARE(session.Folder.Read("kept.txc"), before);
    }

    void errorBoxAddsAFullStopOnlyAfterLetters() {
        QCOMPARE(ErrorBoxText("List index out of bounds (3)"),
                 QString("List index out of bounds (3)"));
        QCOMPARE(ErrorBoxText("'x' is not a valid integer value"),
                 QString("'x' is not a valid integer value."));
        QCOMPARE(ErrorBoxText("Done."), QString("Done."));
        QCOMPARE(ErrorBoxText("Really?"), QString("Really?."));
        QCOMPARE(ErrorBoxText("Wait!"), QString("Wait!"));
        QCOMPARE(ErrorBoxText("a,"), QString("a,"));
        QCOMPARE(ErrorBoxText("a-"), QString("a-"));
        QCOMPARE(ErrorBoxText("value 7"), QString("value 7."));
        QCOMPARE(ErrorBoxText(""), QString(""));
    }

    void minimizeIconCanBeRemovedAndRestored() {
        GameSession session;
        Windows.Main->show();
        QVERIFY(QTest::qWaitForWindowExposed(Windows.Main));
        SetMinimizeIcon(*Windows.Main, false);
        QVERIFY(!Windows.Main->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(Windows.Main->isVisible());
        SetMinimizeIcon(*Windows.Main, true);
        QVERIFY(Windows.Main->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(Windows.Main->isVisible());
        QVERIFY(!Windows.Main->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    }

    void clientAreaFollowsTheVisiblePanels() {
        GameSession session;
        Windows.Main->ToolPanel->hide();
        Windows.Main->PrintStrip->show();
        AutoSize(*Windows.Main->ClientArea);
        QCOMPARE(Windows.Main->ClientArea->size(), QSize(409, 402));
        Windows.Main->ToolPanel->show();
        Windows.Main->PrintStrip->hide();
        AutoSize(*Windows.Main->ClientArea);
        QCOMPARE(Windows.Main->ClientArea->size(), QSize(409, 463));
    }

    void emptyBoardIsFramedCellsOnTheButtonFace() {
        GameSession session;
        const QImage board = Windows.Main->ClientArea->grab().toImage();
        const QColor face = Windows.Main->palette().color(QPalette::Button);
        const QColor blue(0, 0, 255), black(0, 0, 0);
        QCOMPARE(Pixel(board, 10, 10), face);
        QCOMPARE(Pixel(board, 360, 200), face);
        // Inside a cell: background only.
        QCOMPARE(Pixel(board, 52, 52), face);
        // The seam between columns 1 and 2 in the middle of row 2: two blue pixels.
        QCOMPARE(Pixel(board, 69, 87), blue);
        QCOMPARE(Pixel(board, 70, 87), blue);
        QCOMPARE(Pixel(board, 68, 87), face);
        QCOMPARE(Pixel(board, 71, 87), face);
        // Rows alike.
        QCOMPARE(Pixel(board, 87, 104), blue);
        QCOMPARE(Pixel(board, 87, 105), blue);
        // Block frames in black at 35, 140, 245 and 350.
        for (int edge : {35, 140, 245, 350})
            QCOMPARE(Pixel(board, edge, 87), black);
        for (int edge : {35, 140, 245, 350})
            QCOMPARE(Pixel(board, 87, edge), black);
        // Nothing beyond the board's outer frame.
        QCOMPARE(Pixel(board, 353, 87), face);
        QCOMPARE(Pixel(board, 32, 87), face);
    }

    void scaledBoardIsTheSameBoardLarger() {
        // A scaled desktop (125 %, 150 %, 200 %) shows the board of 100 % larger: every line one
        // even band, never split in two, and the digits where they stand at 100 %.
        GameSession session;
        const QColor black(0, 0, 0), blue(0, 0, 255);
        for (double scale : {1.25, 1.5, 2.0}) {
            const QImage board = ScaledBoard(scale);
            const int width = qRound(2 * scale);
            for (int cell = 1; cell <= 9; ++cell) {
                const int middle = qRound((35 * cell + 17) * scale);
                for (bool across : {true, false}) {
                    const auto lines = LinesAlong(board, scale, middle, across);
                    QCOMPARE(lines.size(), 10);
                    for (int i = 0; i < 10; ++i) {
                        QCOMPARE(lines[i].first, i % 3 == 0 ? black : blue);
                        QCOMPARE(lines[i].second, width);
                    }
                }
            }
        }
        TheGame().Given[1] = true;
        TheGame().Solution[1] = 8;
        const QRect digit = ColourBox(ScaledBoard(1), 1, 1, 1, black);
        for (double scale : {1.25, 1.5, 2.0}) {
            const QRect scaled = ColourBox(ScaledBoard(scale), scale, 1, 1, black);
            QVERIFY2(qAbs(scaled.left() - digit.left() * scale) <= scale + 1 &&
                         qAbs(scaled.top() - digit.top() * scale) <= scale + 1,
                     qPrintable(QString("digit at %1,%2 at %3")
                                    .arg(scaled.left())
                                    .arg(scaled.top())
                                    .arg(scale)));
        }
    }

    void cellsShowGivenEntryAndGuessInTheirColours() {
        GameSession session;
        TheGame().Given[1] = true;
        TheGame().Solution[1] = 8;
        TheGame().Entries[1] = 3; // a given shows its solution whatever Entries holds
        TheGame().Entries[2] = 8;
        TheGame().Guesses[2] = 1; // the entry wins over the guess
        TheGame().Guesses[3] = 8;
        const QImage board = Windows.Main->ClientArea->grab().toImage();
        auto count = [&](int cell, QColor colour) {
            const int x0 = 35 * cell, y0 = 35;
            int n = 0;
            for (int y = y0 + 2; y < y0 + 33; ++y)
                for (int x = x0 + 2; x < x0 + 33; ++x)
                    n += Pixel(board, x, y) == colour;
            return n;
        };
        const QColor black(0, 0, 0), purple(128, 0, 128), teal(0, 128, 128);
        QVERIFY(count(1, black) > 20);
        QCOMPARE(count(1, purple), 0);
        QVERIFY(count(2, purple) > 20);
        QCOMPARE(count(2, teal), 0);
        QVERIFY(count(3, teal) > 20);
        QCOMPARE(count(4, black) + count(4, purple) + count(4, teal), 0);
        // The same digit in the same font: the given, the entry and the guess have one shape.
        QCOMPARE(count(1, black), count(2, purple));
        QCOMPARE(count(2, purple), count(3, teal));
    }

    void nothingIsDrawnWhileTheNotificationIsUp() {
        GameSession session;
        TheGame().Given[1] = true;
        TheGame().Solution[1] = 8;
        Windows.Main->show();
        QVERIFY(QTest::qWaitForWindowExposed(Windows.Main));
        Windows.Notice->SetLines({"Game paused", "", "Press OK to continue"});
        Windows.Notice->show();
        const QImage board = Windows.Main->ClientArea->grab().toImage();
        const QColor face = Windows.Main->palette().color(QPalette::Button);
        for (int x = 0; x < 409; x += 7)
            for (int y = 0; y < 380; y += 7)
                QCOMPARE(Pixel(board, x, y), face);
        Windows.Notice->hide();
        QCOMPARE(Pixel(Windows.Main->ClientArea->grab().toImage(), 140, 87), QColor(0, 0, 0));
    }

    void blankBoardLeavesTheBackgroundUntilTheNextShow() {
        GameSession session;
        Windows.Main->show();
        QVERIFY(QTest::qWaitForWindowExposed(Windows.Main));
        Windows.Main->ClientArea->BlankBoard();
        const QColor face = Windows.Main->palette().color(QPalette::Button);
        QCOMPARE(Pixel(Windows.Main->ClientArea->grab().toImage(), 140, 87), face);
        Windows.Main->ClientArea->ShowBoard();
        QCOMPARE(Pixel(Windows.Main->ClientArea->grab().toImage(), 140, 87), QColor(0, 0, 0));
    }

    void boardFontIsTheRoundedFaceInBold() {
        const QFontInfo info(RoundedBold(27));
        QCOMPARE(info.family(), QString("Quicksand"));
        QCOMPARE(info.weight(), int(QFont::Bold));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
