// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/ScoreFileStore.h"

#include "platform/GameError.h"
#include "records/FileErrors.h"
#include "records/FileHandle.h"
#include "records/SaveTemporary.h"
#include "records/TrustedPath.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file holds a few hundred bytes. Far more than that is no score file, and split into lines
// it would take some 25 times its size in memory (a file of line breaks: 50 MB took 1.3 GB).
constexpr qsizetype MostTextBytes = 1024 * 1024;

// Splits at CR LF, lone CR and lone LF; a break at the very end opens no further line. CR and LF
// never occur inside a multi-byte UTF-8 character, so splitting the raw bytes is safe.
QList<QByteArray> SplitLines(const QByteArray& bytes) {
    const qsizetype size = bytes.size();
    QList<QByteArray> lines;
    qsizetype pos = 0;
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        lines.append(bytes.mid(pos, end - pos));
        pos = end;
        if (pos < size && bytes[pos] == '\r')
            ++pos;
        if (pos < size && bytes[pos] == '\n')
            ++pos;
    }
    return lines;
}

bool FolderWritable(const QByteArray& file) {
    return ::euidaccess(FolderOf(file).constData(), W_OK | X_OK) == 0;
}

// The mode a new file gets from the process: what the umask leaves of read and write for all.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Both owner and group where the process may give them (root always), otherwise the group alone
// (a player, a group of theirs); failing both, the file stays the player's own.
bool GiveOwner(int handle, const struct stat& existing) {
    return ::fchown(handle, existing.st_uid, existing.st_gid) == 0 ||
           ::fchown(handle, static_cast<uid_t>(-1), existing.st_gid) == 0;
}

// The temporary takes the owner, group and mode of the file it replaces. A new owner clears the
// set-ID bits, so the mode comes last.
void KeepOwnerAndMode(int handle, const struct stat* existing) {
    if (existing == nullptr) {
        ::fchmod(handle, NewFileMode());
        return;
    }
    GiveOwner(handle, *existing);
    ::fchmod(handle, existing->st_mode & 07777);
}

// A save that failed. Where the disk (or the player's share of it) is full and the old file is
// still there as it was, the player is told that nothing of theirs was lost.
[[noreturn]] void ThrowSaveError(const QString& fileName, int error, bool oldFileKept) {
    if (oldFileKept && (error == ENOSPC || error == EDQUOT || error == EFBIG))
        ThrowNotSavedError(fileName, SystemReason(error));
    ThrowCreateError(fileName, SystemReason(error));
}

// Writes the file over its old content, for where it cannot be replaced as a whole. The room
// for the new text is taken first, so that a full disk fails before any byte has changed; a
// longer file's new bytes are zeros until written, and a NUL ends the text when it is read.
void WriteInPlace(const QString& fileName, const QByteArray& path, const QByteArray& bytes) {
    FileHandle file(::open(path.constData(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    if (file.Get() < 0)
        ThrowSaveError(fileName, errno, true);
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0)
        ThrowSaveError(fileName, errno, true);
    if (!S_ISREG(status.st_mode))
        ThrowCreateError(fileName, NotRegularReason(status.st_mode));
    if (bytes.size() > status.st_size) {
        if (const int error = ::posix_fallocate(file.Get(), 0, bytes.size()))
            ThrowSaveError(fileName, error, true);
    }
    qsizetype written = 0;
    if (const int error = WriteAll(file.Get(), bytes, &written))
        ThrowSaveError(fileName, error, written == 0);
    if (::ftruncate(file.Get(), bytes.size()) != 0 || ::fsync(file.Get()) != 0 || file.Close() != 0)
        ThrowSaveError(fileName, errno, false);
}

// Replaces the file as a whole. False when no temporary can be made beside it.
bool ReplaceWhole(const QString& fileName, const QByteArray& path, const struct stat* existing,
                  const QByteArray& bytes) {
    const bool exists = existing != nullptr;
    SaveTemporary file(path);
    if (file.Get() < 0) {
        const int error = errno;
        if (exists && !FolderWritable(path))
            return false;
        ThrowSaveError(fileName, error, exists);
    }
    KeepOwnerAndMode(file.Get(), existing);
    if (const int error = WriteAll(file.Get(), bytes))
        ThrowSaveError(fileName, error, exists);
    if (::fsync(file.Get()) != 0 || !file.RenameTo(path))
        ThrowSaveError(fileName, errno, exists);
    if (const int error = SyncFolder(path))
        ThrowCreateError(fileName, SystemReason(error));
    return true;
}

} // namespace

void RemoveLeftoverSaves(const QString& fileName) {
    RemoveLeftoversBeside(FileBehind(fileName, ThrowOpenError));
}

void ScoreFileStore::LoadFromFile(const QString& fileName) {
    const QByteArray path = FileBehind(fileName, ThrowOpenError);
    // Looked at before it is opened: opening a device can have effects of its own, and a named
    // pipe would wait for a writer for good.
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0) {
        const int error = errno;
        ThrowOpenError(fileName, SystemReason(error));
    }
    if (!S_ISREG(status.st_mode))
        ThrowOpenError(fileName, NotRegularReason(status.st_mode));
    // Without blocking, and checked once more, in case something else took its place meanwhile.
    const int handle = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (handle < 0) {
        const int error = errno;
        ThrowOpenError(fileName, SystemReason(error));
    }
    QFile file;
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        ThrowOpenError(fileName, file.errorString());
    }
    if (::fstat(handle, &status) != 0) {
        const int error = errno;
        ThrowOpenError(fileName, SystemReason(error));
    }
    if (!S_ISREG(status.st_mode))
        ThrowOpenError(fileName, NotRegularReason(status.st_mode));
    // The whole file is read: what follows a NUL is not text, but it is the player's and is
    // written back as it was.
    QByteArray bytes;
    for (;;) {
        const QByteArray chunk = file.read(64 * 1024);
        if (file.error() != QFileDevice::NoError)
            ThrowOpenError(fileName, file.errorString());
        if (chunk.isEmpty())
            break;
        bytes += chunk;
        if (bytes.size() > MostTextBytes)
            ThrowOpenError(fileName, SystemReason(EFBIG));
    }
    const qsizetype nul = bytes.indexOf('\0');
    AfterText = nul < 0 ? QByteArray() : bytes.mid(nul);
    Lines = SplitLines(nul < 0 ? bytes : bytes.left(nul));
    // A NUL inside a line: the line's bytes run on after it, with no line break between.
    LastLineOpen = nul > 0 && bytes[nul - 1] != '\r' && bytes[nul - 1] != '\n';
}

QString ScoreFileStore::Get(int index) const {
    CheckIndex(index);
    return QString::fromLocal8Bit(Lines[index]);
}

void ScoreFileStore::Put(int index, const QString& text) {
    CheckIndex(index);
    Lines[index] = text.toLocal8Bit();
}

void ScoreFileStore::SaveToFile(const QString& fileName) const {
    const QByteArray path = FileBehind(fileName, ThrowCreateError);
    struct stat existing {};
    const bool exists = ::lstat(path.constData(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        ThrowCreateError(fileName, NotRegularReason(existing.st_mode));
    if (exists && ::euidaccess(path.constData(), W_OK) != 0)
        ThrowCreateError(fileName, SystemReason(EACCES));

    QByteArray bytes;
    for (qsizetype i = 0; i < Lines.size(); ++i) {
        bytes += Lines[i];
        if (i + 1 < Lines.size() || !LastLineOpen)
            bytes += "\r\n";
    }
    bytes += AfterText;
    // Never a file that the next load would refuse.
    if (bytes.size() > MostTextBytes)
        ThrowNotSavedError(fileName, QCoreApplication::translate(
                                         "ScoreFileStore",
                                         "It would grow beyond 1 MiB, more than Tolvane reads"));
    // A file with further names keeps them only when it is written in place; where no file can
    // be made beside it, the file itself is still written, as a plain rewrite would.
    if ((exists && existing.st_nlink > 1) ||
        !ReplaceWhole(fileName, path, exists ? &existing : nullptr, bytes))
        WriteInPlace(fileName, path, bytes);
}

void ScoreFileStore::Clear() {
    Lines.clear();
    AfterText.clear();
    LastLineOpen = false;
}

int ScoreFileStore::Count() const {
    return static_cast<int>(Lines.size());
}

void ScoreFileStore::CheckIndex(int index) const {
    if (index < 0 || index >= Lines.size())
        throw GameError(QStringLiteral("List index out of bounds (%1)").arg(index));
}
