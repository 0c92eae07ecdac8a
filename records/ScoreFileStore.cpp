// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/ScoreFileStore.h"

#include "platform/GameError.h"
#include "records/FileErrors.h"
#include "records/FileHandle.h"
#include "records/TrustedPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file holds a few hundred bytes. Far more than that is no score file, and split into lines
// it would take some 25 times its size in memory (a file of line breaks: 50 MB took 1.3 GB).
constexpr qsizetype MostTextBytes = 1024 * 1024;
// The temporary of a save: hidden, after the file it replaces, with a marker no player's copy
// carries. mkostemp fills in the six characters.
const QByteArray TemporaryMarker = ".saving-";

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

// Writes all bytes from the file's start; 0, or the system's error.
int WriteAll(int handle, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written =
            ::pwrite(handle, bytes.constData() + done, bytes.size() - done, done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : ENOSPC;
        done += written;
    }
    return 0;
}

// Writes the file over its old content, for where it cannot be replaced as a whole. The room
// for the new text is taken first, so that a full disk fails before any byte has changed; a
// longer file's new bytes are zeros until written, and a NUL ends the text when it is read.
void WriteInPlace(const QString& fileName, const QByteArray& path, const QByteArray& bytes) {
    auto fail = [&fileName](int error) { ThrowCreateError(fileName, SystemReason(error)); };
    FileHandle file(::open(path.constData(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    if (file.Get() < 0)
        fail(errno);
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0)
        fail(errno);
    if (!S_ISREG(status.st_mode))
        ThrowCreateError(fileName, NotRegularReason(status.st_mode));
    if (bytes.size() > status.st_size) {
        const int error = ::posix_fallocate(file.Get(), 0, bytes.size());
        if (error != 0)
            fail(error);
    }
    if (const int error = WriteAll(file.Get(), bytes))
        fail(error);
    if (::ftruncate(file.Get(), bytes.size()) != 0 || ::fsync(file.Get()) != 0 || file.Close() != 0)
        fail(errno);
}

// Makes the rename of a save last: a power cut right after it must not bring the old file back.
// A folder that cannot be read cannot be synced; a file system that cannot sync folders says so.
void SyncFolder(const QString& fileName, const QByteArray& path) {
    FileHandle folder(::open(FolderOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0 && ::fsync(folder.Get()) != 0 && errno != EINVAL) {
        const int error = errno;
        ThrowCreateError(fileName, SystemReason(error));
    }
}

// The temporary of a save, removed again unless it took the file's place.
class Temporary {
  public:
    explicit Temporary(const QByteArray& path)
        : Path(Joined(FolderOf(path), '.' + NameOf(path) + TemporaryMarker + "XXXXXX")),
          File(::mkostemp(Path.data(), O_CLOEXEC)) {
        // Another game's cleanup leaves a temporary alone while a save holds it.
        if (File.Get() >= 0)
            ::flock(File.Get(), LOCK_EX | LOCK_NB);
    }
    ~Temporary() {
        if (File.Get() >= 0 && !Renamed)
            ::unlink(Path.constData());
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    int Get() const { return File.Get(); }
    bool RenameTo(const QByteArray& path) {
        Renamed = ::rename(Path.constData(), path.constData()) == 0;
        return Renamed;
    }

  private:
    QByteArray Path;
    FileHandle File;
    bool Renamed = false;
};

// Replaces the file as a whole. False when no temporary can be made beside it.
bool ReplaceWhole(const QString& fileName, const QByteArray& path, const struct stat* existing,
                  const QByteArray& bytes) {
    auto fail = [&fileName](int error) { ThrowCreateError(fileName, SystemReason(error)); };
    Temporary file(path);
    if (file.Get() < 0) {
        const int error = errno;
        if (existing != nullptr && !FolderWritable(path))
            return false;
        fail(error);
    }
    KeepOwnerAndMode(file.Get(), existing);
    if (const int error = WriteAll(file.Get(), bytes))
        fail(error);
    if (::fsync(file.Get()) != 0 || !file.RenameTo(path))
        fail(errno);
    SyncFolder(fileName, path);
    return true;
}

// The names of the game's temporaries beside the file at `path`.
QRegularExpression TemporaryNames(const QByteArray& path) {
    return QRegularExpression(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(QFile::decodeName('.' + NameOf(path) + TemporaryMarker)) +
        QStringLiteral("[A-Za-z0-9]{6}")));
}

// Only a regular file of this process's user with no other name, that no save holds. Looked at
// before it is opened: opening a device can have effects of its own.
void RemoveIfLeftover(const QByteArray& path) {
    struct stat named {};
    if (::lstat(path.constData(), &named) != 0 || !S_ISREG(named.st_mode))
        return;
    FileHandle file(::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {};
    if (file.Get() < 0 || ::fstat(file.Get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
        opened.st_uid != ::geteuid() || opened.st_nlink != 1 ||
        ::flock(file.Get(), LOCK_EX | LOCK_NB) != 0)
        return;
    // Still the same file under that name.
    if (::lstat(path.constData(), &named) == 0 && named.st_dev == opened.st_dev &&
        named.st_ino == opened.st_ino)
        ::unlink(path.constData());
}

void RemoveLeftoversBeside(const QByteArray& path) {
    const QDir folder(QFile::decodeName(FolderOf(path)));
    const QRegularExpression temporary = TemporaryNames(path);
    const QStringList names =
        folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names)
        if (temporary.match(name).hasMatch())
            RemoveIfLeftover(Joined(FolderOf(path), QFile::encodeName(name)));
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
    RemoveLeftoversBeside(path);

    QByteArray bytes;
    for (const QByteArray& line : Lines) {
        bytes += line;
        bytes += "\r\n";
    }
    bytes += AfterText;
    // A file with further names keeps them only when it is written in place; where no file can
    // be made beside it, the file itself is still written, as a plain rewrite would.
    if ((exists && existing.st_nlink > 1) ||
        !ReplaceWhole(fileName, path, exists ? &existing : nullptr, bytes))
        WriteInPlace(fileName, path, bytes);
}

void ScoreFileStore::Clear() {
    Lines.clear();
    AfterText.clear();
}

int ScoreFileStore::Count() const {
    return static_cast<int>(Lines.size());
}

void ScoreFileStore::CheckIndex(int index) const {
    if (index < 0 || index >= Lines.size())
        throw GameError(QStringLiteral("List index out of bounds (%1)").arg(index));
}
