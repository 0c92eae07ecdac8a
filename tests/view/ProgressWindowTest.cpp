// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window: no way to close it, and the generator's lines, appended while the event
// loop is held, painted as each attempt ends with the newest at the bottom of the text box.

#include "engine/TextLines.h"
#include "platform/Fonts.h"
#include "tests/view/WindowChecks.h"
#include "view/TForm2.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QThread>

namespace {

// Counts the paints a widget receives.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int Paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++Paints;
        return false;
    }
};

// Where the end of the text lies in the text box's viewport.
QRect EndOfText(const QPlainTextEdit* text) {
    QTextCursor end(text->document());
    end.movePosition(QTextCursor::End);
    return text->cursorRect(end);
}

} // namespace

class ProgressWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void layoutAndNoWayToClose() {
        TestMainWindow main;
        TForm2 form(&main);
        QCOMPARE(form.windowTitle(), QString("Generating"));
        const Qt::WindowFlags flags = form.windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(flags & Qt::CustomizeWindowHint);
        QVERIFY(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint)));
        QCOMPARE(form.size(), QSize(358, 170));
        QVERIFY2(FormProblems(&form).isEmpty(), qPrintable(FormProblems(&form)));
        QCOMPARE(form.Memo1->geometry(), QRect(80, 24, 201, 105));
        QVERIFY(IsSansSerif(form.Memo1->font(), 13, true));
        QVERIFY2(TextBoxProblems(form.Memo1).isEmpty(), qPrintable(TextBoxProblems(form.Memo1)));
        QCOMPARE(form.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(form.Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(form.Memo1->toPlainText().isEmpty());
        QVERIFY(form.findChildren<QPushButton*>().isEmpty());

        form.Show();
        QVERIFY(form.isVisible());
        QVERIFY(!form.isModal());
        QCOMPARE(form.pos(), CentredOver(main.frameGeometry(), form.frameGeometry().size()));
        // Neither the close request of the window manager nor Escape closes it...
        QVERIFY(!form.close());
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(form.isVisible());
        // ...only the game does.
        form.Hide();
        QVERIFY(!form.isVisible());
    }

    void newestLinesShowAtTheBottomAtOnce() {
        TestMainWindow main;
        TForm2 form(&main);
        ProgressLines progress(form);
        TextLines& lines = progress;
        // As New does: the main window is disabled while the puzzle is generated.
        main.setEnabled(false);
        form.Show();
        QVERIFY(form.isEnabled());
        QVERIFY(form.Memo1->isEnabled()); // drawn in the normal text colour, not greyed out
        PaintCounter paints(form.Memo1->viewport());

        // No event is handled from here on, as while the generator runs.
        for (int attempt = 1; attempt <= 8; ++attempt) {
            // An attempt takes its time; the window paints at most every PaintInterval ms.
            QThread::msleep(TForm2::PaintInterval + 5);
            // Every attempt writes five lines; a frame that ends inside one would show the
            // player a lone "PLEASE" or "WAIT" at the bottom.
            const int before = paints.Paints;
            lines.Append(attempt % 2 ? "PLEASE" : "WAIT");
            lines.Append("Tests");
            lines.Append("Blocks");
            lines.Append("Refills");
            QCOMPARE(paints.Paints, before);
            lines.Append("Attempt " + std::to_string(attempt));
            QVERIFY2(paints.Paints > before, "a finished attempt was not painted at once");

            QPlainTextEdit* text = form.Memo1;
            const int last = text->document()->blockCount() - 1;
            QCOMPARE(text->document()->findBlockByNumber(last).text(),
                     QString::fromStdString("Attempt " + std::to_string(attempt)));
            // The last line lies inside the text box, in its bottom line.
            const QRect end = EndOfText(text);
            const int bottom = text->viewport()->height();
            QVERIFY2(end.top() >= 0 && end.bottom() < bottom,
                     qPrintable(QString("last line at %1..%2 of %3")
                                    .arg(end.top())
                                    .arg(end.bottom())
                                    .arg(bottom)));
            // Once the lines fill the box, the newest one sits in its bottom line: the pixels
            // below it (bottom is one past the last) leave no room for another.
            const bool full = (last + 1) * end.height() > bottom;
            if (full)
                QVERIFY2(bottom - 1 - end.bottom() <= end.height(),
                         qPrintable(QString("attempt %1: last line at %2..%3 of %4")
                                        .arg(attempt)
                                        .arg(end.top())
                                        .arg(end.bottom())
                                        .arg(bottom)));
        }
        // Forty lines do not fit: the first ones have scrolled out of view.
        QVERIFY(form.Memo1->verticalScrollBar()->value() > 0);
        main.setEnabled(true);
        QVERIFY(form.isEnabled());
        QVERIFY(form.Memo1->cursorRect(QTextCursor(form.Memo1->document())).bottom() < 0);
        form.Hide();
    }

    void theEndComesIntoViewWhereverTheTextWas() {
        TestMainWindow main;
        TForm2 form(&main);
        ProgressLines progress(form);
        for (int i = 1; i <= 20; ++i)
            progress.Append("Hidden " + std::to_string(i));
        form.Show();
        // Scrolled back to the top (a mouse wheel can do it while the window is up).
        form.Memo1->verticalScrollBar()->setValue(0);
        progress.Append("Shown");
        const QRect end = EndOfText(form.Memo1);
        const int bottom = form.Memo1->viewport()->height();
        QVERIFY(end.top() >= 0 && end.bottom() < bottom);
        QVERIFY(bottom - 1 - end.bottom() <= end.height());
        form.Hide();
    }

    void textIsKeptBetweenGenerations() {
        TestMainWindow main;
        TForm2 form(&main);
        ProgressLines progress(form);
        form.Show();
        progress.Append("PLEASE");
        form.Hide();
        form.Show();
        progress.Append("WAIT");
        QCOMPARE(form.Memo1->toPlainText(), QString("PLEASE\nWAIT"));
        form.Hide();
    }
};

QTEST_MAIN(ProgressWindowTest)
#include "ProgressWindowTest.moc"
