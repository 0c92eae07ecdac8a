// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's colours, all derived here from the desktop's palette. Windows and the board are
// painted on the button face. The board's colours were chosen for a light face; on a dark one
// (a dark or high-contrast desktop theme) each is lightened, keeping its hue, until it reads on
// the face, so the board keeps its design in the player's theme.

#include <QColor>
#include <QPalette>

class QAbstractButton;
class QWidget;

QColor ButtonFace();

// Relative luminance (0 black to 1 white) and the contrast ratio of two colours (1 to 21), as
// the accessibility guidelines define them.
double Luminance(const QColor& colour);
double Contrast(const QColor& a, const QColor& b);

// The contrast digits and lines need against the board's face.
inline constexpr double TextContrast = 4.5;
inline constexpr double LineContrast = 3.0;

// A palette whose button face is lighter than its text.
bool IsLight(const QPalette& palette);

struct BoardColours {
    QColor Face;
    QColor Given;
    QColor Entry;
    QColor Guess;
    QColor CellFrame;
    QColor BlockFrame;
};

// The board's colours on the palette's button face: as designed on a light face, made readable
// on a dark one.
BoardColours BoardColoursOn(const QPalette& palette);

// The palette a printout is made with, whatever the desktop's: the designed board on white paper.
QPalette PrintedPalette();

// Paints the widget's `role` (its background, or a text box's Base) in the button face, now and
// again whenever the desktop's palette changes while the game runs.
void KeepOnButtonFace(QWidget& widget, QPalette::ColorRole role = QPalette::Window);

// A toggle button whose pressed state shows on any face. On a dark one the style's sunken face
// can hardly be told from a raised one, so there a pressed button turns its colours round: the
// theme's text colour for its face, the face for its text.
void ShowPressedOnDarkFace(QAbstractButton& button);
