// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/ScoreFile.h"

#include "platform/GameError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

const QString SoundOnText = QStringLiteral("s");
const QString SoundOffText = QStringLiteral("ns");
const QString MarkerText = QStringLiteral("high");
constexpr int SoundLine = 3;
constexpr int LevelCount = 3;
// The file holds a few hundred bytes. Far more than that is no score file, and split into lines
// it would take some 25 times its size in memory (a file of line breaks: 50 MB took 1.3 GB).
constexpr qsizetype MostTextBytes = 1024 * 1024;

int NameLine(int MarkerIndex, int level) {
    return MarkerIndex + 1 + 2 * level;
}
int SecondsLine(int MarkerIndex, int level) {
    return MarkerIndex + 2 + 2 * level;
}

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::generic_category().message(error).c_str());
}

[[noreturn]] void ThrowOpenError(const QString& fileName, const QString& reason) {
    throw GameError(QStringLiteral("Cannot open file \"%1\". %2")
                        .arg(QFileInfo(fileName).absoluteFilePath(), reason));
}

[[noreturn]] void ThrowCreateError(const QString& fileName, const QString& reason) {
    throw GameError(QStringLiteral("Cannot create file \"%1\". %2")
                        .arg(QFileInfo(fileName).absoluteFilePath(), reason));
}

// Splits at CR LF, lone CR and lone LF. A break at the very end opens no further line, and the
// text stops at the first NUL byte. CR, LF and NUL never occur inside a multi-byte UTF-8
// character, so splitting the raw bytes is safe.
QList<QByteArray> SplitLines(const QByteArray& bytes) {
    const qsizetype nul = bytes.indexOf('\0');
    const qsizetype size = nul < 0 ? bytes.size() : nul;
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

// The reason given for anything but a regular file in the score file's place.
QString NotRegularReason(mode_t mode) {
    if (S_ISDIR(mode))
        return SystemReason(EISDIR);
    if (S_ISFIFO(mode))
        return QStringLiteral("Is a named pipe, not a file");
    return QStringLiteral("Is not a regular file");
}

// Closes a file handle when it goes out of scope.
class Handle {
  public:
    explicit Handle(int fd) : Fd(fd) {}
    ~Handle() {
        if (Fd >= 0)
            ::close(Fd);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    int Get() const { return Fd; }
    // Closes now, reporting the error that a close can bring.
    int Close() {
        const int result = ::close(Fd);
        Fd = -1;
        return result;
    }

  private:
    int Fd;
};

// The file a save writes: the one a link names. QSaveFile puts its temporary file beside it.
QFileInfo SavedFile(const QString& fileName) {
    const QFileInfo info(fileName);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QFileInfo(info.absoluteFilePath()) : QFileInfo(canonical);
}

bool FolderWritable(const QString& fileName) {
    const QByteArray folder = QFile::encodeName(SavedFile(fileName).absolutePath());
    return ::euidaccess(folder.constData(), W_OK | X_OK) == 0;
}

// The new file takes the owner and group of the one it replaces, where this process may give
// them: root always, a player the group of one of theirs. Otherwise it is the player's own.
void KeepOwner(int handle, const struct stat& existing) {
    struct stat created {};
    if (::fstat(handle, &created) != 0)
        return;
    if (created.st_uid == existing.st_uid && created.st_gid == existing.st_gid)
        return;
    // A new owner clears the set-ID bits, so the old mode is given again.
    if (::fchown(handle, existing.st_uid, existing.st_gid) == 0 ||
        ::fchown(handle, static_cast<uid_t>(-1), existing.st_gid) == 0)
        ::fchmod(handle, existing.st_mode & 07777);
}

// Writes the file over its old content, for where it cannot be replaced as a whole. The room
// for the new text is taken first, so that a full disk fails before any byte has changed; a
// longer file's new bytes are zeros until written, and a NUL ends the text when it is read.
void WriteInPlace(const QString& fileName, const QByteArray& bytes) {
    auto fail = [&fileName](int error) { ThrowCreateError(fileName, SystemReason(error)); };
    Handle file(::open(QFile::encodeName(fileName).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
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
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written =
            ::pwrite(file.Get(), bytes.constData() + done, bytes.size() - done, done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            fail(written < 0 ? errno : ENOSPC);
        done += written;
    }
    if (::ftruncate(file.Get(), bytes.size()) != 0 || ::fsync(file.Get()) != 0 || file.Close() != 0)
        fail(errno);
}

[[noreturn]] void ThrowNotAnInteger(const QString& text) {
    throw GameError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

} // namespace

void RemoveLeftoverSaves(const QString& fileName) {
    const QFileInfo saved = SavedFile(fileName);
    const QDir folder = saved.absoluteDir();
    // QSaveFile names its temporary after the file: a dot and six random letters. Six letters
    // that read as a word ("backup", "Backup", "BACKUP") are more likely the player's own copy.
    const QRegularExpression saveName(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(saved.fileName()) + QStringLiteral("\\.[A-Za-z]{6}")));
    const QRegularExpression word(QStringLiteral("\\.([A-Za-z][a-z]{5}|[A-Z]{6})$"));
    const QStringList candidates = folder.entryList({saved.fileName() + QStringLiteral(".??????")},
                                                    QDir::Files | QDir::Hidden);
    for (const QString& candidate : candidates) {
        if (!saveName.match(candidate).hasMatch() || word.match(candidate).hasMatch())
            continue;
        const QByteArray path = QFile::encodeName(folder.filePath(candidate));
        Handle file(::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat opened {};
        struct stat named {};
        // Only a plain file of this process's user, with no other name, that no save holds.
        if (file.Get() < 0 || ::fstat(file.Get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
            opened.st_uid != ::geteuid() || opened.st_nlink != 1 ||
            ::flock(file.Get(), LOCK_EX | LOCK_NB) != 0)
            continue;
        if (::lstat(path.constData(), &named) == 0 && named.st_dev == opened.st_dev &&
            named.st_ino == opened.st_ino)
            ::unlink(path.constData());
    }
}

void ScoreLineList::LoadFromFile(const QString& fileName) {
    // Looked at before it is opened: opening a device can have effects of its own, and a named
    // pipe would wait for a writer for good.
    const QByteArray path = QFile::encodeName(fileName);
    struct stat status {};
    if (::stat(path.constData(), &status) != 0) {
        const int error = errno;
        ThrowOpenError(fileName, SystemReason(error));
    }
    if (!S_ISREG(status.st_mode))
        ThrowOpenError(fileName, NotRegularReason(status.st_mode));
    // Without blocking, and checked once more, in case something else took its place meanwhile.
    const int handle = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
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
    // The text ends at the first NUL, so reading stops there; a text beyond the limit is refused.
    QByteArray bytes;
    for (;;) {
        const QByteArray chunk = file.read(64 * 1024);
        if (file.error() != QFileDevice::NoError)
            ThrowOpenError(fileName, file.errorString());
        if (chunk.isEmpty())
            break;
        const qsizetype nul = chunk.indexOf('\0');
        bytes += nul < 0 ? chunk : chunk.left(nul);
        if (bytes.size() > MostTextBytes)
            ThrowOpenError(fileName, SystemReason(EFBIG));
        if (nul >= 0)
            break;
    }
    Lines = SplitLines(bytes);
}

QString ScoreLineList::Get(int index) const {
    CheckIndex(index);
    return QString::fromLocal8Bit(Lines[index]);
}

void ScoreLineList::Put(int index, const QString& text) {
    CheckIndex(index);
    Lines[index] = text.toLocal8Bit();
}

void ScoreLineList::SaveToFile(const QString& fileName) const {
    // A link is followed: the file it names is the score file.
    struct stat existing {};
    const bool exists = ::stat(QFile::encodeName(fileName).constData(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        ThrowCreateError(fileName, NotRegularReason(existing.st_mode));
    // QSaveFile words this case in its own terms; give the system's reason instead.
    if (exists && !QFileInfo(fileName).isWritable())
        ThrowCreateError(fileName, SystemReason(EACCES));
    RemoveLeftoverSaves(fileName);

    QByteArray bytes;
    for (const QByteArray& line : Lines) {
        bytes += line;
        bytes += "\r\n";
    }
    // A file with further names keeps them only when it is written in place.
    if (exists && existing.st_nlink > 1) {
        WriteInPlace(fileName, bytes);
        return;
    }

    // The new content goes to a temporary file beside the old one and replaces it only when
    // complete. Any throw below leaves the old file alone: QSaveFile's destructor removes the
    // temporary file. Unbuffered, because Qt's final flush of a buffered QSaveFile can lose a
    // short write (a full disk) and still commit the truncated file.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // Where no file can be made beside it, the file itself is still written, as a plain
        // rewrite would.
        if (exists && !FolderWritable(fileName)) {
            WriteInPlace(fileName, bytes);
            return;
        }
        ThrowCreateError(fileName, file.errorString());
    }
    // The lock tells RemoveLeftoverSaves of another game that this temporary file is in use.
    ::flock(file.handle(), LOCK_EX | LOCK_NB);
    if (exists)
        KeepOwner(file.handle(), existing);
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            ThrowCreateError(fileName, file.errorString());
        done += written;
    }
    // commit() syncs too but ignores a failure there, where a late write error shows.
    if (::fsync(file.handle()) != 0) {
        const int error = errno;
        ThrowCreateError(fileName, SystemReason(error));
    }
    if (!file.commit())
        ThrowCreateError(fileName, file.errorString());
}

void ScoreLineList::Clear() {
    Lines.clear();
}

int ScoreLineList::Count() const {
    return static_cast<int>(Lines.size());
}

void ScoreLineList::CheckIndex(int index) const {
    if (index < 0 || index >= Lines.size())
        throw GameError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

bool ReadSoundSetting(ScoreLineList& ScoreLines) {
    const QString fileName = QString::fromLatin1(ScoreFileName);
    RemoveLeftoverSaves(fileName);
    ScoreLines.LoadFromFile(fileName);
    const bool on = ScoreLines.Get(SoundLine) == SoundOnText;
    ScoreLines.Clear();
    return on;
}

void WriteSoundSetting(ScoreLineList& ScoreLines, bool checked) {
    const QString fileName = QString::fromLatin1(ScoreFileName);
    ScoreLines.Clear();
    ScoreLines.LoadFromFile(fileName);
    ScoreLines.Put(SoundLine, checked ? SoundOnText : SoundOffText);
    ScoreLines.SaveToFile(fileName);
}

int LocateMarker(const ScoreLineList& ScoreLines) {
    // Line 0 is never the marker. Get fails once the search runs past the last line.
    int index = 1;
    while (ScoreLines.Get(index) != MarkerText)
        ++index;
    return index;
}

std::int32_t StrToInt(const QString& text) {
    qsizetype pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    if (pos == text.size())
        ThrowNotAnInteger(text);
    // 2^31 is the largest magnitude any 32-bit value has; stopping there keeps the sum small.
    constexpr std::int64_t Limit = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const char16_t c = text[pos].unicode();
        if (c < u'0' || c > u'9')
            ThrowNotAnInteger(text);
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > Limit)
            ThrowNotAnInteger(text);
    }
    if (!negative && magnitude == Limit)
        ThrowNotAnInteger(text);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::array<BestTimeRecord, 3> ReadBestTimes(const ScoreLineList& ScoreLines, int MarkerIndex) {
    std::array<BestTimeRecord, 3> records{};
    for (int level = 0; level < LevelCount; ++level) {
        records[level].Name = ScoreLines.Get(NameLine(MarkerIndex, level));
        records[level].Seconds = StrToInt(ScoreLines.Get(SecondsLine(MarkerIndex, level)));
    }
    return records;
}

void WriteBestTime(ScoreLineList& ScoreLines, int MarkerIndex, int level, const QString& name,
                   std::int32_t seconds) {
    Q_ASSERT(level >= 0 && level < LevelCount);
    ScoreLines.Put(NameLine(MarkerIndex, level), name);
    ScoreLines.Put(SecondsLine(MarkerIndex, level), QString::number(seconds));
}

void ResetBestTimes(ScoreLineList& ScoreLines, int MarkerIndex) {
    for (int level = 0; level < LevelCount; ++level) {
        ScoreLines.Put(NameLine(MarkerIndex, level), QString());
        ScoreLines.Put(SecondsLine(MarkerIndex, level), QString::fromLatin1(NoBestTime));
    }
}

int LevelOrdinal(int ShownPerBlock) {
    Q_ASSERT(ShownPerBlock >= 3 && ShownPerBlock <= 5);
    return 5 - ShownPerBlock;
}
