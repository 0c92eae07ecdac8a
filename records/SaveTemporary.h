// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The temporary of a save: a hidden file of the game's own beside the file it replaces,
// ".NAME.saving-XXXXXX", that takes the file's place only once it is whole on disk. A save holds
// its temporary locked from the moment it has its name, so that the cleanup of another game
// never removes it; that cleanup removes only the temporaries of saves that were killed.

#include "records/FileHandle.h"

#include <QByteArray>
#include <QList>

class SaveTemporary {
  public:
    // Made beside the file at `path`; Get() is -1 when it cannot be made, errno telling why.
    explicit SaveTemporary(const QByteArray& path);
    // Removed again unless it took the file's place.
    ~SaveTemporary();
    SaveTemporary(const SaveTemporary&) = delete;
    SaveTemporary& operator=(const SaveTemporary&) = delete;
    int Get() const { return File.Get(); }
    // Takes the place of the file at `path`; false with errno when it could not.
    bool RenameTo(const QByteArray& path);
    // The handle, which still holds the lock, for the one who keeps the file after its rename.
    int Release();

  private:
    QByteArray Path;
    FileHandle File;
    bool Renamed = false;
};

// Writes all bytes from the file's start; 0, or the system's error. `written` counts the bytes
// that reached the file.
int WriteAll(int handle, const QByteArray& bytes, qsizetype* written = nullptr);

// Makes the rename of a save last: a power cut right after it must not bring the old file back.
// 0, or the system's error; a folder that cannot be read cannot be synced, and a file system
// that cannot sync folders says so: both count as done.
int SyncFolder(const QByteArray& path);

// Removes the temporaries that saves killed at the wrong moment left beside the file at `path`,
// and only there: files named ".NAME.saving-" and six letters or digits, regular, of this
// process's user, with no other name, and held by no running save. No name a player gives a file
// of theirs is taken for one.
void RemoveLeftoversBeside(const QByteArray& path);

// The files beside the file at `path` named ".NAME" + marker + six letters or digits.
QList<QByteArray> MarkedFilesBeside(const QByteArray& path, const QByteArray& marker);

// Opens a file that a game of this process's user made beside the score file and that no running
// game holds: a regular file of its own with no other name, locked now by this handle. -1 when
// it is no such file. Looked at before it is opened: opening a device can have effects of its own.
int OpenAbandoned(const QByteArray& path);

// Removes the file under `path` if it is still the one open as `handle`.
void RemoveIfStill(int handle, const QByteArray& path);
