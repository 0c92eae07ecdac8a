// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tests of the score file share: its name, a sample of its lines, the texts of its
// failures, and ways to read a folder and to make the disk look full.

#include "records/ScoreFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <sys/resource.h>

inline const QString FileName = QString::fromLatin1(ScoreFileName);

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
