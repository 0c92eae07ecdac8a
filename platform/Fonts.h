// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's two type faces, by the names its windows were designed with. Installed faces stand in
// for them, each the first of a list that is found on the machine: for "MS Sans Serif" faces with
// Arial's widths (Liberation Sans, Arimo, FreeSans), so that every text fits the box it was
// designed for, and DejaVu Sans, wider, as the last resort; for "Arial Rounded MT bold" the
// rounded Quicksand or Comfortaa, then the sans faces.

#include <QFont>

inline const char* const SansSerifFace = "MS Sans Serif";
inline const char* const RoundedFace = "Arial Rounded MT bold";

// Registers the stand-in faces; called once when the application starts (and by tests).
void InstallFontSubstitutes();

// "MS Sans Serif" at a character height in pixels.
QFont SansSerif(int pixelHeight, bool bold = false);

// "Arial Rounded MT bold" at a character height in pixels. The face is bold by its very name, so
// its stand-in is taken at bold weight: Quicksand's regular weight is too thin for the board.
QFont RoundedBold(int pixelHeight);
