// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ProgressWindow.h"

#include "platform/Fonts.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <string>

ProgressWindow::ProgressWindow(QWidget* mainWindow)
    : SecondaryWindow(mainWindow, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint,
                      //: Caption of the progress window, 358 px wide client area
                      ClientSize, tr("Generating")) {
    Text = AddText({80, 24, 201, 105}, SansSerif(13, true));
    // The box shows the newest attempt; what scrolled out of it above is let go, so a long run
    // of games does not pile up text no one can see. No undo step for a line appended either.
    Text->setMaximumBlockCount(KeptLines);
    Text->setUndoRedoEnabled(false);
}

void ProgressWindow::Show() {
    show();
    raise();
    PaintNow();
}

void ProgressWindow::Hide() {
    TakeInWaitingLines();
    hide();
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    // Only New closes this window, through Hide.
    event->ignore();
}

void ProgressWindow::AppendLine(const QString& line) {
    // Painted only between attempts, so the bottom of every frame is a whole attempt.
    ++LinesAppended;
    const bool attemptComplete = LinesAppended % LinesPerAttempt == 0;
    const bool paintDue =
        attemptComplete && (!LastPaint.isValid() || LastPaint.elapsed() >= PaintInterval);
    // A screen reader is told of every line, every move of the text's caret and scroll bar, and
    // a puzzle's thousands of them kept it busy for half a minute past the notice. While one
    // listens, the lines wait and go into the box together when it is painted, which shows the
    // same frames.
    if (QAccessible::isActive() && !paintDue) {
        WaitingLines << line;
        if (WaitingLines.size() > KeptLines)
            WaitingLines.removeFirst();
        return;
    }
    WaitingLines << line;
    TakeInWaitingLines();
    if (paintDue)
        PaintNow();
}

void ProgressWindow::TakeInWaitingLines() {
    if (WaitingLines.isEmpty())
        return;
    Text->appendPlainText(WaitingLines.join('\n'));
    WaitingLines.clear();
    QScrollBar* bar = Text->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void ProgressWindow::PaintNow() {
    if (!isVisible())
        return;
    // The generator keeps the event loop from delivering this window's first expose, and Qt
    // drops paints until then. The window is mapped by now (or will be in a moment), so let the
    // paint through; the lines of the next attempt will reach the screen either way.
    setAttribute(Qt::WA_Mapped);
    // The generator holds the event loop, so the window is put by its own frame from here.
    PlaceByOwnFrame();
    repaint();
    LastPaint.start();
}

void ProgressLines::Append(std::string_view line) {
    // The generator writes the design's English; the player reads it in their language.
    const std::string english(line);
    Window.AppendLine(QCoreApplication::translate("GeneratorProgress", english.c_str()));
}
