// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/KeptChanges.h"

#include "platform/GameError.h"
#include "records/SaveTemporary.h"
#include "records/ScoreFileLock.h"
#include "records/TrustedPath.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {

const QByteArray KeptMarker = ".kept-";
const QByteArray Header = "Tolvane kept changes";
const QByteArray End = "end";
// Far more than a game keeps: a sound setting, a few records and resets.
constexpr qint64 LargestFile = 64 * 1024;

// A name for a new file of kept changes beside the score file at `path`.
QByteArray NewKeptPath(const QByteArray& path) {
    static const char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (;;) {
        QByteArray name = '.' + NameOf(path) + KeptMarker;
        for (int i = 0; i < 6; ++i)
            name += Letters[QRandomGenerator::global()->bounded(int(sizeof Letters - 1))];
        const QByteArray candidate = Joined(FolderOf(path), name);
        struct stat status {};
        if (::lstat(candidate.constData(), &status) != 0 && errno == ENOENT)
            return candidate;
    }
}

// The game makes its files of kept changes open to the player alone: one that others may write
// may hold anything.
bool PrivateToPlayer(int handle) {
    struct stat status {};
    return ::fstat(handle, &status) == 0 && (status.st_mode & 077) == 0;
}

// The changes of a whole file of the game's own; nothing for anything else.
bool ReadEntries(int handle, QList<QByteArray>& entries, qint64& written) {
    struct stat status {};
    if (::fstat(handle, &status) != 0 || status.st_size > LargestFile)
        return false;
    written = status.st_mtim.tv_sec * 1000000000LL + status.st_mtim.tv_nsec;
    QByteArray bytes(status.st_size, '\0');
    if (::pread(handle, bytes.data(), bytes.size(), 0) != bytes.size() || !bytes.endsWith('\n'))
        return false;
    bytes.chop(1);
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() < 2 || lines.first() != Header || lines.last() != End)
        return false;
    entries = lines.mid(1, lines.size() - 2);
    return true;
}

} // namespace

KeptChangesFile::KeptChangesFile(const QString& scoreFileName) : ScoreFileName(scoreFileName) {}

bool KeptChangesFile::Write(const QList<QByteArray>& entries) {
    if (Held.Get() >= 0 && entries == Written)
        return true;
    QByteArray path;
    try {
        path = FileBehind(ScoreFileName,
                          [](const QString&, const QString& reason) { throw GameError(reason); });
    } catch (const GameError&) {
        return false;
    }
    QByteArray bytes = Header + '\n';
    for (const QByteArray& entry : entries)
        bytes += entry + '\n';
    bytes += End + '\n';
    // Whole or not at all: written beside it, then put in its place.
    SaveTemporary temporary(path);
    const QByteArray target = Held.Get() >= 0 ? Path : NewKeptPath(path);
    if (temporary.Get() < 0 || ::fchmod(temporary.Get(), 0600) != 0 ||
        WriteAll(temporary.Get(), bytes) != 0 || ::fsync(temporary.Get()) != 0 ||
        !temporary.RenameTo(target))
        return false;
    SyncFolder(path);
    NoteKeptChanges(path);
    Held.Reset(temporary.Release());
    Path = target;
    Written = entries;
    return true;
}

void KeptChangesFile::Remove() {
    if (Held.Get() >= 0)
        RemoveIfStill(Held.Get(), Path);
    Held.Reset();
    Path.clear();
    Written.clear();
}

AbandonedChanges::AbandonedChanges(const QByteArray& scoreFilePath) {
    if (scoreFilePath.isEmpty())
        return;
    for (const QByteArray& path : MarkedFilesBeside(scoreFilePath, KeptMarker)) {
        auto found = std::make_unique<Found>();
        found->Path = path;
        found->Handle.Reset(OpenAbandoned(path));
        if (found->Handle.Get() >= 0 && PrivateToPlayer(found->Handle.Get()) &&
            ReadEntries(found->Handle.Get(), found->Entries, found->Written))
            Files.push_back(std::move(found));
    }
    std::sort(Files.begin(), Files.end(), [](const auto& a, const auto& b) {
        return std::tie(a->Written, a->Path) < std::tie(b->Written, b->Path);
    });
}

void AbandonedChanges::Remove(int file) {
    RemoveIfStill(Files[file]->Handle.Get(), Files[file]->Path);
}
