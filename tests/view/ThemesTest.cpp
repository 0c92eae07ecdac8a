// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Readable on every desktop theme: under a dark and two high-contrast palettes the board, the
// tool panel, the notice and every secondary window are read from their pixels during a game;
// and the desktop switched between light and dark while a game runs.

#include "app/MainWindow.h"
#include "engine/Game.h"
#include "platform/Colours.h"
#include "tests/support/GamePlay.h"
#include "tests/support/GameSession.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestWindows.h"
#include "tests/view/ThemeChecks.h"
#include "view/BoardArea.h"
#include "view/HelpWindow.h"
#include "view/NoticeWindow.h"
#include "view/ProgressWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

#include <algorithm>

namespace {

QColor Face(QWidget* button) {
    const QImage image = button->grab().toImage();
    return Commonest(image, image.rect());
}

QImage Board() {
    QApplication::processEvents();
    return Windows.Main->ClientArea->grab().toImage();
}

// Opens a window through the main window's menu and reads its texts while it is up.
QString TextsOfModal(QAction* item, const QString& okText) {
    QString problems = "not shown";
    AnswerInOrder({[&](QWidget* window) {
        problems = UnreadableTexts(*window);
        Press(okText)(window);
    }});
    item->trigger();
    return problems;
}

// The board's digits and lines of a game in play, read from its pixels.
struct BoardReading {
    QColor Face, Given, Entry, Guess, CellLine, BlockLine;
    bool operator==(const BoardReading&) const = default;
};

BoardReading ReadBoard(const QImage& board, const Digits& digits) {
    const QColor face = board.pixelColor(10, 10);
    return {face,
            Strongest(board, CellInside(digits.GivenCell), face),
            Strongest(board, CellInside(digits.EntryCell), face),
            Strongest(board, CellInside(digits.GuessCell), face),
            board.pixelColor(69, 52),
            board.pixelColor(139, 52)};
}

// The least CIEDE2000 difference between two kinds of digit, to everyone or to a deuteranope.
double LeastDifference(const BoardReading& seen, bool deuteranope) {
    const auto lab = [deuteranope](QColor c) {
        return ToLab(deuteranope ? AsDeuteranopeSees(c) : c);
    };
    const Lab given = lab(seen.Given), entry = lab(seen.Entry), guess = lab(seen.Guess);
    return std::min({Ciede2000(given, entry), Ciede2000(given, guess), Ciede2000(entry, guess)});
}

} // namespace

class ThemesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        PrepareApplication();
        Light = QApplication::palette();
    }
    void cleanup() { QApplication::setPalette(Light); }

    void contrastFollowsTheGuidelines() {
        QCOMPARE(Contrast(Qt::black, Qt::white), 21.0);
        QCOMPARE(Contrast(Qt::white, Qt::black), 21.0);
        QCOMPARE(Contrast(QColor(90, 90, 90), QColor(90, 90, 90)), 1.0);
        // The designed colours on the light face #efefef: 18.3, 8.2 and 4.2 : 1.
        QCOMPARE(qRound(Contrast(Qt::black, QColor(239, 239, 239)) * 10), 183);
        QCOMPARE(qRound(Contrast(QColor(128, 0, 128), QColor(239, 239, 239)) * 10), 82);
        QCOMPARE(qRound(Contrast(QColor(0, 128, 128), QColor(239, 239, 239)) * 10), 42);
        // Below the linear toe of the sRGB curve.
        QCOMPARE(qRound(Contrast(QColor(8, 8, 8), Qt::black) * 1000), 1049);
    }

    // The colour difference and the deuteranope's view as published: two of Sharma, Wu and
    // Dalal's test pairs, and purple against teal (43, and 16 to a deuteranope).
    void colourDifferencesFollowTheirDefinitions() {
        QCOMPARE(qRound(Ciede2000({50, 2.5, 0}, {73, 25, -18}) * 1e4), 271492);
        QCOMPARE(qRound(Ciede2000({50, 2.5, 0}, {50, 0, -2.5}) * 1e4), 43065);
        const QColor purple(128, 0, 128), teal(0, 128, 128);
        QCOMPARE(qRound(Ciede2000(ToLab(purple), ToLab(teal))), 43);
        QCOMPARE(
            qRound(Ciede2000(ToLab(AsDeuteranopeSees(purple)), ToLab(AsDeuteranopeSees(teal)))),
            16);
    }

    // A game in play under faces from light to black, read from the board's pixels: each kind of
    // digit stands out from the face, the kinds are apart in colour and in lightness, and the
    // lines show. Where the designed colours read they are kept to the pixel.
    void everyFaceReadsWithItsKindsApart_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<bool>("designed");
        QTest::addColumn<double>("digits");      // contrast every kind reaches
        QTest::addColumn<double>("deuteranope"); // difference of the kinds to a deuteranope
        const auto row = [](const char* name, QPalette palette, bool designed, double digits,
                            double deuteranope) {
            QTest::newRow(name) << palette << designed << digits << deuteranope;
        };
        const QColor black(Qt::black), white(Qt::white);
        row("#efefef, as designed", QApplication::palette(), true, 3, 10);
        row("#dcdcdc", Themed(QColor(0xdcdcdc), black, white), true, 3, 10);
        row("#dde6f0", Themed(QColor(0xdde6f0), black, white), true, 3, 10);
        row("white", Themed(white, black, white), true, 4.5, 10);
        // A mid grey leaves no room for 4.5 : 1 with the kinds apart.
        row("#7f7f7f, black text", Themed(QColor(0x7f7f7f), black, white), false, 3, 10);
        row("#7f7f7f, white text", Themed(QColor(0x7f7f7f), white, QColor(0x5a5a5a)), false, 3, 10);
        // Nor for a deuteranope's 10 at 4.5 : 1 without the designed hues giving way.
        row("#5a5a5a", Themed(QColor(0x5a5a5a), white, QColor(0x3c3c3c)), false, 4.5, 9);
        row("#323232", Themed(QColor(0x323232), white, QColor(0x1e1e1e)), false, 4.5, 10);
        row("black", Themed(black, white, black), false, 4.5, 10);
    }

    void everyFaceReadsWithItsKindsApart() {
        QFETCH(QPalette, palette);
        QFETCH(bool, designed);
        QFETCH(double, digits);
        QFETCH(double, deuteranope);
        QApplication::setPalette(palette);
        GameSession session;
        session.ShowMainWindow();
        const BoardReading seen = ReadBoard(Board(), PlayWithEveryKindOfDigit());
        const QColor face = palette.color(QPalette::Button);
        QCOMPARE(seen.Face, face);
        const auto stands = [&face](QColor colour) { return Contrast(colour, face); };
        if (designed)
            QCOMPARE(seen, (BoardReading{face, Qt::black, QColor(128, 0, 128), QColor(0, 128, 128),
                                         Qt::blue, Qt::black}));
        for (const QColor digit : {seen.Given, seen.Entry, seen.Guess})
            QVERIFY2(stands(digit) >= digits, qPrintable(digit.name()));
        QVERIFY(stands(seen.BlockLine) >= LineContrast);
        QVERIFY(stands(seen.CellLine) >= LineContrast);
        QVERIFY(LeastDifference(seen, false) >= 15);
        QVERIFY(LeastDifference(seen, true) >= deuteranope);
        // Lightness helps: the kinds step away from the face one after the other.
        QVERIFY(stands(seen.Given) >= stands(seen.Entry) * 1.2);
        QVERIFY(stands(seen.Entry) >= stands(seen.Guess) * 1.2);
        // The pressed tool (in the game's own colours on a face darker than its text) reads.
        const QImage tool = Windows.Main->ToolButtons[7]->grab().toImage();
        const QColor behind = tool.pixelColor(4, 11);
        QVERIFY(Contrast(Strongest(tool, tool.rect().adjusted(3, 3, -3, -3), behind), behind) >=
                LargeTextContrast);
    }

    void everyWindowReadsOnTheTheme_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("dark") << DarkPalette();
        QTest::newRow("high contrast, light on black") << HighContrastDark();
        QTest::newRow("high contrast, dark on white") << HighContrastLight();
    }

    void everyWindowReadsOnTheTheme() {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        GameSession session;
        session.ShowMainWindow();
        const Digits digits = PlayWithEveryKindOfDigit();
        QVERIFY(TheGame().Entries[digits.EntryCell] == 8 &&
                TheGame().Guesses[digits.GuessCell] == 8);

        const QImage board = Board();
        QCOMPARE(board.pixelColor(10, 10), palette.color(QPalette::Button));
        QCOMPARE(BoardProblems(board, digits), QString());
        // The tool panel with tool 8 pressed and the others not, the clock, "Just guessing".
        QVERIFY(Windows.Main->ToolButtons[7]->isChecked());
        QCOMPARE(UnreadableTexts(*Windows.Main), QString());
        // On a dark face the pressed tool stands out from the others as a line would.
        if (!IsLight(palette)) {
            QVERIFY(Contrast(Face(Windows.Main->ToolButtons[7]),
                             Face(Windows.Main->ToolButtons[6])) >= LineContrast);
            // Released again, it looks like the others.
            Windows.Main->ToolButtons[2]->click();
            QCOMPARE(Face(Windows.Main->ToolButtons[7]), Face(Windows.Main->ToolButtons[6]));
        }

        QCOMPARE(UnreadableTexts(*Windows.Progress), QString());
        QCOMPARE(TextsOfModal(Windows.Main->PauseItem, "OK"), QString());
        QCOMPARE(TextsOfModal(Windows.Main->BestTimesItem, "OK"), QString());
        QCOMPARE(TextsOfModal(Windows.Main->HowToPlayItem, "Ok"), QString());
        QCOMPARE(TextsOfModal(Windows.Main->RulesItem, "Ok"), QString());
        QCOMPARE(TextsOfModal(Windows.Main->AboutItem, "Ok"), QString());
    }

    void switchingTheThemeDuringAGameRedrawsEveryWindow() {
        GameSession session;
        session.ShowMainWindow();
        const Digits digits = PlayWithEveryKindOfDigit();
        const QColor light = Board().pixelColor(10, 10);
        const auto entries = TheGame().Entries;
        const auto guesses = TheGame().Guesses;

        // Dark while the help is open: it and the board behind it follow at once.
        QString helpProblems = "not shown";
        QColor helpFace, helpBackground;
        AnswerInOrder({[&](QWidget* window) {
            QApplication::setPalette(DarkPalette());
            QApplication::processEvents();
            const QImage help = window->grab().toImage();
            helpFace = help.pixelColor(4, 4);
            helpBackground =
                Windows.Help->HowToPlayBox->viewport()->grab().toImage().pixelColor(2, 2);
            helpProblems = UnreadableTexts(*window);
            Press("Ok")(window);
        }});
        Windows.Main->HowToPlayItem->trigger();
        QCOMPARE(helpFace, QColor(50, 50, 50));
        QCOMPARE(helpBackground, QColor(50, 50, 50));
        QCOMPARE(helpProblems, QString());
        const QImage dark = Board();
        QCOMPARE(dark.pixelColor(10, 10), QColor(50, 50, 50));
        QCOMPARE(BoardProblems(dark, digits), QString());
        // The notification, made before the change, is on the dark face too.
        QCOMPARE(TextsOfModal(Windows.Main->PauseItem, "OK"), QString());

        // The game goes on untouched.
        QVERIFY(TheGame().Entries == entries);
        QVERIFY(TheGame().Guesses == guesses);
        QVERIFY(Windows.Main->Clock.isActive());
        QVERIFY(Windows.Main->ToolButtons[7]->isChecked());

        // And back to the light board as designed.
        QApplication::setPalette(Light);
        const QImage again = Board();
        QCOMPARE(again.pixelColor(10, 10), light);
        QCOMPARE(Strongest(again, CellInside(digits.EntryCell), light), QColor(128, 0, 128));
        QCOMPARE(Strongest(again, CellInside(digits.GivenCell), light), QColor(0, 0, 0));
        QCOMPARE(again.pixelColor(69, 52), QColor(0, 0, 255));
        QCOMPARE(Windows.Notice->Text->viewport()->grab().toImage().pixelColor(2, 2), light);
    }

  private:
    QPalette Light;
};

QTEST_MAIN(ThemesTest)
#include "ThemesTest.moc"
