// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's saves of the score file over the whole run. Another game of the player's may hold
// the file's lock for longer than a save takes; the window must not stand still meanwhile, and
// the player's change must not be lost. So such a change is kept here, the player is told once,
// and a timer makes it as soon as the lock is free; the window closes only after that.

#include "records/ScoreFile.h"

#include <QTimer>

#include <deque>

class QWidget;

class ScoreSaves {
  public:
    ScoreSaves(ScoreFileStore& lines, QWidget& window);

    // Makes the change on the file as it is now, after the changes kept before it. While another
    // game holds the lock the change is kept for later; any other failure is thrown, and the
    // change that failed is dropped.
    void Save(ScoreChange change);
    // Makes the kept changes in lines loaded for showing, so that the player sees what they did.
    void ShowKept(ScoreFileStore& lines) const;
    bool Waiting() const { return !Kept.empty(); }

    // Whether the window may close now: yes when nothing is kept. Otherwise the first request
    // waits, telling the player, and the window closes by itself once everything is saved; a
    // further request asks whether to close without it.
    bool MayClose();
    // The close writes the sound setting once, however often the window is asked to close.
    bool Closing() const { return CloseRequested; }
    void StartClosing() { CloseRequested = true; }

    // The Sound item's state after the start-up read, and whether that read succeeded. After a
    // failed read the file's sound line is unknown: the close writes it only when the player has
    // changed the setting since.
    void NoteSoundAtStart(bool checked, bool read);
    bool SoundToWrite(bool checkedNow) const { return SoundRead || checkedNow != SoundAtStart; }

  private:
    void SaveKept(LockWait wait);
    void KeepForLater();
    void NothingKept();
    void Retry();

    ScoreFileStore& Lines;
    QWidget& Window;
    std::deque<ScoreChange> Kept;
    QTimer RetryTimer;
    bool Told = false;
    bool Saving = false;
    bool CloseRequested = false;
    bool CloseWaiting = false;
    bool SoundRead = false;
    bool SoundAtStart = true;
};
