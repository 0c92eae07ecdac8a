// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse on the board: tools by button and wheel, values and guesses, erasing, the cell under
// the pointer, and the Submit check after every click; the keys on the board while a screen
// reader listens, and the board as the screen reader reads it.

#include "app/MainWindow.h"
#include "engine/Game.h"
#include "tests/support/GamePlay.h"
#include "tests/support/GameWindowTest.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestWindows.h"
#include "view/BoardArea.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QToolButton>

namespace {

QAccessibleInterface* BoardTable() {
    return QAccessible::queryAccessibleInterface(Windows.Main->ClientArea)->child(0);
}

QString CellRead(int row, int column) {
    return BoardTable()->child(CellIndex(row, column) - 1)->text(QAccessible::Name);
}

// The moments a widget is painted, from the clock's start.
class PaintTimes : public QObject {
  public:
    explicit PaintTimes(QWidget* widget) {
        Clock.start();
        widget->installEventFilter(this);
    }
    QElapsedTimer Clock;
    QList<qint64> Paints;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            Paints << Clock.elapsed();
        return false;
    }
};

void Type(Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i)
        QTest::keyClick(Windows.Main->ClientArea, key);
}

} // namespace

class CellInputTest : public GameWindowTest {
    Q_OBJECT
  private slots:

    void toolButtonsSetTheToolAndStayDown() {
        QCOMPARE(TheGame().SelectedValue, 0);
        ChooseTool(4);
        QCOMPARE(TheGame().SelectedValue, 4);
        ChooseTool(4); // pressing the down button again keeps it down
        QVERIFY(Windows.Main->ToolButtons[3]->isChecked());
        QCOMPARE(TheGame().SelectedValue, 4);
        ChooseTool(10);
        QCOMPARE(TheGame().SelectedValue, 11);
        QVERIFY(!Windows.Main->ToolButtons[3]->isChecked());
        QCOMPARE(Windows.Main->ToolGroup->checkedButton(), Windows.Main->ToolButtons[9]);
    }

    void wheelStepsThroughTheDigitsOnly_data() {
        QTest::addColumn<int>("startButton"); // 0: no tool
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("expected");
        QTest::newRow("down from no tool") << 0 << -120 << 1;
        QTest::newRow("down from 9") << 9 << -120 << 1;
        QTest::newRow("down from Erase") << 10 << -120 << 1;
        QTest::newRow("down from 4") << 4 << -120 << 5;
        QTest::newRow("up from no tool") << 0 << 120 << 9;
        QTest::newRow("up from 1") << 1 << 120 << 9;
        QTest::newRow("up from Erase") << 10 << 120 << 9;
        QTest::newRow("up from 5") << 5 << 120 << 4;
        QTest::newRow("two notches down") << 3 << -240 << 5;
    }
    void wheelStepsThroughTheDigitsOnly() {
        QFETCH(int, startButton);
        QFETCH(int, delta);
        QFETCH(int, expected);
        if (startButton)
            ChooseTool(startButton);
        int clicks = 0;
        connect(Windows.Main->ToolGroup, &QButtonGroup::buttonClicked, [&] { ++clicks; });
        TurnWheel(delta);
        QCOMPARE(TheGame().SelectedValue, expected);
        QVERIFY(Windows.Main->ToolButtons[expected - 1]->isChecked());
        QVERIFY(!Windows.Main->ToolButtons[9]->isChecked());
        QCOMPARE(clicks, 0); // the wheel does not click the button
    }

    void wheelCountsWholeNotchesOfFineTurns() {
        ChooseTool(5);
        TurnWheel(-60);
        QCOMPARE(TheGame().SelectedValue, 5);
        TurnWheel(-60);
        QCOMPARE(TheGame().SelectedValue, 6);
        TurnWheel(-30);
        TurnWheel(40);
        QCOMPARE(TheGame().SelectedValue, 6);
        TurnWheel(110); // -30 + 40 + 110: one whole notch away from the player
        QCOMPARE(TheGame().SelectedValue, 5);
    }

    void clicksPlaceValuesOnlyInEmptySlotsOfOpenCells() {
        StartNewGame();
        const int open = FirstOpenCell();
        const QPoint at = CellCentre(open);
        ChooseTool(7);
        ClickAt(at.x(), at.y());
        QCOMPARE(TheGame().Entries[open], 7);
        QCOMPARE(Windows.Main->Player.FileName(), QString("pop.wav"));
        // A filled slot keeps its value; the sound plays all the same.
        ChooseTool(3);
        Windows.Main->Player.Open("erase.wav");
        ClickAt(at.x(), at.y());
        QCOMPARE(TheGame().Entries[open], 7);
        QCOMPARE(Windows.Main->Player.FileName(), QString("pop.wav"));
        // Guessing fills the guess slot under the entry.
        Windows.Main->GuessingBox->setChecked(true);
        ClickAt(at.x(), at.y());
        QCOMPARE(TheGame().Guesses[open], 3);
        QCOMPARE(TheGame().Entries[open], 7);
        // Erase empties both, in either mode.
        ChooseTool(10);
        ClickAt(at.x(), at.y());
        QCOMPARE(TheGame().Entries[open], 0);
        QCOMPARE(TheGame().Guesses[open], 0);
        QCOMPARE(Windows.Main->Player.FileName(), QString("erase.wav"));
        // Givens never change.
        int given = 1;
        while (!TheGame().Given[given])
            ++given;
        ClickCell(given);
        QCOMPARE(TheGame().Entries[given], TheGame().Solution[given]);
        for (int i = 1; i <= 81; ++i)
            QVERIFY(TheGame().Entries[i] >= 0 && TheGame().Entries[i] <= 9);
    }

    void clickWithNoToolChangesNothingAndPlaysNothing() {
        StartNewGame();
        const int open = FirstOpenCell();
        Windows.Main->Player.Open("clap.wav");
        ClickCell(open);
        QCOMPARE(TheGame().Entries[open], 0);
        QCOMPARE(Windows.Main->Player.FileName(), QString("clap.wav"));
    }

    void theCellUnderThePointer_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("column"); // 0: outside the board
        QTest::newRow("line 1|2") << 70 << 2;
        QTest::newRow("line 2|3") << 105 << 2;
        QTest::newRow("line 3|4") << 140 << 4;
        QTest::newRow("line 4|5") << 175 << 4;
        QTest::newRow("just inside the left edge") << 36 << 1;
        QTest::newRow("just inside the right edge") << 349 << 9;
        QTest::newRow("left edge") << 35 << 0;
        QTest::newRow("right edge") << 350 << 0;
        QTest::newRow("margin") << 20 << 0;
    }
    void theCellUnderThePointer() {
        QFETCH(int, x);
        QFETCH(int, column);
        StartNewGame();
        // Row 5 with every cell open, so any column can take the value.
        for (int i = 37; i <= 45; ++i)
            TheGame().Given[i] = false, TheGame().Entries[i] = 0;
        ChooseTool(6);
        ClickAt(x, 5 * 35 + 17);
        for (int c = 1; c <= 9; ++c)
            QCOMPARE(TheGame().Entries[36 + c], c == column ? 6 : 0);
        // The same along the other axis.
        for (int i = 1; i <= 81; ++i)
            if ((i - 1) % 9 == 4)
                TheGame().Given[i] = false, TheGame().Entries[i] = 0;
        ClickAt(5 * 35 + 17, x);
        for (int r = 1; r <= 9; ++r)
            QCOMPARE(TheGame().Entries[(r - 1) * 9 + 5], r == column ? 6 : 0);
    }

    // The board's outer edge lines belong to no cell, along every row and column and at the
    // corners: neither an entry nor a guess changes.
    void clicksOnTheOuterEdgeChangeNoCell() {
        StartNewGame();
        for (int i = 1; i <= 81; ++i)
            TheGame().Given[i] = false, TheGame().Entries[i] = 0;
        ChooseTool(6);
        const Game before = TheGame();
        QList<int> along; // a point in every row and column, and both ends
        for (int at = 35; at < 350; at += 17)
            along << at;
        along << 350;
        for (const int edge : {35, 350})
            for (const int at : along) {
                ClickAt(edge, at);
                ClickAt(at, edge);
            }
        QVERIFY(TheGame().Entries == before.Entries);
        QVERIFY(TheGame().Guesses == before.Guesses);
    }

    void clickOutsideTheBoardWithAFullGridStillNotifies() {
        StartNewGame();
        FillAllEntriesBut(0);
        Windows.Main->Player.Open("pop.wav");
        ClickAt(20, 20);
        QVERIFY(Windows.Main->SubmitButton->isVisible());
        QVERIFY(Windows.Main->SubmitItem->isEnabled());
        QCOMPARE(Windows.Main->Player.FileName(), QString("notify.wav"));
        // Erasing a value hides Submit again.
        const int open = FirstOpenCell();
        ChooseTool(10);
        ClickCell(open);
        QVERIFY(!Windows.Main->SubmitButton->isVisible());
        QVERIFY(!Windows.Main->SubmitItem->isEnabled());
        QCOMPARE(Windows.Main->Player.FileName(), QString("erase.wav"));
    }

    void guessesNeverCompleteTheGrid() {
        StartNewGame();
        const int open = FirstOpenCell();
        FillAllEntriesBut(open);
        Windows.Main->GuessingBox->setChecked(true);
        ChooseTool(TheGame().Solution[open]);
        ClickCell(open);
        QCOMPARE(TheGame().Guesses[open], TheGame().Solution[open]);
        QVERIFY(!Windows.Main->SubmitButton->isVisible());
    }

    void clicksDoNothingWithoutAGameOrAfterIt() {
        ChooseTool(5);
        TheGame().Given[1] = false;
        ClickCell(1);
        QCOMPARE(TheGame().Entries[1], 0);
        StartNewGame();
        Windows.Main->SolveItem->trigger();
        FillAllEntriesBut(FirstOpenCell());
        ClickCell(FirstOpenCell());
        QCOMPARE(TheGame().Entries[FirstOpenCell()], 0);
        QVERIFY(!Windows.Main->SubmitButton->isVisible()); // no Submit check either
    }

    void doubleClickCountsAsOneClick() {
        StartNewGame();
        FillAllEntriesBut(0);
        // Every Submit check on the full grid plays "notify.wav"; without the file each one
        // shows an error box, so the boxes count the clicks.
        QFile::remove(Session->Folder.Path("notify.wav"));
        SeenMessages().clear();
        AnswerInOrder({Press("OK")});
        const QPoint at(20, 20);
        QTest::mouseMove(Windows.Main->ClientArea, at);
        // What a double-click delivers: press, release, the double-click in place of the
        // second press, release.
        QTest::mousePress(Windows.Main->ClientArea, Qt::LeftButton, {}, at);
        QTest::mouseRelease(Windows.Main->ClientArea, Qt::LeftButton, {}, at);
        QMouseEvent second(QEvent::MouseButtonDblClick, at,
                           Windows.Main->ClientArea->mapToGlobal(at), Qt::LeftButton,
                           Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Windows.Main->ClientArea, &second);
        QTest::mouseRelease(Windows.Main->ClientArea, Qt::LeftButton, {}, at);
        QTest::qWait(100);
        QCOMPARE(SeenMessages().size(), 1);
    }

    void rightButtonIsNoClick() {
        StartNewGame();
        const int open = FirstOpenCell();
        ChooseTool(2);
        QTest::mouseMove(Windows.Main->ClientArea, CellCentre(open));
        QTest::mouseClick(Windows.Main->ClientArea, Qt::RightButton, {}, CellCentre(open));
        QCOMPARE(TheGame().Entries[open], 0);
    }

    void buttonsPaintAgainAMomentAfterPressAndRelease() {
        // Under mutter the second of a click's two quick paints now and then never reaches the
        // screen; a lone paint a moment later does. A late paint of its own under load may pass
        // for it, an early one never.
        QToolButton* button = Windows.Main->ToolButtons[2];
        for (const bool press : {true, false}) {
            PaintTimes times(button);
            if (press)
                QTest::mousePress(button, Qt::LeftButton);
            else
                QTest::mouseRelease(button, Qt::LeftButton);
            QTRY_VERIFY2(!times.Paints.isEmpty() && times.Paints.last() >= 90,
                         press ? "no paint a moment after the press"
                               : "no paint a moment after the release");
        }
    }

    void keysWalkTheBoardAndPlaceOnlyWhileAScreenReaderListens() {
        BoardArea* board = Windows.Main->ClientArea;
        QCOMPARE(board->focusPolicy(), Qt::NoFocus);
        QCOMPARE(Windows.Main->ToolButtons[4]->focusPolicy(), Qt::NoFocus);
        // A screen reader starts: the game hears of it as Qt's accessibility turns active.
        QAccessible::setActive(true);
        const auto off = qScopeGuard([] { QAccessible::setActive(false); });
        QCOMPARE(Windows.Main->ToolButtons[9]->focusPolicy(), Qt::StrongFocus);
        StartNewGame();
        QCOMPARE(Windows.Main->focusWidget(), board);
        // The arrows stop at the edges; Home and End go to the row's ends.
        Type(Qt::Key_Up);
        Type(Qt::Key_Left);
        QCOMPARE(board->FocusedCell(), (CellPlace{1, 1}));
        Type(Qt::Key_End);
        Type(Qt::Key_Down, 9);
        QCOMPARE(board->FocusedCell(), (CellPlace{9, 9}));
        Type(Qt::Key_Home);
        QCOMPARE(board->FocusedCell(), (CellPlace{9, 1}));
        Type(Qt::Key_Up, 8);
        const int open = FirstOpenCell();
        Type(Qt::Key_Down, (open - 1) / 9);
        Type(Qt::Key_Right, (open - 1) % 9);
        // A digit chooses its tool, Space places it; Delete chooses Erase, Enter erases.
        Type(Qt::Key_7);
        QVERIFY(Windows.Main->ToolButtons[6]->isChecked());
        Type(Qt::Key_Space);
        QCOMPARE(TheGame().Entries[open], 7);
        QCOMPARE(CellRead((open - 1) / 9 + 1, (open - 1) % 9 + 1).section(": ", 1), "entry 7");
        Type(Qt::Key_Delete);
        QCOMPARE(TheGame().SelectedValue, EraseTool);
        Type(Qt::Key_Return);
        QCOMPARE(TheGame().Entries[open], 0);
        // The screen reader stops: the board goes back to the mouse alone.
        QAccessible::setActive(false);
        QCOMPARE(board->focusPolicy(), Qt::NoFocus);
        Type(Qt::Key_5);
        QCOMPARE(TheGame().SelectedValue, EraseTool);
    }

    void screenReaderReadsTheBoardAsShownAndPressesOnlyWhereAClickWould() {
        StartNewGame();
        const Game& game = TheGame();
        // Rows and columns counted from 1, each cell read from where it lies.
        for (const auto& [row, column] : {std::pair{1, 1}, {4, 7}, {9, 2}}) {
            const int i = CellIndex(row, column);
            const QString content =
                game.Given[i] ? QString("given %1").arg(game.Solution[i]) : QString("empty");
            QCOMPARE(CellRead(row, column),
                     QString("Row %1, column %2: %3").arg(row).arg(column).arg(content));
        }
        const int open = FirstOpenCell();
        const int row = (open - 1) / 9 + 1, column = (open - 1) % 9 + 1;
        ChooseTool(3);
        // Paused: the board is hidden from the screen reader as from the eye, and a press on a
        // cell past the modal notice places nothing.
        WhenModal([&](QWidget* notice) {
            QCOMPARE(CellRead(row, column),
                     QString("Row %1, column %2: hidden").arg(row).arg(column));
            QAccessibleInterface* cell = BoardTable()->child(CellIndex(row, column) - 1);
            cell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(game.Entries[open], 0);
            Press("OK")(notice);
        });
        Windows.Main->PauseItem->trigger();
        QCOMPARE(CellRead(row, column).section(": ", 1), "empty");
        // An open menu is no modal window: the press acts.
        Windows.Main->OptionsMenu->popup(Windows.Main->mapToGlobal(QPoint(0, 0)));
        const auto closed = qScopeGuard([] { Windows.Main->OptionsMenu->close(); });
        BoardTable()->child(open - 1)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        QCOMPARE(game.Entries[open], 3);
    }
};

QTEST_MAIN(CellInputTest)
#include "CellInputTest.moc"
