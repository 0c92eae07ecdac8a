// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading contrasts from rendered or on-screen pixels, for the tests of the desktop's themes.

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QString>

class QWidget;

// A desktop's palette: windows and buttons on `face`, text in `text`, text boxes on `base`.
QPalette Themed(QColor face, QColor text, QColor base);

// Palettes as desktops give them: a dark theme (GNOME's Adwaita dark), and the two kinds of high
// contrast (light text on black, dark text on white).
QPalette DarkPalette();
QPalette HighContrastDark();
QPalette HighContrastLight();

// The colour in `area` of the image that stands out most from `background`.
QColor Strongest(const QImage& image, QRect area, QColor background);

// The colour most pixels of `area` have.
QColor Commonest(const QImage& image, QRect area);

// Whether two kinds of digit can be told apart: by hue, or at least as far apart in lightness
// as the light face's pair (`designedContrast`).
bool Distinct(QColor a, QColor b, double designedContrast);

// The contrast of the text in `area` to the background most of the area has, when it is below
// 4.5 : 1; empty when it reads.
QString TextProblem(const QImage& image, QRect area, const QString& text);

// The cells of the three kinds of digit on the board of a game in play.
struct Digits {
    int GivenCell = 0;
    int EntryCell = 0;
    int GuessCell = 0;
};

// A new game, in the main window, with an entry and a guess placed as a player does.
Digits PlayWithEveryKindOfDigit();

// Inside the cell's frame, where its digit is drawn.
QRect CellInside(int index);

// What is wrong with the digits and lines of the board's image (the client area) on its face;
// empty when nothing is.
QString BoardProblems(const QImage& board, const Digits& digits);

// The texts of a window and their contrast to their own background, where it is below 4.5 : 1:
// labels, text boxes and buttons, read from the window's pixels. Empty when all read.
QString UnreadableTexts(QWidget& window);
