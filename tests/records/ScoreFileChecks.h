// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tests of the score file share: its name, a sample of its lines, the texts of its
// failures, ways to read a folder and to make the disk look full, and holders of its locks.

#include "records/ScoreFile.h"
#include "tests/support/TempFolder.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <sys/resource.h>
#include <sys/types.h>

inline const QString FileName = QString::fromLatin1(ScoreFileName);

// Where each test of the score file starts: its own folder as working directory, empty lines.
struct ScoreFileSetUp {
    void Fresh() {
        Folder.reset();
        Folder = std::make_unique<TempFolder>();
        Lines.Clear();
    }
    std::unique_ptr<TempFolder> Folder;
    ScoreFileStore Lines;
};

// The failure's text, or a note that there was none.
QString ErrorOf(const std::function<void()>& action);

QStringList LinesOf(const ScoreFileStore& lines);

// The lines, each ended by CR LF.
QByteArray CrLfFile(const QStringList& lines);

// A name in the working directory, as the failures' texts give it.
QString FullPath(const QString& name);

QString OutOfBounds(int index);

// A score file with lines around the block that the game must carry through: the marker at 5,
// a second "high" further down that is an ordinary line.
extern const QStringList SampleLines;
constexpr int SampleMarker = 5;

void WriteAt(const QString& path, const QByteArray& bytes);
QByteArray ReadAt(const QString& path);

// Everything in the folder, sorted, hidden names included.
QStringList Listing(const QString& folder = QStringLiteral("."));

// Lowers the size limit of files this process writes, so that the next write fails part way as
// on a full disk. Root is bound by it too.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool Active = false;

  private:
    rlimit Saved{};
    void (*PreviousHandler)(int) = nullptr;
};

// The lock file of the game's saves beside the score file.
inline const QString LockName = "." + FileName + ".lock";

// Someone holds a flock on the file or folder at `path`: this process cannot have it now.
bool Held(const QString& path);

// Another game of the player's, a process of this same program, that holds a flock on the file at
// `path` (made when missing) until released or gone; it lets go by itself after `seconds`, so
// that a game that waits for it for good fails a test in moments instead of hanging it. Holding
// tells whether it could take the lock.
class HeldLock {
  public:
    explicit HeldLock(const QString& path, int seconds = 20);
    ~HeldLock() { Release(); }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;
    void Release();
    bool Holding = false;

  private:
    pid_t Game = -1;
};

// A program that holds a flock on `path` until it is stopped, "sleep" after the shell that took the
// lock: the player's own, or, given a user id, one of a user with no account here, which ends at
// once when it cannot open the path. One process, so that stopping it ends the lock.
class ProgramHoldingLock {
  public:
    // It lets go by itself after `seconds`, so that a game that waits for it for good fails a
    // test in moments instead of hanging it.
    explicit ProgramHoldingLock(const QString& path, uid_t otherUser = uid_t(-1), int seconds = 60);
    ~ProgramHoldingLock();
    ProgramHoldingLock(const ProgramHoldingLock&) = delete;
    ProgramHoldingLock& operator=(const ProgramHoldingLock&) = delete;
    QProcess Holder;
};
