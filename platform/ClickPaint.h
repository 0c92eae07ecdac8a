// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A button paints itself at once when it is pressed and again when it is released, two paints of
// the same place a moment apart. Under mutter (X11) the screen now and then never shows the
// second, although the game's window holds it: "Just guessing" stayed ticked on the screen for
// seconds after the player had unticked it, until the pointer left the box. A lone paint of the
// button a little later is taken in.

class QAbstractButton;

// Paints the button once more a moment after each press and release.
void RepaintAfterClick(QAbstractButton& button);
