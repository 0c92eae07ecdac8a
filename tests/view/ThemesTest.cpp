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
        if (!IsLight(palette))
            QVERIFY(Contrast(Face(Windows.Main->ToolButtons[7]),
                             Face(Windows.Main->ToolButtons[6])) >= LineContrast);

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
