// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's client area that takes the size of the controls it shows: the main window grows
// and shrinks with its tool panel, and the player cannot resize it.

class QWidget;

// Sizes the area to the right and bottom edges of its visible child controls.
void AutoSize(QWidget& clientArea);
