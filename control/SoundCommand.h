// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Sound item of the Game menu, and the one check that every effect of the game goes through.

class QAction;
struct GameWindow;

// Plays the effect when sound is on (SoundOn, not the item's check mark).
void PlayIfSoundOn(const GameWindow& window, const char* fileName);

// The Sound command: flips the item's check mark and SoundOn together. Bind it so that Qt does
// not flip a checkable item's mark itself before calling it.
void ToggleSound(QAction& soundItem);
