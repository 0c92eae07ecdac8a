// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's saves of the score file over the whole run. Another game of the player's, or another
// program, may hold the file's lock for longer than a save takes; the window must not stand still
// meanwhile, and the player's change must not be lost. So such a change is kept here and on disk
// beside the score file (records/KeptChanges.h: a game killed meanwhile loses nothing), the
// player is told once, and a thread owned here waits for the lock and hands it over the moment
// it is free, when the change is made. Where no lock can be had at all, the change is tried again
// now and then instead.

#include "records/KeptChanges.h"
#include "records/ScoreFile.h"

#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

class QWidget;
class LockWaiter;
class ScoreSaves;

// The score file's lines and the saves that keep a change while another game saves, handed by
// their owner, the main window, to the routines that read and change the file.
struct ScoreFileUse {
    ScoreFileStore& Lines;
    ScoreSaves& Saves;
};

class ScoreSaves {
  public:
    ScoreSaves(ScoreFileStore& lines, QWidget& window);
    // Ends the wait for the lock; the changes still kept stay on disk for a later start.
    ~ScoreSaves();
    ScoreSaves(const ScoreSaves&) = delete;
    ScoreSaves& operator=(const ScoreSaves&) = delete;

    // Makes the change on the file as it is now, after the changes kept before it. While another
    // holds the lock the change is kept for later, and the player told once unless `tell` is
    // false; any other failure is thrown, and the change that failed is dropped.
    void Save(ScoreChange change, bool tell = true);
    // Makes the kept changes in lines loaded for showing, so that the player sees what they did.
    void ShowKept(ScoreFileStore& lines) const;
    bool Waiting() const { return !Kept.empty(); }
    // Tries the kept changes once more now, so that who holds the file is told as it is now.
    void TryAgain();
    // Runs once, the next time nothing is kept any more after a wait.
    void WhenSaved(std::function<void()> saved) { Saved = std::move(saved); }
    // The player lets the kept changes go: removed here and on disk.
    void DropKept();
    // What the player is told of who holds the file: one sentence for another Tolvane game that
    // saves, one for another program that holds it (its name for %1: "another program (flock,
    // process 4242)", capitalized where it starts the sentence), one for a lock of the player's
    // that none can have just now. The sentences are the translation system's source texts.
    struct HolderSentences {
        const char* GameSaves;
        const char* ProgramHolds;
        const char* NoLock;
    };
    QString HolderSays(const HolderSentences& sentences, bool capitalized = true) const;

  private:
    // What the saves do: nothing waits; a save runs on the window's thread; the kept changes wait
    // for a lock that another holds; or for a lock that none can have just now.
    enum class Stage { Idle, Saving, WaitingForLock, WaitingForLockable };

    void SaveKept(std::shared_ptr<ScoreFileLock> held, bool tell);
    void KeepForLater(const ScoreFileBusy& busy, bool tell);
    void TellKept();
    void KeepOnDisk();
    void NothingKept();
    void WaitForLock();
    void LockFree(unsigned wait, std::shared_ptr<ScoreFileLock> lock);

    ScoreFileStore& Lines;
    QWidget& Window;
    Stage Now = Stage::Idle;
    std::deque<ScoreChange> Kept;
    KeptChangesFile OnDisk;
    // Writes the kept changes again while they wait: the sound setting is saved as it is when
    // saved, and the player may change it meanwhile.
    QTimer KeepTimer;
    // Where the waiting thread hands the lock over, on the window's thread; it outlives the
    // thread, which ends before it.
    QObject Handover;
    std::unique_ptr<LockWaiter> Waiter;
    // Counts the waits, so that a lock handed over by one that has ended is told apart.
    unsigned Waits = 0;
    QString Holder;
    bool HolderIsGame = true;
    // The player has been told that changes are kept, or that an ended game's could not be saved.
    bool ToldKept = false;
    bool ToldLeftOut = false;
    std::function<void()> Saved;
};
