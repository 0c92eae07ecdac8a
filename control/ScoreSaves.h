// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's saves of the score file over the whole run. Another game of the player's, or another
// program, may hold the file's lock for longer than a save takes; the window must not stand still
// meanwhile, and the player's change must not be lost. So such a change is kept here and on disk
// beside the score file (records/KeptChanges.h: a game killed meanwhile loses nothing), the
// player is told once, and a thread of its own waits for the lock and hands it over the moment
// it is free, when the change is made; the window closes only after that.

#include "records/KeptChanges.h"
#include "records/ScoreFile.h"

#include <QObject>
#include <QTimer>

#include <deque>
#include <memory>

class QWidget;
struct LockWaiter;

class ScoreSaves {
  public:
    ScoreSaves(ScoreFileStore& lines, QWidget& window);
    ~ScoreSaves();
    ScoreSaves(const ScoreSaves&) = delete;
    ScoreSaves& operator=(const ScoreSaves&) = delete;

    // Makes the change on the file as it is now, after the changes kept before it. While another
    // holds the lock the change is kept for later; any other failure is thrown, and the change
    // that failed is dropped.
    void Save(ScoreChange change);
    // Makes the kept changes in lines loaded for showing, so that the player sees what they did.
    void ShowKept(ScoreFileStore& lines) const;
    bool Waiting() const { return !Kept.empty(); }

    // Whether the window may close now: yes when nothing is kept. Otherwise the first request
    // waits, telling the player, and the window closes by itself once everything is saved; a
    // further request asks whether to close without it, keeping on waiting unless the player
    // says yes.
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
    void SaveKept(std::shared_ptr<ScoreFileLock> held);
    void KeepForLater(const ScoreFileBusy& busy);
    void KeepOnDisk();
    void NothingKept();
    void WaitForLock();
    void StopWaiting();
    void LockFree(const std::shared_ptr<LockWaiter>& waiter, std::shared_ptr<ScoreFileLock> lock);
    // Who holds the file, and what it does: "another Tolvane game is saving", "another program
    // (flock, process 4242) holds".
    QString HolderDoes(bool still) const;

    ScoreFileStore& Lines;
    QWidget& Window;
    std::deque<ScoreChange> Kept;
    KeptChangesFile OnDisk;
    // Writes the kept changes again while they wait: the sound setting is saved as it is when
    // saved, and the player may change it meanwhile.
    QTimer KeepTimer;
    // Where the thread that waits for the lock hands it over, on the window's thread.
    QObject Handover;
    std::shared_ptr<LockWaiter> Waiter;
    QString Holder;
    bool HolderIsGame = true;
    bool Lockable = true;
    bool Told = false;
    bool ToldLeftOut = false;
    bool Saving = false;
    bool CloseRequested = false;
    bool CloseWaiting = false;
    bool SoundRead = false;
    bool SoundAtStart = true;
};
