// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's colours, all derived here from the desktop's palette. Windows and the board are
// painted on the button face. The board's colours were designed for a light face; on a face where
// one of them does not read (a grey, dark or high-contrast desktop theme) the board gets colours
// of its own for that face, keeping the designed hues, so that it keeps its design in the
// player's theme.

#include <QColor>
#include <QPalette>

class QAbstractButton;
class QWidget;

QColor ButtonFace();

// Relative luminance (0 black to 1 white) and the contrast ratio of two colours (1 to 21), as
// the accessibility guidelines define them.
double Luminance(const QColor& colour);
double Contrast(const QColor& a, const QColor& b);

// The contrast text needs against its background; large text (the board's digits are 27-pixel
// bold) and lines need less.
inline constexpr double TextContrast = 4.5;
inline constexpr double LargeTextContrast = 3.0;
inline constexpr double LineContrast = 3.0;

// A colour as CIE L*a*b* (D65), and the CIEDE2000 difference of two colours: about 1 is the
// least difference one can see, 15 one that shows at a glance.
struct Lab {
    double L = 0;
    double A = 0;
    double B = 0;
};
Lab ToLab(const QColor& colour);
double Ciede2000(const Lab& first, const Lab& second);

// The colour as a player without green cones (deuteranopia) sees it.
QColor AsDeuteranopeSees(const QColor& colour);

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

// The board's colours on the palette's button face, chosen from the face alone. The designed
// colours where each reads on it; otherwise, on a face lighter than the middle grey, the givens
// and block lines black and the other colours darkened (lightened on a darker face, the givens
// and block lines white) as far as they need: every kind of digit at least 3 : 1 and 4.5 : 1
// where the face allows it, lines at least 3 : 1, the three kinds of digit lightness apart and a
// CIEDE2000 difference of at least 15, and of 10 to a deuteranope where the face leaves room.
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
