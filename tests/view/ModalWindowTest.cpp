// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The modal secondary windows: notification, best times and about. Their layout, the keyboard
// (OK has the focus, Enter and Space press it, Escape does nothing), the close box, and where
// they appear: centred over the main window at first, then where they were left.

#include "engine/Game.h"
#include "platform/Fonts.h"
#include "tests/support/ModalHelper.h"
#include "tests/view/WindowChecks.h"
#include "view/AboutWindow.h"
#include "view/BestTimesWindow.h"
#include "view/NoticeWindow.h"
#include "view/Pictures.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// What a test saw of a window while it was shown modally.
struct Seen {
    bool Visible = false;
    QPoint Position;
    QWidget* Focus = nullptr;
    bool VisibleAfterEscape = false;
};

// A window manager activates a new window; the offscreen test platform has to be asked.
void ActivateNow(QWidget& dialog) {
    dialog.activateWindow();
    if (!QTest::qWaitFor([&] { return dialog.isActiveWindow(); }))
        qWarning("The window did not become active");
}

// Shows the window modally; once it is up, records what it looks like, presses Escape, then
// runs `finish`, which must close it.
Seen ShowModally(SecondaryWindow& dialog, const std::function<void()>& finish) {
    Seen seen;
    WhenModal([&](QWidget* modal) {
        ActivateNow(dialog);
        seen.Visible = modal == &dialog && dialog.isVisible();
        seen.Position = dialog.pos();
        seen.Focus = QApplication::focusWidget();
        QTest::keyClick(seen.Focus ? seen.Focus : &dialog, Qt::Key_Escape);
        seen.VisibleAfterEscape = dialog.isVisible();
        finish();
    });
    dialog.ShowModal();
    return seen;
}

bool IsToolWithCloseBoxOnly(const QWidget& dialog, Qt::WindowType kind) {
    const Qt::WindowFlags flags = dialog.windowFlags();
    return (flags & Qt::WindowType_Mask) == kind && (flags & Qt::WindowCloseButtonHint) &&
           !(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                      Qt::WindowContextHelpButtonHint));
}

QStringList ButtonTexts(const QWidget& dialog) {
    QStringList texts;
    for (const QPushButton* button : dialog.findChildren<QPushButton*>())
        texts << button->text();
    texts.sort();
    return texts;
}

} // namespace

class ModalWindowTest : public QObject {
    Q_OBJECT

  private:
    // The behaviour every modal window shares, checked on one of them with its OK button.
    void CheckShowing(SecondaryWindow& dialog, QPushButton* ok, TestMainWindow& main) {
        // First showing: centred over the main window, OK focused, Escape ignored; the close
        // box closes. Meanwhile the user moves the window.
        const QPoint moved = main.pos() + QPoint(31, -17);
        Seen first = ShowModally(dialog, [&] {
            dialog.move(moved);
            dialog.close();
        });
        QVERIFY(first.Visible);
        QCOMPARE(first.Position, CentredOver(main.frameGeometry(), dialog.frameGeometry().size()));
        QCOMPARE(first.Focus, ok);
        QVERIFY(first.VisibleAfterEscape);
        QVERIFY(!dialog.isVisible());

        // Next showing: where it was left, even after the main window has moved; Enter presses
        // OK.
        main.move(main.pos() + QPoint(40, 40));
        Seen second = ShowModally(dialog, [&] { QTest::keyClick(ok, Qt::Key_Return); });
        QCOMPARE(second.Position, moved);
        QVERIFY(second.VisibleAfterEscape);
        QVERIFY(!dialog.isVisible());

        // And again; Space presses OK.
        Seen third = ShowModally(dialog, [&] { QTest::keyClick(ok, Qt::Key_Space); });
        QCOMPARE(third.Position, moved);
        QVERIFY(!dialog.isVisible());
    }

  private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void centringTruncatesHalvesTowardZero() {
        QCOMPARE(CentredOver({100, 80, 600, 500}, {462, 155}), QPoint(169, 252));
        // Odd differences lose their half pixel toward zero on either side.
        QCOMPARE(CentredOver({0, 0, 301, 301}, {100, 100}), QPoint(100, 100));
        QCOMPARE(CentredOver({10, 10, 300, 300}, {401, 403}), QPoint(10 - 50, 10 - 51));
    }

    void notificationLayout() {
        TestMainWindow main;
        NoticeWindow dialog(&main);
        QCOMPARE(dialog.windowTitle(), QString("Paused"));
        QVERIFY(IsToolWithCloseBoxOnly(dialog, Qt::Tool));
        QCOMPARE(dialog.size(), QSize(462, 155));
        QVERIFY2(WindowProblems(&dialog).isEmpty(), qPrintable(WindowProblems(&dialog)));
        QVERIFY(!dialog.isVisible());

        QCOMPARE(dialog.Text->geometry(), QRect(128, 24, 201, 73));
        QVERIFY(IsSansSerif(dialog.Text->font(), 13, true));
        QVERIFY2(TextBoxProblems(dialog.Text).isEmpty(), qPrintable(TextBoxProblems(dialog.Text)));
        QCOMPARE(dialog.Lines(), QStringList({"New puzzle generated.", "", "Click OK to start."}));
        QCOMPARE(dialog.OkButton->geometry(), QRect(184, 112, 75, 25));
        QCOMPARE(ButtonTexts(dialog), QStringList({"OK"}));
        QVERIFY(!dialog.OkButton->isDefault());
    }

    void notificationShowsTheCallersLines() {
        TestMainWindow main;
        NoticeWindow dialog(&main);
        // The main window may still be disabled from the generation; the window stays usable.
        main.setEnabled(false);
        dialog.SetLines({"Game paused.", "", "Click OK to resume."});
        QStringList lines;
        ShowModally(dialog, [&] {
            lines = dialog.Text->toPlainText().split('\n');
            dialog.OkButton->click();
        });
        QCOMPARE(lines, QStringList({"Game paused.", "", "Click OK to resume."}));
        QVERIFY(dialog.isEnabled() && dialog.OkButton->isEnabled());
        QCOMPARE(dialog.windowTitle(), QString("Paused"));
        QVERIFY(!dialog.isVisible());
    }

    void notificationShowing() {
        TestMainWindow main;
        NoticeWindow dialog(&main);
        CheckShowing(dialog, dialog.OkButton, main);
    }

    void bestTimesLayout() {
        TestMainWindow main;
        BestTimesWindow dialog(&main);
        QCOMPARE(dialog.windowTitle(), QString("Best times"));
        QVERIFY(IsToolWithCloseBoxOnly(dialog, Qt::Tool));
        QCOMPARE(dialog.size(), QSize(374, 263));
        QVERIFY2(WindowProblems(&dialog).isEmpty(), qPrintable(WindowProblems(&dialog)));

        QCOMPARE(dialog.Picture->geometry(), QRect(144, 0, 81, 97));
        QVERIFY(dialog.Picture->Transparent());
        QCOMPARE(dialog.Picture->Picture().size(), QSize(162, 187));
        QCOMPARE(dialog.TimeHeading->text(), QString("Time"));
        QCOMPARE(dialog.TimeHeading->pos(), QPoint(264, 72));
        QVERIFY(IsSansSerif(dialog.TimeHeading->font(), 13, true));
        const std::pair<QPlainTextEdit*, QRect> texts[] = {{dialog.LevelNames, {8, 96, 73, 129}},
                                                           {dialog.PlayerNames, {88, 96, 169, 121}},
                                                           {dialog.Times, {264, 96, 105, 129}}};
        for (const auto& [text, geometry] : texts) {
            QCOMPARE(text->geometry(), geometry);
            QVERIFY(IsSansSerif(text->font(), 13, true));
            QVERIFY2(TextBoxProblems(text).isEmpty(), qPrintable(TextBoxProblems(text)));
        }
        QCOMPARE(dialog.LevelNames->toPlainText(), QString("Easy\n\nMedium\n\nHard"));
        QCOMPARE(dialog.ResetButton->geometry(), QRect(48, 232, 81, 25));
        QCOMPARE(dialog.OkButton->geometry(), QRect(240, 232, 81, 25));
        QCOMPARE(ButtonTexts(dialog), QStringList({"OK", "Reset scores"}));
    }

    void bestTimesTabOrderSkipsTheTexts() {
        TestMainWindow main;
        BestTimesWindow dialog(&main);
        QList<QWidget*> order;
        ShowModally(dialog, [&] {
            for (int i = 0; i < 3; ++i) {
                order << QApplication::focusWidget();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            dialog.close();
        });
        QCOMPARE(order, QList<QWidget*>({dialog.OkButton, dialog.ResetButton, dialog.OkButton}));
    }

    void bestTimesShowing() {
        TestMainWindow main;
        BestTimesWindow dialog(&main);
        CheckShowing(dialog, dialog.OkButton, main);
    }

    void resetScoresYesAsksAndRequestsTheReset() {
        TestMainWindow main;
        BestTimesWindow dialog(&main);
        QString caption, text;
        ShowModally(dialog, [&] {
            AnswerMessageBox("Yes", &caption, &text);
            dialog.ResetButton->click();
        });
        QCOMPARE(caption, QString("Confirm"));
        QCOMPARE(text, QString("Reset the best scores?"));
        QVERIFY(dialog.ResetConfirmed());
        QVERIFY(!dialog.isVisible());
    }

    void resetScoresNoLeavesTheScoresAndCloses() {
        TestMainWindow main;
        BestTimesWindow dialog(&main);
        QString text;
        ShowModally(dialog, [&] {
            AnswerMessageBox("No", nullptr, &text);
            dialog.ResetButton->click();
        });
        QCOMPARE(text, QString("Reset the best scores?"));
        QVERIFY(!dialog.ResetConfirmed());
        QVERIFY(!dialog.isVisible());
    }

    void closingTheBestTimesNeverRequestsAReset() {
        TestMainWindow main;
        BestTimesWindow dialog(&main);
        ShowModally(dialog, [&] { dialog.close(); });
        ShowModally(dialog, [&] { dialog.OkButton->click(); });
        QVERIFY(!dialog.ResetConfirmed());
    }

    void aboutLayout() {
        TestMainWindow main;
        AboutWindow dialog(&main);
        QCOMPARE(dialog.windowTitle(), QString("About"));
        QVERIFY(IsToolWithCloseBoxOnly(dialog, Qt::Dialog));
        QCOMPARE(dialog.size(), QSize(424, 220));
        QVERIFY2(WindowProblems(&dialog).isEmpty(), qPrintable(WindowProblems(&dialog)));
        QCOMPARE(dialog.Logo->geometry(), QRect(8, 16, 185, 153));
        QVERIFY(dialog.Logo->Transparent());
        QCOMPARE(dialog.Logo->DrawnRect(), QRect(0, 0, 158, 128)); // fits: its own size
        QCOMPARE(dialog.GameName->text(), QString("Tolvane"));
        QCOMPARE(dialog.GameName->pos(), QPoint(224, 24));
        QVERIFY(IsSansSerif(dialog.GameName->font(), 19, true));
        QCOMPARE(dialog.OkButton->geometry(), QRect(160, 184, 75, 25));
        QCOMPARE(ButtonTexts(dialog), QStringList({"Ok"}));
    }

    void aboutShowing() {
        TestMainWindow main;
        AboutWindow dialog(&main);
        CheckShowing(dialog, dialog.OkButton, main);
    }

    void aLargerWindowIsCentredToo() {
        // A main window smaller than the notification window: the window reaches out on both
        // sides, by halves of odd differences truncated toward zero.
        TestMainWindow main({300, 300, 201, 100});
        NoticeWindow dialog(&main);
        Seen seen = ShowModally(dialog, [&] { dialog.close(); });
        const QRect outer = main.frameGeometry();
        const QSize own = dialog.frameGeometry().size();
        QVERIFY((own.width() - outer.width()) % 2 == 1);
        QVERIFY((own.height() - outer.height()) % 2 == 1);
        QCOMPARE(seen.Position, QPoint(outer.left() - (own.width() - outer.width()) / 2,
                                       outer.top() - (own.height() - outer.height()) / 2));
    }
};

QTEST_MAIN(ModalWindowTest)
#include "ModalWindowTest.moc"
