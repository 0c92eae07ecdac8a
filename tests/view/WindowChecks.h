// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the tests of the secondary windows.

#include <QMainWindow>
#include <QString>

class QPlainTextEdit;
class QWidget;

// A shown main window of a known size, for the secondary windows to centre over.
class TestMainWindow : public QMainWindow {
  public:
    TestMainWindow(QRect geometry = {100, 80, 600, 500});
};

// What is wrong with a text box that should be read-only, skipped by Tab and on the button-face
// background; empty when nothing is. `bordered` for the one text box that has a border.
QString TextBoxProblems(const QPlainTextEdit* text, bool bordered = false);

// What is wrong with a window's background and default font; empty when nothing is.
QString WindowProblems(const QWidget* dialog);

// Whether the font is "MS Sans Serif" at this pixel height and weight.
bool IsSansSerif(const QFont& font, int pixelHeight, bool bold);
