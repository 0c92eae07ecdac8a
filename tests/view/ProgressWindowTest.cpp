// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window: no way to close it, and the generator's lines, appended while the event
// loop is held, painted as each attempt ends with the newest at the bottom of the text box.

#include "view/ProgressWindow.h"
#include "engine/TextLines.h"
#include "platform/Fonts.h"
#include "tests/view/WindowChecks.h"

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
        ProgressWindow dialog(&main);
        QCOMPARE(dialog.windowTitle(), QString("Generating"));
        const Qt::WindowFlags flags = dialog.windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(flags & Qt::CustomizeWindowHint);
        QVERIFY(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint)));
        QCOMPARE(dialog.size(), QSize(358, 170));
        QVERIFY2(WindowProblems(&dialog).isEmpty(), qPrintable(WindowProblems(&dialog)));
        QCOMPARE(dialog.Text->geometry(), QRect(80, 24, 201, 105));
        QVERIFY(IsSansSerif(dialog.Text->font(), 13, true));
        QVERIFY2(TextBoxProblems(dialog.Text).isEmpty(), qPrintable(TextBoxProblems(dialog.Text)));
        QCOMPARE(dialog.Text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(dialog.Text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(dialog.Text->toPlainText().isEmpty());
        QVERIFY(dialog.findChildren<QPushButton*>().isEmpty());

        dialog.Show();
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.isModal());
        QCOMPARE(dialog.pos(), CentredOver(main.frameGeometry(), dialog.frameGeometry().size()));
        // Neither the close request of the window manager nor Escape closes it...
        QVERIFY(!dialog.close());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        // ...only the game does.
        dialog.Hide();
        QVERIFY(!dialog.isVisible());
    }

    void newestLinesShowAtTheBottomAtOnce() {
        TestMainWindow main;
        ProgressWindow dialog(&main);
        ProgressLines progress(dialog);
        TextLines& lines = progress;
        // As New does: the main window is disabled while the puzzle is generated.
        main.setEnabled(false);
        dialog.Show();
        QVERIFY(dialog.isEnabled());
        QVERIFY(dialog.Text->isEnabled()); // drawn in the normal text colour, not greyed out
        PaintCounter paints(dialog.Text->viewport());

        // No event is handled from here on, as while the generator runs.
        for (int attempt = 1; attempt <= 8; ++attempt) {
            // An attempt takes its time; the window paints at most every PaintInterval ms.
            QThread::msleep(ProgressWindow::PaintInterval + 5);
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

            QPlainTextEdit* text = dialog.Text;
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
        QVERIFY(dialog.Text->verticalScrollBar()->value() > 0);
        main.setEnabled(true);
        QVERIFY(dialog.isEnabled());
        QVERIFY(dialog.Text->cursorRect(QTextCursor(dialog.Text->document())).bottom() < 0);
        dialog.Hide();
    }

    void theEndComesIntoViewWhereverTheTextWas() {
        TestMainWindow main;
        ProgressWindow dialog(&main);
        ProgressLines progress(dialog);
        for (int i = 1; i <= 20; ++i)
            progress.Append("Hidden " + std::to_string(i));
        dialog.Show();
        // Scrolled back to the top (a mouse wheel can do it while the window is up).
        dialog.Text->verticalScrollBar()->setValue(0);
        progress.Append("Shown");
        const QRect end = EndOfText(dialog.Text);
        const int bottom = dialog.Text->viewport()->height();
        QVERIFY(end.top() >= 0 && end.bottom() < bottom);
        QVERIFY(bottom - 1 - end.bottom() <= end.height());
        dialog.Hide();
    }

    void textIsKeptBetweenGenerations() {
        TestMainWindow main;
        ProgressWindow dialog(&main);
        ProgressLines progress(dialog);
        dialog.Show();
        progress.Append("PLEASE");
        dialog.Hide();
        dialog.Show();
        progress.Append("WAIT");
        QCOMPARE(dialog.Text->toPlainText(), QString("PLEASE\nWAIT"));
        dialog.Hide();
    }
};

QTEST_MAIN(ProgressWindowTest)
#include "ProgressWindowTest.moc"
