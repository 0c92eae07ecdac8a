// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The score file as a file of lines that a crash never leaves half-written, in a folder that
// belongs to the player: the game removes nothing there but its own leftover temporaries, follows
// no link that another user planted, and keeps the saves of two games in one folder apart.
// records/ScoreFile.h gives the lines their meaning. Every failure is thrown as GameError.

#include "platform/GameError.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The score file's lines in memory. Each line keeps the bytes it was read with, so a line that
// is not valid in the system's encoding is still written back exactly as it was.
//
// A link in the file's name is followed only when it belongs to this process's user or to root,
// as the kernel does in sticky folders; a link of anyone else fails the load or save at once, so
// that a game run by root never reads or writes a file that another user pointed it to.
class ScoreLineList {
  public:
    // Replaces the whole content with the file's lines. Lines end at CR LF, a lone CR or a lone
    // LF; a NUL byte ends the text. What follows the text, from the NUL on, is kept as it was
    // read and written back after the lines, so that a damaged file never loses the player's
    // bytes. A file of more than 1 MiB is refused as too large. On failure the content stays as
    // it was.
    void LoadFromFile(const QString& fileName);
    QString Get(int index) const;
    // Replaces an existing line; the list keeps its length.
    void Put(int index, const QString& text);
    // Writes every line followed by CR LF, then the bytes kept from after a NUL. The new text goes
    // to a temporary file of the game's own beside the file written, ".NAME.saving-XXXXXX", and
    // replaces the old file only once it is completely on disk; then the folder is synced too. So a
    // crash, a kill or a full disk never loses the file; after a failure it is left exactly as it
    // was. The new file keeps the old one's mode, and its owner and group where the process may
    // give them. Written in place instead, as a plain rewrite, are a file with more than one name
    // (hard links), which a replacement would split, and a file in a folder where no file can be
    // made; there only a full disk is caught before the first byte changes. Only a regular file is
    // read or written: anything else in its place is an error.
    void SaveToFile(const QString& fileName) const;
    void Clear();
    int Count() const;

  private:
    void CheckIndex(int index) const;

    QList<QByteArray> Lines;
    QByteArray AfterText;
};

// Removes the temporaries that saves killed at the wrong moment left in the folder of the file
// written for fileName, and only there: files named ".NAME.saving-" and six letters or digits,
// regular, of this process's user, with no other name, and held by no running save. No name a
// player gives a file of theirs is taken for one.
void RemoveLeftoverSaves(const QString& fileName);

// The lock that keeps the saves of games sharing a score file apart, held from reading the file
// again to writing it: an advisory lock on a file of the game's own beside the file written,
// ".NAME.lock", private to the player (mode 0600), so that no other user can open it, let alone
// hold it. The lock file stays; removing it could split two games' locks. It waits a moment
// for another game's save (or not at all, for a try again), then throws ScoreFileBusy: the
// caller decides whether to try again later.
// Where no such file of the player's own can be had (a read-only folder, a file of another user
// in its place) or the file system has no such locks, the save goes on alone.
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
