// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The modal secondary windows: notification, best times and about. Their layout, the keyboard
// (OK has the focus, Enter and Space press it, Escape does nothing), the close box, and where
// they appear: centred over the main window at first, then where they were left.

#include "engine/GameState.h"
#include "platform/Fonts.h"
#include "tests/support/ModalHelper.h"
#include "tests/view/WindowChecks.h"
#include "view/Pictures.h"
#include "view/TForm3.h"
#include "view/TForm4.h"
#include "view/TForm7.h"

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
void ActivateNow(QWidget& form) {
    form.activateWindow();
    if (!QTest::qWaitFor([&] { return form.isActiveWindow(); }))
        qWarning("The window did not become active");
}

// Shows the window modally; once it is up, records what it looks like, presses Escape, then
// runs `finish`, which must close it.
Seen ShowModally(SecondaryForm& form, const std::function<void()>& finish) {
    Seen seen;
    WhenModal([&](QWidget* modal) {
        ActivateNow(form);
        seen.Visible = modal == &form && form.isVisible();
        seen.Position = form.pos();
        seen.Focus = QApplication::focusWidget();
        QTest::keyClick(seen.Focus ? seen.Focus : &form, Qt::Key_Escape);
        seen.VisibleAfterEscape = form.isVisible();
        finish();
    });
    form.ShowModal();
    return seen;
}

bool IsToolWithCloseBoxOnly(const QWidget& form, Qt::WindowType kind) {
    const Qt::WindowFlags flags = form.windowFlags();
    return (flags & Qt::WindowType_Mask) == kind && (flags & Qt::WindowCloseButtonHint) &&
           !(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                      Qt::WindowContextHelpButtonHint));
}

QStringList ButtonTexts(const QWidget& form) {
    QStringList texts;
    for (const QPushButton* button : form.findChildren<QPushButton*>())
        texts << button->text();
    texts.sort();
    return texts;
}

} // namespace

class ModalWindowTest : public QObject {
    Q_OBJECT

  private:
    // The behaviour every modal window shares, checked on one of them with its OK button.
    void CheckShowing(SecondaryForm& form, QPushButton* ok, TestMainWindow& main) {
        // First showing: centred over the main window, OK focused, Escape ignored; the close
        // box closes. Meanwhile the user moves the window.
        const QPoint moved = main.pos() + QPoint(31, -17);
        Seen first = ShowModally(form, [&] {
            form.move(moved);
            form.close();
        });
        QVERIFY(first.Visible);
        QCOMPARE(first.Position, CentredOver(main.frameGeometry(), form.frameGeometry().size()));
        QCOMPARE(first.Focus, ok);
        QVERIFY(first.VisibleAfterEscape);
        QVERIFY(!form.isVisible());

        // Next showing: where it was left, even after the main window has moved; Enter presses
        // OK.
        main.move(main.pos() + QPoint(40, 40));
        Seen second = ShowModally(form, [&] { QTest::keyClick(ok, Qt::Key_Return); });
        QCOMPARE(second.Position, moved);
        QVERIFY(second.VisibleAfterEscape);
        QVERIFY(!form.isVisible());

        // And again; Space presses OK.
        Seen third = ShowModally(form, [&] { QTest::keyClick(ok, Qt::Key_Space); });
        QCOMPARE(third.Position, moved);
        QVERIFY(!form.isVisible());
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
        TForm3 form(&main);
        QCOMPARE(form.windowTitle(), QString("Paused"));
        QVERIFY(IsToolWithCloseBoxOnly(form, Qt::Tool));
        QCOMPARE(form.size(), QSize(462, 155));
        QVERIFY2(FormProblems(&form).isEmpty(), qPrintable(FormProblems(&form)));
        QVERIFY(!form.isVisible());

        QCOMPARE(form.Memo1->geometry(), QRect(128, 24, 201, 73));
        QVERIFY(IsSansSerif(form.Memo1->font(), 13, true));
        QVERIFY2(TextBoxProblems(form.Memo1).isEmpty(), qPrintable(TextBoxProblems(form.Memo1)));
        QCOMPARE(form.Lines(), QStringList({"New puzzle generated.", "", "Click OK to start."}));
        QCOMPARE(form.Button1->geometry(), QRect(184, 112, 75, 25));
        QCOMPARE(ButtonTexts(form), QStringList({"OK"}));
        QVERIFY(!form.Button1->isDefault());
    }

    void notificationShowsTheCallersLines() {
        TestMainWindow main;
        TForm3 form(&main);
        // The main window may still be disabled from the generation; the window stays usable.
        main.setEnabled(false);
        form.SetLines({"Game paused.", "", "Click OK to resume."});
        QStringList shown;
        ShowModally(form, [&] {
            shown = form.Memo1->toPlainText().split('\n');
            form.Button1->click();
        });
        QCOMPARE(shown, QStringList({"Game paused.", "", "Click OK to resume."}));
        QVERIFY(form.isEnabled() && form.Button1->isEnabled());
        QCOMPARE(form.windowTitle(), QString("Paused"));
        QVERIFY(!form.isVisible());
    }

    void notificationShowing() {
        TestMainWindow main;
        TForm3 form(&main);
        CheckShowing(form, form.Button1, main);
    }

    void bestTimesLayout() {
        TestMainWindow main;
        TForm4 form(&main);
        QCOMPARE(form.windowTitle(), QString("Best times"));
        QVERIFY(IsToolWithCloseBoxOnly(form, Qt::Tool));
        QCOMPARE(form.size(), QSize(374, 263));
        QVERIFY2(FormProblems(&form).isEmpty(), qPrintable(FormProblems(&form)));

        QCOMPARE(form.Image1->geometry(), QRect(144, 0, 81, 97));
        QVERIFY(form.Image1->Transparent());
        QCOMPARE(form.Image1->Picture().size(), QSize(162, 187));
        QCOMPARE(form.Label1->text(), QString("Time"));
        QCOMPARE(form.Label1->pos(), QPoint(264, 72));
        QVERIFY(IsSansSerif(form.Label1->font(), 13, true));
        const std::pair<QPlainTextEdit*, QRect> texts[] = {{form.Memo1, {8, 96, 73, 129}},
                                                           {form.Memo2, {88, 96, 169, 121}},
                                                           {form.Memo3, {264, 96, 105, 129}}};
        for (const auto& [text, geometry] : texts) {
            QCOMPARE(text->geometry(), geometry);
            QVERIFY(IsSansSerif(text->font(), 13, true));
            QVERIFY2(TextBoxProblems(text).isEmpty(), qPrintable(TextBoxProblems(text)));
        }
        QCOMPARE(form.Memo1->toPlainText(), QString("Easy\n\nMedium\n\nHard"));
        QCOMPARE(form.Button2->geometry(), QRect(48, 232, 81, 25));
        QCOMPARE(form.Button1->geometry(), QRect(240, 232, 81, 25));
        QCOMPARE(ButtonTexts(form), QStringList({"OK", "Reset scores"}));
    }

    void bestTimesTabOrderSkipsTheTexts() {
        TestMainWindow main;
        TForm4 form(&main);
        QList<QWidget*> order;
        ShowModally(form, [&] {
            for (int i = 0; i < 3; ++i) {
                order << QApplication::focusWidget();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            form.close();
        });
        QCOMPARE(order, QList<QWidget*>({form.Button1, form.Button2, form.Button1}));
    }

    void bestTimesShowing() {
        TestMainWindow main;
        TForm4 form(&main);
        CheckShowing(form, form.Button1, main);
    }

    void resetScoresYesAsksAndRequestsTheReset() {
        TestMainWindow main;
        TForm4 form(&main);
        ResetRequested = false;
        QString caption, text;
        ShowModally(form, [&] {
            AnswerMessageBox("Yes", &caption, &text);
            form.Button2->click();
        });
        QCOMPARE(caption, QString("Confirm"));
        QCOMPARE(text, QString("Reset the best scores?"));
        QVERIFY(ResetRequested);
        QVERIFY(!form.isVisible());
        ResetRequested = false;
    }

    void resetScoresNoLeavesTheScoresAndCloses() {
        TestMainWindow main;
        TForm4 form(&main);
        ResetRequested = false;
        QString text;
        ShowModally(form, [&] {
            AnswerMessageBox("No", nullptr, &text);
            form.Button2->click();
        });
        QCOMPARE(text, QString("Reset the best scores?"));
        QVERIFY(!ResetRequested);
        QVERIFY(!form.isVisible());
    }

    void closingTheBestTimesNeverRequestsAReset() {
        TestMainWindow main;
        TForm4 form(&main);
        ResetRequested = false;
        ShowModally(form, [&] { form.close(); });
        ShowModally(form, [&] { form.Button1->click(); });
        QVERIFY(!ResetRequested);
    }

    void aboutLayout() {
        TestMainWindow main;
        TForm7 form(&main);
        QCOMPARE(form.windowTitle(), QString("About"));
        QVERIFY(IsToolWithCloseBoxOnly(form, Qt::Dialog));
        QCOMPARE(form.size(), QSize(424, 220));
        QVERIFY2(FormProblems(&form).isEmpty(), qPrintable(FormProblems(&form)));
        QCOMPARE(form.Image1->geometry(), QRect(8, 16, 185, 153));
        QVERIFY(form.Image1->Transparent());
        QCOMPARE(form.Image1->DrawnRect(), QRect(0, 0, 158, 128)); // fits: its own size
        QCOMPARE(form.Label1->text(), QString("Tolvane"));
        QCOMPARE(form.Label1->pos(), QPoint(224, 24));
        QVERIFY(IsSansSerif(form.Label1->font(), 19, true));
        QCOMPARE(form.Button1->geometry(), QRect(160, 184, 75, 25));
        QCOMPARE(ButtonTexts(form), QStringList({"Ok"}));
    }

    void aboutShowing() {
        TestMainWindow main;
        TForm7 form(&main);
        CheckShowing(form, form.Button1, main);
    }

    void aLargerWindowIsCentredToo() {
        // A main window smaller than the notification window: the window reaches out on both
        // sides, by halves of odd differences truncated toward zero.
        TestMainWindow main({300, 300, 201, 100});
        TForm3 form(&main);
        Seen seen = ShowModally(form, [&] { form.close(); });
        const QRect outer = main.frameGeometry();
        const QSize own = form.frameGeometry().size();
        QVERIFY((own.width() - outer.width()) % 2 == 1);
        QVERIFY((own.height() - outer.height()) % 2 == 1);
        QCOMPARE(seen.Position, QPoint(outer.left() - (own.width() - outer.width()) / 2,
                                       outer.top() - (own.height() - outer.height()) / 2));
    }
};

QTEST_MAIN(ModalWindowTest)
#include "ModalWindowTest.moc"
