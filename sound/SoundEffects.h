// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The nine sound effects and the Sound switch of the Game menu.

#include <QString>

class QAction;
class MediaPlayer;

// Opens the effect's file (closing whatever was open) and starts it; returns at once. A file
// that cannot be opened throws GameError with the reader's text. The caller tests SoundOn first.
void PlayEffect(MediaPlayer& MediaPlayer1, const QString& fileName);

// The start-up check: opens each of the nine files in turn, playing none. At the first that
// fails, sound goes off and the switch is disabled for the run, after telling the player; the
// files after it are not tried. When all open, the last stays open and nothing else changes.
void ProbeSoundFiles(MediaPlayer& MediaPlayer1, QAction& Sound1);

// The handler of the menu item Sound: flips its check mark and SoundOn together. Bind it so that
// Qt does not flip a checkable action's mark itself before calling it.
void Sound1Click(QAction& Sound1);
