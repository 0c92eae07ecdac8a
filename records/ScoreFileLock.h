// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lock that keeps the saves of games sharing a score file apart, held from reading the file
// again to writing it: an advisory lock on a file of the game's own beside the file written,
// ".NAME.lock", private to the player (mode 0600), so that no other user can open it, let alone
// hold it. The lock file stays; removing it could split two games' locks. It waits a moment
// for another game's save (or not at all, for a try again), then throws ScoreFileBusy: the
// caller decides whether to try again later.
// Where no such file of the player's own can be had (a read-only folder, a file of another user
// in its place) or the file system has no such locks, the save goes on alone.

#include "platform/GameError.h"

#include <QString>

enum class LockWait { Moment, None };

class ScoreFileLock {
  public:
    explicit ScoreFileLock(const QString& fileName, LockWait wait = LockWait::Moment);
    ~ScoreFileLock();
    ScoreFileLock(const ScoreFileLock&) = delete;
    ScoreFileLock& operator=(const ScoreFileLock&) = delete;

  private:
    int File = -1;
};

// Another of the player's games holds the lock, longer than a save takes.
class ScoreFileBusy : public GameError {
  public:
    using GameError::GameError;
};
