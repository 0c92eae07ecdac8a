// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The score file's store: its lines in memory, loaded whole and saved whole so that a crash never
// leaves the file half-written, in a folder that belongs to the player. The game removes nothing
// there but its own leftover temporaries and follows no link that another user planted
// (records/TrustedPath.h); records/ScoreFileLock.h keeps the saves of two games apart, and
// records/ScoreFile.h gives the lines their meaning. Every failure is thrown as GameError.

#include <QByteArray>
#include <QList>
#include <QString>

// The score file's lines in memory. Each line keeps the bytes it was read with, so a line that
// is not valid in the system's encoding is still written back exactly as it was.
class ScoreFileStore {
  public:
    // Replaces the whole content with the file's lines. Lines end at CR LF, a lone CR or a lone
    // LF; a NUL byte ends the text. What follows the text, from the NUL on, is kept as it was
    // read and written back after the lines, so that a damaged file never loses the player's
    // bytes; a NUL inside a line ends the text in that line, and the line goes back with the NUL
    // right after it. A file of more than 1 MiB is refused as too large. On failure the content
    // stays as it was.
    void LoadFromFile(const QString& fileName);
    QString Get(int index) const;
    // Replaces an existing line; the list keeps its length.
    void Put(int index, const QString& text);
    // Writes every line followed by CR LF, then the bytes kept from after a NUL. A text that would
    // make the file larger than a load reads is refused before anything is written. The new text
    // goes to a temporary file of the game's own beside the file written, ".NAME.saving-XXXXXX",
    // and replaces the old file only once it is completely on disk; then the folder is synced too.
    // So a crash, a kill or a full disk never loses the file; after a failure it is left exactly as
    // it was. The new file keeps the old one's mode, and its owner and group where the process may
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
    bool LastLineOpen = false;
};

// Removes the temporaries that saves killed at the wrong moment left in the folder of the file
// written for fileName, and only there: files named ".NAME.saving-" and six letters or digits,
// regular, of this process's user, with no other name, and held by no running save. No name a
// player gives a file of theirs is taken for one.
void RemoveLeftoverSaves(const QString& fileName);
