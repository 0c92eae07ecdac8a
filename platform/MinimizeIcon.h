// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The minimize icon of a window's title bar, taken away while the game must not be hidden (a
// new puzzle waiting for the player's OK) and given back afterwards.

class QWidget;

// Removes or restores the minimize icon of the window's title bar.
void SetMinimizeIcon(QWidget& window, bool shown);
