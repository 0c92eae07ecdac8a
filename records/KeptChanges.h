// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The changes that a game keeps while another holds the score file's lock, on disk beside the
// score file so that a game killed meanwhile loses none of them: ".NAME.kept-XXXXXX", one file per
// game, replaced whole whenever what it keeps changes, and held locked by that game for as long
// as it lives. A save of any of the player's games, or its start, makes the changes of files that
// no living game holds before its own, and then removes those files. Each change is one line of
// text (records/ScoreFile.h makes and reads them); the file starts with a header line and ends
// with "end", so that nothing but a whole file of the game's own is ever taken for one.

#include "records/FileHandle.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

// This game's file of kept changes.
class KeptChangesFile {
  public:
    explicit KeptChangesFile(const QString& scoreFileName);
    // Lets go of the file and leaves it: its changes are then another game's to save.
    ~KeptChangesFile() = default;
    KeptChangesFile(const KeptChangesFile&) = delete;
    KeptChangesFile& operator=(const KeptChangesFile&) = delete;

    // Writes these changes in place of those written before (nothing when they are the same).
    // False when no file can be made beside the score file: the changes then live in memory only.
    bool Write(const QList<QByteArray>& entries);
    // Removes the file: its changes are saved, or the player let them go.
    void Remove();
    bool Exists() const { return Held.Get() >= 0; }

  private:
    QString ScoreFileName;
    QByteArray Path;
    FileHandle Held;
    QList<QByteArray> Written;
};

// The files of kept changes beside the score file that no living game holds and that only the
// player may open, oldest first, locked by this process while it lives. Looked for under the
// score file's lock.
class AbandonedChanges {
  public:
    // None for an empty path.
    explicit AbandonedChanges(const QByteArray& scoreFilePath);
    int Count() const { return static_cast<int>(Files.size()); }
    // The changes of one file, in the order they were made.
    const QList<QByteArray>& Entries(int file) const { return Files[file]->Entries; }
    // Removes one file, whose changes are saved now.
    void Remove(int file);

  private:
    struct Found {
        QByteArray Path;
        FileHandle Handle;
        QList<QByteArray> Entries;
        qint64 Written = 0;
    };
    std::vector<std::unique_ptr<Found>> Files;
};
