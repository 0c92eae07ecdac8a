// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: its two views, of which "How to play" and "Rules" show exactly one, the
// scroll positions they keep between showings, and the texts with their headings.

#include "control/HelpCommands.h"
#include "platform/Fonts.h"
#include "tests/support/ModalHelper.h"
#include "tests/view/WindowChecks.h"
#include "view/HelpTexts.h"
#include "view/Pictures.h"
#include "view/TForm6.h"

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

Views VisibleViews(const TForm6& form) {
    return {form.Memo1->isVisible(), form.ScrollBox1->isVisible()};
}

// Runs one of the menu commands; `whileOpen` runs on the open window, which is then closed.
Views Open(TForm6& form, void (*command)(TForm6&), const std::function<void()>& whileOpen = {}) {
    Views seen;
    WhenModal([&](QWidget*) {
        seen = VisibleViews(form);
        if (whileOpen)
            whileOpen();
        form.Button1->click();
    });
    command(form);
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
        TForm6 form(&main);
        QCOMPARE(form.windowTitle(), QString("Help"));
        const Qt::WindowFlags flags = form.windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(form.size(), QSize(433, 455));
        QVERIFY2(FormProblems(&form).isEmpty(), qPrintable(FormProblems(&form)));

        QCOMPARE(form.Memo1->geometry(), QRect(8, 8, 417, 385));
        QVERIFY(IsSansSerif(form.Memo1->font(), 13, false));
        QVERIFY2(TextBoxProblems(form.Memo1, true).isEmpty(),
                 qPrintable(TextBoxProblems(form.Memo1, true)));
        QCOMPARE(form.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(form.ScrollBox1->geometry(), QRect(8, 8, 417, 385));
        QVERIFY(form.ScrollBox1->frameShape() != QFrame::NoFrame);
        QCOMPARE(form.ScrollBox1->focusPolicy(), Qt::NoFocus);
        QCOMPARE(form.ScrollBox1->widget(), form.RulesContent);
        QCOMPARE(form.RulesContent->height(), 1345);
        QCOMPARE(form.Button1->geometry(), QRect(160, 416, 75, 25));
        QCOMPARE(form.findChildren<QPushButton*>().size(), 1);
        QCOMPARE(form.Button1->text(), QString("Ok"));

        const std::pair<QPlainTextEdit*, QRect> texts[] = {{form.Memo2, {0, 4, 393, 213}},
                                                           {form.Memo3, {0, 340, 393, 93}},
                                                           {form.Memo4, {0, 708, 393, 214}},
                                                           {form.Memo5, {0, 1010, 393, 335}}};
        for (const auto& [text, geometry] : texts) {
            QCOMPARE(text->parentWidget(), form.RulesContent);
            QCOMPARE(text->geometry(), geometry);
            QVERIFY(IsSansSerif(text->font(), 13, false));
            QVERIFY2(TextBoxProblems(text).isEmpty(), qPrintable(TextBoxProblems(text)));
        }
        const std::pair<PictureBox*, QRect> pictures[] = {{form.Image1, {136, 208, 129, 129}},
                                                          {form.Image2, {48, 428, 41, 269}},
                                                          {form.Image3, {112, 532, 265, 49}},
                                                          {form.Image4, {56, 928, 273, 69}}};
        for (const auto& [picture, geometry] : pictures) {
            QCOMPARE(picture->parentWidget(), form.RulesContent);
            QCOMPARE(picture->geometry(), geometry);
            QVERIFY(!picture->Picture().isNull());
        }
        // Both views start hidden.
        QVERIFY(form.Memo1->isHidden());
        QVERIFY(form.ScrollBox1->isHidden());
    }

    void eachCommandShowsItsViewAlone() {
        TestMainWindow main;
        TForm6 form(&main);
        const Views howToPlay{true, false};
        const Views rules{false, true};
        const Views none{false, false};

        QCOMPARE(Open(form, ShowHowToPlay), howToPlay);
        QCOMPARE(VisibleViews(form), none);
        QVERIFY(form.Memo1->isHidden() && form.ScrollBox1->isHidden());
        QCOMPARE(Open(form, ShowRules), rules);
        QVERIFY(form.Memo1->isHidden() && form.ScrollBox1->isHidden());
        QCOMPARE(Open(form, ShowRules), rules);
        QCOMPARE(Open(form, ShowHowToPlay), howToPlay);
        QCOMPARE(Open(form, ShowHowToPlay), howToPlay);

        // Whatever was left visible before, each command shows its own view only.
        form.ScrollBox1->show();
        QCOMPARE(Open(form, ShowHowToPlay), howToPlay);
        form.Memo1->show();
        QCOMPARE(Open(form, ShowRules), rules);
        form.Memo1->show();
        form.ScrollBox1->show();
        QCOMPARE(Open(form, ShowHowToPlay), howToPlay);
        QVERIFY(form.Memo1->isHidden() && form.ScrollBox1->isHidden());
    }

    void scrollPositionsAreKept() {
        TestMainWindow main;
        TForm6 form(&main);
        QScrollBar* rules = form.ScrollBox1->verticalScrollBar();
        QScrollBar* howToPlay = form.Memo1->verticalScrollBar();
        int first = -1, contentTop = 0, again = -1, kept = -1;

        Open(form, ShowRules, [&] {
            first = rules->value();
            contentTop = form.RulesContent->y();
            QVERIFY(rules->maximum() >= 1345 - 385);
            rules->setValue(500);
        });
        QCOMPARE(first, 8);
        QCOMPARE(contentTop, -8);

        Open(form, ShowHowToPlay, [&] {
            QVERIFY(howToPlay->maximum() > 3);
            howToPlay->setValue(3);
            kept = howToPlay->value(); // in lines; it may snap to a whole line of a paragraph
        });
        Open(form, ShowRules, [&] { again = rules->value(); });
        QCOMPARE(again, 500);
        Open(form, ShowHowToPlay, [&] { again = howToPlay->value(); });
        QVERIFY(kept > 0);
        QCOMPARE(again, kept);

        // The first-showing offset is not applied again after the user scrolled to the top.
        Open(form, ShowRules, [&] { rules->setValue(0); });
        Open(form, ShowRules, [&] { again = rules->value(); });
        QCOMPARE(again, 0);
    }

    void rulesTextsFitBetweenThePictures() {
        TestMainWindow main;
        TForm6 form(&main);
        QList<int> scrollRanges;
        QList<int> bottoms;
        Open(form, ShowRules, [&] {
            for (QPlainTextEdit* text : {form.Memo2, form.Memo3, form.Memo4, form.Memo5}) {
                scrollRanges << text->verticalScrollBar()->maximum();
                bottoms << TextBottom(text);
            }
        });
        // Each text is shown whole (no hidden scrolling)...
        QCOMPARE(scrollRanges, QList<int>({0, 0, 0, 0}));
        // ...and ends above the picture that follows it.
        QVERIFY2(bottoms[0] <= form.Image1->y(), qPrintable(QString::number(bottoms[0])));
        QVERIFY2(bottoms[1] <= form.Image2->y(), qPrintable(QString::number(bottoms[1])));
        QVERIFY2(bottoms[2] <= form.Image4->y(), qPrintable(QString::number(bottoms[2])));
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
        TForm6 form(&main);
        QCOMPARE(form.Memo1->toPlainText(), HowToPlayText());
        QCOMPARE(form.Memo2->toPlainText(), RulesIntroductionText());
        QCOMPARE(form.Memo3->toPlainText(), RowsAndColumnsText());
        QCOMPARE(form.Memo4->toPlainText(), ConsequencesText());
        QCOMPARE(form.Memo5->toPlainText(), WorkingText());
        QVERIFY(!form.Memo1->toPlainText().isEmpty());
    }

    void escapeDoesNothingAndTheCloseBoxCloses() {
        TestMainWindow main;
        TForm6 form(&main);
        bool visibleAfterEscape = false;
        QWidget* focus = nullptr;
        QPoint position;
        WhenModal([&](QWidget*) {
            // A window manager activates a new window; the offscreen test platform is asked.
            form.activateWindow();
            if (!QTest::qWaitFor([&] { return form.isActiveWindow(); }))
                qWarning("The help window did not become active");
            focus = QApplication::focusWidget();
            position = form.pos();
            QTest::keyClick(focus, Qt::Key_Escape);
            visibleAfterEscape = form.isVisible();
            form.close();
        });
        ShowRules(form);
        QCOMPARE(focus, form.Button1);
        QVERIFY(visibleAfterEscape);
        QVERIFY(!form.isVisible());
        QCOMPARE(position, CentredOver(main.frameGeometry(), form.frameGeometry().size()));
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
