// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: its two views, of which "How to play" and "Rules" show exactly one, the
// scroll positions they keep between showings, and the texts with their headings.

#include "view/HelpWindow.h"
#include "platform/Fonts.h"
#include "tests/support/ModalHelper.h"
#include "tests/view/WindowChecks.h"
#include "view/HelpTexts.h"
#include "view/HelpWindow.h"
#include "view/Pictures.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>

namespace {

struct Views {
    bool HowToPlay = false;
    bool Rules = false;
    bool operator==(const Views&) const = default;
};

Views VisibleViews(const HelpWindow& dialog) {
    return {dialog.HowToPlayBox->isVisible(), dialog.RulesView->isVisible()};
}

// Runs one of the menu commands; `whileOpen` runs on the open window, which is then closed.
Views Open(HelpWindow& dialog, void (*command)(HelpWindow&),
           const std::function<void()>& whileOpen = {}) {
    Views seen;
    WhenModal([&](QWidget*) {
        seen = VisibleViews(dialog);
        if (whileOpen)
            whileOpen();
        dialog.OkButton->click();
    });
    command(dialog);
    return seen;
}

// Bottom of a text's last line, in the coordinates of the text box's parent.
int TextBottom(const QPlainTextEdit* text) {
    QTextCursor end(text->document());
    end.movePosition(QTextCursor::End);
    return text->y() + text->viewport()->y() + text->cursorRect(end).bottom() + 1;
}

QStringList Lines(const QString& text) {
    return text.split('\n');
}

} // namespace

namespace QTest {
template <> char* toString(const Views& views) {
    return qstrdup(
        QString("how to play %1, rules %2")
            .arg(views.HowToPlay ? "visible" : "hidden", views.Rules ? "visible" : "hidden")
            .toUtf8());
}
} // namespace QTest

class HelpWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void layout() {
        TestMainWindow main;
        HelpWindow dialog(&main);
        QCOMPARE(dialog.windowTitle(), QString("Help"));
        const Qt::WindowFlags flags = dialog.windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(dialog.size(), QSize(433, 455));
        QVERIFY2(WindowProblems(&dialog).isEmpty(), qPrintable(WindowProblems(&dialog)));

        QCOMPARE(dialog.HowToPlayBox->geometry(), QRect(8, 8, 417, 385));
        QVERIFY(IsSansSerif(dialog.HowToPlayBox->font(), 13, false));
        QVERIFY2(TextBoxProblems(dialog.HowToPlayBox, true).isEmpty(),
                 qPrintable(TextBoxProblems(dialog.HowToPlayBox, true)));
        QCOMPARE(dialog.HowToPlayBox->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(dialog.RulesView->geometry(), QRect(8, 8, 417, 385));
        QVERIFY(dialog.RulesView->frameShape() != QFrame::NoFrame);
        QCOMPARE(dialog.RulesView->focusPolicy(), Qt::NoFocus);
        QCOMPARE(dialog.RulesView->widget(), dialog.RulesContent);
        QCOMPARE(dialog.RulesContent->height(), 1345);
        QCOMPARE(dialog.OkButton->geometry(), QRect(160, 416, 75, 25));
        QCOMPARE(dialog.findChildren<QPushButton*>().size(), 1);
        QCOMPARE(dialog.OkButton->text(), QString("Ok"));

        const std::pair<QPlainTextEdit*, QRect> texts[] = {
            {dialog.IntroductionBox, {0, 4, 393, 213}},
            {dialog.RowsAndColumnsBox, {0, 340, 393, 93}},
            {dialog.ConsequencesBox, {0, 708, 393, 214}},
            {dialog.WorkingBox, {0, 1010, 393, 335}}};
        for (const auto& [text, geometry] : texts) {
            QCOMPARE(text->parentWidget(), dialog.RulesContent);
            QCOMPARE(text->geometry(), geometry);
            QVERIFY(IsSansSerif(text->font(), 13, false));
            QVERIFY2(TextBoxProblems(text).isEmpty(), qPrintable(TextBoxProblems(text)));
        }
        const std::pair<PictureBox*, QRect> pictures[] = {
            {dialog.BlockPicture, {136, 208, 129, 129}},
            {dialog.ColumnPicture, {48, 428, 41, 269}},
            {dialog.RowPicture, {112, 532, 265, 49}},
            {dialog.TwoRowsPicture, {56, 928, 273, 69}}};
        for (const auto& [picture, geometry] : pictures) {
            QCOMPARE(picture->parentWidget(), dialog.RulesContent);
            QCOMPARE(picture->geometry(), geometry);
            QVERIFY(!picture->Picture().isNull());
        }
        // Both views start hidden.
        QVERIFY(dialog.HowToPlayBox->isHidden());
        QVERIFY(dialog.RulesView->isHidden());
    }

    void eachCommandShowsItsViewAlone() {
        TestMainWindow main;
        HelpWindow dialog(&main);
        const Views howToPlay{true, false};
        const Views rules{false, true};
        const Views none{false, false};

        QCOMPARE(Open(dialog, ShowHowToPlay), howToPlay);
        QCOMPARE(VisibleViews(dialog), none);
        QVERIFY(dialog.HowToPlayBox->isHidden() && dialog.RulesView->isHidden());
        QCOMPARE(Open(dialog, ShowRules), rules);
        QVERIFY(dialog.HowToPlayBox->isHidden() && dialog.RulesView->isHidden());
        QCOMPARE(Open(dialog, ShowRules), rules);
        QCOMPARE(Open(dialog, ShowHowToPlay), howToPlay);
        QCOMPARE(Open(dialog, ShowHowToPlay), howToPlay);

        // Whatever was left visible before, each command shows its own view only.
        dialog.RulesView->show();
        QCOMPARE(Open(dialog, ShowHowToPlay), howToPlay);
        dialog.HowToPlayBox->show();
        QCOMPARE(Open(dialog, ShowRules), rules);
        dialog.HowToPlayBox->show();
        dialog.RulesView->show();
        QCOMPARE(Open(dialog, ShowHowToPlay), howToPlay);
        QVERIFY(dialog.HowToPlayBox->isHidden() && dialog.RulesView->isHidden());
    }

    void scrollPositionsAreKept() {
        TestMainWindow main;
        HelpWindow dialog(&main);
        QScrollBar* rules = dialog.RulesView->verticalScrollBar();
        QScrollBar* howToPlay = dialog.HowToPlayBox->verticalScrollBar();
        int first = -1, contentTop = 0, again = -1, kept = -1;

        Open(dialog, ShowRules, [&] {
            first = rules->value();
            contentTop = dialog.RulesContent->y();
            QVERIFY(rules->maximum() >= 1345 - 385);
            rules->setValue(500);
        });
        QCOMPARE(first, 8);
        QCOMPARE(contentTop, -8);

        Open(dialog, ShowHowToPlay, [&] {
            QVERIFY(howToPlay->maximum() > 3);
            howToPlay->setValue(3);
            kept = howToPlay->value(); // in lines; it may snap to a whole line of a paragraph
        });
        Open(dialog, ShowRules, [&] { again = rules->value(); });
        QCOMPARE(again, 500);
        Open(dialog, ShowHowToPlay, [&] { again = howToPlay->value(); });
        QVERIFY(kept > 0);
        QCOMPARE(again, kept);

        // The first-showing offset is not applied again after the user scrolled to the top.
        Open(dialog, ShowRules, [&] { rules->setValue(0); });
        Open(dialog, ShowRules, [&] { again = rules->value(); });
        QCOMPARE(again, 0);
    }

    void rulesTextsFitBetweenThePictures() {
        TestMainWindow main;
        HelpWindow dialog(&main);
        QList<int> scrollRanges;
        QList<int> bottoms;
        Open(dialog, ShowRules, [&] {
            for (QPlainTextEdit* text : {dialog.IntroductionBox, dialog.RowsAndColumnsBox,
                                         dialog.ConsequencesBox, dialog.WorkingBox}) {
                scrollRanges << text->verticalScrollBar()->maximum();
                bottoms << TextBottom(text);
            }
        });
        // Each text is shown whole (no hidden scrolling)...
        QCOMPARE(scrollRanges, QList<int>({0, 0, 0, 0}));
        // ...and ends above the picture that follows it.
        QVERIFY2(bottoms[0] <= dialog.BlockPicture->y(), qPrintable(QString::number(bottoms[0])));
        QVERIFY2(bottoms[1] <= dialog.ColumnPicture->y(), qPrintable(QString::number(bottoms[1])));
        QVERIFY2(bottoms[2] <= dialog.TwoRowsPicture->y(), qPrintable(QString::number(bottoms[2])));
        QVERIFY2(bottoms[3] <= 1345, qPrintable(QString::number(bottoms[3])));
    }

    void howToPlayHasEveryHeadingOnItsOwnLine() {
        const QStringList lines = Lines(HowToPlayText());
        const QStringList headings = {"How to play:",
                                      "Starting a new game:",
                                      "Solving the puzzle:",
                                      "Inserting values",
                                      "Guessing",
                                      "Submitting",
                                      "Playing options:",
                                      "Clear all",
                                      "Solve",
                                      "Pause",
                                      "Level",
                                      "Other options:",
                                      "Sound",
                                      "Print",
                                      "Best times"};
        int previous = -1;
        for (const QString& heading : headings) {
            const int at = lines.indexOf(heading);
            QVERIFY2(at > previous, qPrintable(heading));
            // A heading is followed by its text.
            QVERIFY2(at + 1 < lines.size() && !lines[at + 1].isEmpty(), qPrintable(heading));
            previous = at;
        }
        QCOMPARE(lines.first(), QString("How to play:"));
    }

    void rulesHaveEveryHeadingInItsPart() {
        const std::pair<QString, QStringList> parts[] = {
            {RulesIntroductionText(), {"Rules of Tolvane:", "Blocks"}},
            {RowsAndColumnsText(), {"Rows & Columns"}},
            {ConsequencesText(), {"Consequences"}},
            {WorkingText(), {"The working of Tolvane"}}};
        for (const auto& [text, headings] : parts) {
            const QStringList lines = Lines(text);
            int previous = -1;
            for (const QString& heading : headings) {
                const int at = lines.indexOf(heading);
                QVERIFY2(at > previous, qPrintable(heading));
                previous = at;
            }
        }
        QVERIFY(WorkingText().contains("1 in 6670903752021072936960"));
        QVERIFY(ConsequencesText().contains("2 and 7"));
    }

    void theWindowShowsTheTexts() {
        TestMainWindow main;
        HelpWindow dialog(&main);
        QCOMPARE(dialog.HowToPlayBox->toPlainText(), HowToPlayText());
        QCOMPARE(dialog.IntroductionBox->toPlainText(), RulesIntroductionText());
        QCOMPARE(dialog.RowsAndColumnsBox->toPlainText(), RowsAndColumnsText());
        QCOMPARE(dialog.ConsequencesBox->toPlainText(), ConsequencesText());
        QCOMPARE(dialog.WorkingBox->toPlainText(), WorkingText());
        QVERIFY(!dialog.HowToPlayBox->toPlainText().isEmpty());
    }

    void escapeDoesNothingAndTheCloseBoxCloses() {
        TestMainWindow main;
        HelpWindow dialog(&main);
        bool visibleAfterEscape = false;
        QWidget* focus = nullptr;
        QPoint position;
        WhenModal([&](QWidget*) {
            // A window manager activates a new window; the offscreen test platform is asked.
            dialog.activateWindow();
            if (!QTest::qWaitFor([&] { return dialog.isActiveWindow(); }))
                qWarning("The help window did not become active");
            focus = QApplication::focusWidget();
            position = dialog.pos();
            QTest::keyClick(focus, Qt::Key_Escape);
            visibleAfterEscape = dialog.isVisible();
            dialog.close();
        });
        ShowRules(dialog);
        QCOMPARE(focus, dialog.OkButton);
        QVERIFY(visibleAfterEscape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(position, CentredOver(main.frameGeometry(), dialog.frameGeometry().size()));
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
