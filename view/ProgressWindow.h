// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress window "Generating": shown while a puzzle is generated, with the generator's
// progress lines. It has no caption buttons and cannot be closed by the user; New shows and hides
// it. Generation holds the event loop, so every appended line is painted at once.

#include "engine/TextLines.h"
#include "view/SecondaryWindow.h"

#include <QElapsedTimer>
#include <QStringList>

class QPlainTextEdit;

class ProgressWindow : public SecondaryWindow {
    Q_OBJECT
  public:
    // Outer size 364 x 192: a small tool caption of 16 pixels and borders of 3 pixels leave a
    // client area of 358 x 170.
    static constexpr QSize ClientSize{358, 170};

    explicit ProgressWindow(QWidget* mainWindow);

    void Show();
    void Hide();

    // Appends one line at the end of the text and brings the end into view. When the line ends
    // an attempt, the window is painted at once, unless it was painted less than PaintInterval ms
    // ago: painting after every line would triple the time a puzzle takes, while a paint every
    // 40 ms already shows every attempt's blink to the eye.
    void AppendLine(const QString& line);
    static constexpr int PaintInterval = 40;
    // Every attempt of the generator writes this many lines.
    static constexpr int LinesPerAttempt = 5;
    // The box shows one attempt's lines; the attempt before it is kept as well.
    static constexpr int KeptLines = 2 * LinesPerAttempt;

    QPlainTextEdit* Text;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void PaintNow();
    void TakeInWaitingLines();
    // Lines not yet in the box, while a screen reader listens.
    QStringList WaitingLines;
    QElapsedTimer LastPaint;
    long long LinesAppended = 0;
};

// The progress text the generator writes to (`ProgressText`), shown in the progress window.
class ProgressLines : public TextLines {
  public:
    explicit ProgressLines(ProgressWindow& window) : Window(window) {}
    void Append(std::string_view line) override;

  private:
    ProgressWindow& Window;
};
