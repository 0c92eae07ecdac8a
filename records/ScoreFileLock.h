// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lock that keeps the saves of the player's games apart, held from reading the score file
// again to writing it. It is two advisory locks, taken in this order:
// - one in the player's private folder (PrivateLockFolder), the same for all the player's games
//   whatever their environment, named after the device and inode of the score file's folder and
//   the file's name: only the player's own processes can reach it, so no permission of the score
//   file's folder or of a file in it can take it away;
// - one on ".NAME.lock" beside the score file, private to the player (mode 0600), which also
//   reaches the player's games on other machines that share the folder. A lock file of the
//   player's that others may open is made private again; one of another user's, or with a second
//   name, is left as it is and not used.
// A save needs one of them at least: where neither can be had it throws ScoreFileBusy, as when
// another holds it, and the change waits. The lock waits a moment for another save
// (or not at all, for a try again; or as long as it takes, for a thread of its own), then throws
// ScoreFileBusy: the caller decides whether to try again later.

#include "platform/GameError.h"
#include "records/FileHandle.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <thread>

enum class LockWait { Moment, None, UntilFree };

class ScoreFileLock {
  public:
    // A wait UntilFree ends, with ScoreFileBusy, once `stop` is set and the waiting thread woken.
    explicit ScoreFileLock(const QString& fileName, LockWait wait = LockWait::Moment,
                           const std::atomic<bool>* stop = nullptr);
    ~ScoreFileLock();
    ScoreFileLock(const ScoreFileLock&) = delete;
    ScoreFileLock& operator=(const ScoreFileLock&) = delete;

  private:
    void LetGo();

    FileHandle Private;
    QByteArray PrivatePath;
    FileHandle Beside;
};

// Someone holds the lock, longer than a save takes. Who it is, when the system tells: another
// Tolvane game, or another program by its name and process number.
class ScoreFileBusy : public GameError {
  public:
    ScoreFileBusy(const QString& fileName, const QString& holder, bool holderIsGame);
    // No lock can be had at all: no private folder, and no lock file of the player's own beside
    // the score file. Trying again later may find one.
    explicit ScoreFileBusy(const QString& fileName);
    // "another Tolvane game", "another program (flock, process 4242)" or "another program".
    QString Holder() const { return Who; }
    bool HolderIsGame() const { return Game; }
    bool CanBeLocked() const { return Lockable; }

  private:
    QString Who;
    bool Game;
    bool Lockable = true;
};

// Wakes a thread that waits for the lock, so that it sees its stop.
void WakeLockWait(std::thread& waiting);

// The private folder that holds the player's locks, made when missing: /run/user/UID/tolvane, else
// the first of /tmp/tolvane-UID, /tmp/tolvane-UID.1, ... that is the player's own and private.
// Empty when there is none that only this process's user can enter.
QByteArray PrivateLockFolder();
// A note in the private folder that files of kept changes may wait beside the score file at
// `path`, so that a save looks for them only then: a folder shared with others may hold a great
// many names, and reading them all takes long. Noted after each file of kept changes is written;
// taken (removed) by a save before it looks. Without a private folder a save always looks.
void NoteKeptChanges(const QByteArray& path);
bool TakeKeptNote(const QByteArray& path);
// The private lock file of the score file named so; empty when there is no private folder.
QString PrivateLockFile(const QString& fileName);
