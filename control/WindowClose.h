// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's close: the sound setting written back once, however often the window is
// asked to close, and a change still waiting for another game's save keeping the window open
// until it is saved, unless the player chooses to close without it.

#include "engine/Game.h"

class QWidget;
class ScoreFileStore;
class ScoreSaves;

class WindowClose {
  public:
    WindowClose(ScoreFileStore& scoreLines, ScoreSaves& saves, QWidget& window);

    // The Sound item's state after the start-up read, and whether that read succeeded. After a
    // failed read the file's sound line is unknown: the close writes it only when the player has
    // changed the setting since.
    void NoteSoundAtStart(bool checked, bool read);
    // Writes the sound setting back, the first time the window is asked to close.
    void SaveSoundSetting(const Game& game);
    // Whether the window may close now. The first refusal tells the player and closes the window
    // once everything is saved; a later one asks whether to close without it, keeping on waiting
    // unless the player says yes.
    bool MayClose();

  private:
    // Where the close stands: not asked yet; asked, the sound setting saved; waiting for saves,
    // the player told.
    enum class Stage { Open, Asked, Waiting };

    ScoreFileStore& ScoreLines;
    ScoreSaves& Saves;
    QWidget& Window;
    Stage Now = Stage::Open;
    bool SoundRead = false;
    bool SoundAtStart = true;
};
