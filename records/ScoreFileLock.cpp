// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/ScoreFileLock.h"

#include "records/FileErrors.h"
#include "records/TrustedPath.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// How long a save waits for another save of the same file: one takes milliseconds, and the
// window must not stand still for longer than a moment.
constexpr auto LockPatience = std::chrono::milliseconds(150);
// Beside the file it guards, as the temporaries are.
const QByteArray LockSuffix = ".lock";
// Interrupts a thread's wait for the lock; used by nothing else in the game.
const int WakeSignal = SIGRTMIN + 3;
// Folders in /tmp tried for the private lock, where another user may have planted names.
constexpr int SharedTries = 64;
// The longest name a folder holds.
constexpr qsizetype LongestName = 255;

using Clock = std::chrono::steady_clock;

// A folder of this process's user that no one else may enter, read or write.
bool PrivateFolder(const QByteArray& path) {
    struct stat status {};
    return ::lstat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & 077) == 0;
}

// The folder itself when it is private, made when missing.
QByteArray MadePrivate(const QByteArray& folder) {
    ::mkdir(folder.constData(), 0700);
    return PrivateFolder(folder) ? folder : QByteArray();
}

// The private lock of the score file at `path`: named after the device and inode of its folder,
// which stay while the file itself is replaced by every save, and after its name.
QByteArray PrivateLockPath(const QByteArray& path) {
    const QByteArray folder = PrivateLockFolder();
    struct stat status {};
    if (folder.isEmpty() || ::stat(FolderOf(path).constData(), &status) != 0)
        return {};
    QByteArray name = QByteArray::number(quint64(status.st_dev), 16) + '-' +
                      QByteArray::number(quint64(status.st_ino)) + '-' + NameOf(path) + LockSuffix;
    if (name.size() > LongestName)
        name = QCryptographicHash::hash(name, QCryptographicHash::Sha256).toHex() + LockSuffix;
    return Joined(folder, name);
}

// Beside the private lock: there while files of kept changes may wait beside the score file.
QByteArray KeptNotePath(const QByteArray& path) {
    QByteArray note = PrivateLockPath(path);
    if (!note.isEmpty()) {
        note.chop(LockSuffix.size());
        note += ".kept";
    }
    return note;
}

// A regular file of this process's user with no other name.
bool OwnSingleFile(int file) {
    struct stat status {};
    return ::fstat(file, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid() &&
           status.st_nlink == 1;
}

// The lock file beside the score file at `path`, made when missing. Used only when it is a
// regular file of this process's user with no other name: a lock that another user could open
// is one they could hold. One that others may open is made private again. -1 when there is none
// such.
int OpenBesideLock(const QByteArray& path) {
    const QByteArray name = Joined(FolderOf(path), '.' + NameOf(path) + LockSuffix);
    constexpr int Flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int file = ::open(name.constData(), O_RDWR | O_CREAT | Flags, 0600);
    if (file < 0) // a read-only folder may still hold one
        file = ::open(name.constData(), O_RDONLY | Flags);
    if (file < 0)
        return -1;
    struct stat status {};
    if (!OwnSingleFile(file) || ::fstat(file, &status) != 0 ||
        ((status.st_mode & 077) != 0 && ::fchmod(file, 0600) != 0)) {
        ::close(file);
        return -1;
    }
    return file;
}

enum class Taking { Taken, Busy, Unsupported };

// How long a lock is waited for, and what ends the wait before.
struct Patience {
    LockWait Wait;
    Clock::time_point Until;
    const std::atomic<bool>* Stop;
};

Taking Take(int file, const Patience& patience) {
    for (;;) {
        // A wait for as long as it takes ends here when it is no longer wanted: a signal to the
        // waiting thread interrupts it (WakeLockWait).
        if (patience.Stop != nullptr && patience.Stop->load())
            return Taking::Busy;
        const int blocking = patience.Wait == LockWait::UntilFree ? 0 : LOCK_NB;
        if (::flock(file, LOCK_EX | blocking) == 0)
            return Taking::Taken;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return Taking::Unsupported; // no such locks here
        if (errno == EWOULDBLOCK && Clock::now() > patience.Until)
            return Taking::Busy;
        if (errno == EWOULDBLOCK)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

// Takes the private lock. A game that lets go of it removes its file, so a lock taken on a file
// that is no longer under its name (one opened just before its removal) is let go and taken again
// on the file made anew.
Taking TakePrivate(const QByteArray& path, const Patience& patience, FileHandle& held) {
    for (;;) {
        held.Reset(::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
        struct stat opened {};
        if (held.Get() < 0 || ::fstat(held.Get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
            opened.st_uid != ::geteuid() || opened.st_nlink > 1) {
            held.Reset();
            return Taking::Unsupported;
        }
        const Taking taking = Take(held.Get(), patience);
        if (taking != Taking::Taken)
            return taking;
        struct stat named {};
        if (::lstat(path.constData(), &named) == 0 && opened.st_dev == named.st_dev &&
            opened.st_ino == named.st_ino)
            return Taking::Taken;
    }
}

QByteArray ReadSmallFile(const QByteArray& path) {
    QFile file(QFile::decodeName(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The process that took the flock on the open file, from the kernel's table of locks; 0 when it
// does not say.
qint64 LockingProcess(const struct stat& status) {
    const QByteArray inode = ':' + QByteArray::number(quint64(status.st_ino));
    // "1: FLOCK  ADVISORY  WRITE 4242 fd:00:5309338 0 EOF"; a waiting one has "->" after the
    // number.
    for (const QByteArray& line : ReadSmallFile("/proc/locks").split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 6 && fields[1] == "FLOCK" && fields[5].endsWith(inode))
            return fields[4].toLongLong();
    }
    return 0;
}

// The one other process that has the file open, when it is one: a lock outlives the process that
// took it in any that share its handle (a shell that ran flock on its own handle).
qint64 OnlyOtherOpener(const struct stat& status) {
    qint64 found = 0;
    const QStringList processes = QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& process : processes) {
        const qint64 number = process.toLongLong();
        if (number <= 0 || number == ::getpid())
            continue;
        const QDir handles("/proc/" + process + "/fd");
        for (const QString& handle :
             handles.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            struct stat open {};
            if (::stat(QFile::encodeName(handles.filePath(handle)).constData(), &open) == 0 &&
                open.st_dev == status.st_dev && open.st_ino == status.st_ino) {
                if (found != 0 && found != number)
                    return 0;
                found = number;
            }
        }
    }
    return found;
}

// The process that holds the flock on the open file; 0 when the system does not tell.
qint64 HolderProcess(int file) {
    struct stat status {};
    if (::fstat(file, &status) != 0)
        return 0;
    const qint64 locking = LockingProcess(status);
    if (locking > 0 && QFileInfo::exists("/proc/" + QString::number(locking)))
        return locking;
    return OnlyOtherOpener(status);
}

// Who holds the lock, in the player's words, and whether it is a Tolvane game: one that runs the
// same program as this one, or a program named tolvane.
std::pair<QString, bool> HolderOf(int file) {
    const qint64 process = HolderProcess(file);
    if (process <= 0)
        return {QCoreApplication::translate("ScoreFileLock", "another program"), false};
    const QByteArray proc = "/proc/" + QByteArray::number(process);
    const QString name = QString::fromLocal8Bit(ReadSmallFile(proc + "/comm").trimmed());
    const QString program = QFileInfo(QString::fromLocal8Bit(proc + "/exe")).symLinkTarget();
    if (name == "tolvane" ||
        (!program.isEmpty() && program == QFileInfo("/proc/self/exe").symLinkTarget()))
        return {QCoreApplication::translate("ScoreFileLock", "another Tolvane game"), true};
    if (name.isEmpty())
        return {QCoreApplication::translate("ScoreFileLock", "another program (process %1)")
                    .arg(process),
                false};
    //: %1 the program's name, %2 its process number
    return {QCoreApplication::translate("ScoreFileLock", "another program (%1, process %2)")
                .arg(name)
                .arg(process),
            false};
}

} // namespace

QByteArray PrivateLockFolder() {
    // The same for every game of the player's, whatever its environment: the runtime folder that
    // the system made for the player, else the first folder of the player's own among
    // /tmp/tolvane-UID, /tmp/tolvane-UID.1, ..., passing over those that another user planted.
    const QByteArray user = QByteArray::number(quint64(::geteuid()));
    if (const QByteArray runtime = "/run/user/" + user; PrivateFolder(runtime))
        if (const QByteArray folder = MadePrivate(Joined(runtime, "tolvane")); !folder.isEmpty())
            return folder;
    const QByteArray shared = "/tmp/tolvane-" + user;
    for (int other = 0; other < SharedTries; ++other)
        if (const QByteArray folder =
                MadePrivate(other == 0 ? shared : shared + '.' + QByteArray::number(other));
            !folder.isEmpty())
            return folder;
    return {};
}

void NoteKeptChanges(const QByteArray& path) {
    if (const QByteArray note = KeptNotePath(path); !note.isEmpty())
        FileHandle(::open(note.constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
}

bool TakeKeptNote(const QByteArray& path) {
    const QByteArray note = KeptNotePath(path);
    return note.isEmpty() || ::unlink(note.constData()) == 0 || errno != ENOENT;
}

void WakeLockWait(std::thread& waiting) {
    // A signal that does nothing but end a wait: no restart, so the wait sees its stop.
    static const bool installed = [] {
        struct sigaction wake {};
        wake.sa_handler = [](int) {};
        ::sigemptyset(&wake.sa_mask);
        return ::sigaction(WakeSignal, &wake, nullptr) == 0;
    }();
    if (installed)
        ::pthread_kill(waiting.native_handle(), WakeSignal);
}

QString PrivateLockFile(const QString& fileName) {
    return QFile::decodeName(PrivateLockPath(FileBehind(fileName, ThrowOpenError)));
}

ScoreFileBusy::ScoreFileBusy(const QString& fileName, const QString& holder, bool holderIsGame)
    //: %1 the file, %2 who holds it: "Another program (flock, process 4242)"
    : GameError(QCoreApplication::translate("ScoreFileLock",
                                            "Cannot create file \"%1\". %2 holds it just now")
                    .arg(QFileInfo(fileName).absoluteFilePath(),
                         holder.left(1).toUpper() + holder.mid(1))),
      Who(holder), Game(holderIsGame) {}

ScoreFileBusy::ScoreFileBusy(const QString& fileName)
    //: %1 the file
    : GameError(QCoreApplication::translate(
                    "ScoreFileLock",
                    "Cannot create file \"%1\". No lock of yours can be had on it just now")
                    .arg(QFileInfo(fileName).absoluteFilePath())),
      Game(false), Lockable(false) {}

ScoreFileLock::ScoreFileLock(const QString& fileName, LockWait wait,
                             const std::atomic<bool>* stop) {
    const QByteArray path = FileBehind(fileName, ThrowOpenError);
    // Without a score file there is nothing to save, and nothing is added beside what is there.
    struct stat score {};
    if (::lstat(path.constData(), &score) != 0 || !S_ISREG(score.st_mode))
        return;
    const Patience patience{
        wait, Clock::now() + (wait == LockWait::Moment ? LockPatience : Clock::duration()), stop};
    auto busy = [&fileName](const FileHandle& held) {
        const auto [holder, game] = HolderOf(held.Get());
        return ScoreFileBusy(fileName, holder, game);
    };
    PrivatePath = PrivateLockPath(path);
    if (!PrivatePath.isEmpty()) {
        const Taking taking = TakePrivate(PrivatePath, patience, Private);
        if (taking == Taking::Busy) {
            const ScoreFileBusy error = busy(Private);
            Private.Reset();
            throw error;
        }
        if (taking == Taking::Unsupported)
            PrivatePath.clear();
    }
    Beside.Reset(OpenBesideLock(path));
    const Taking taking = Beside.Get() < 0 ? Taking::Unsupported : Take(Beside.Get(), patience);
    if (taking == Taking::Busy) {
        const ScoreFileBusy error = busy(Beside);
        LetGo();
        throw error;
    }
    if (taking == Taking::Unsupported)
        Beside.Reset();
    // Never a save unlocked: another game of the player's may be saving just now.
    if (PrivatePath.isEmpty() && Beside.Get() < 0)
        throw ScoreFileBusy(fileName);
}

ScoreFileLock::~ScoreFileLock() {
    LetGo();
}

void ScoreFileLock::LetGo() {
    // Removed while still held: a game waiting for it takes it again on a file made anew.
    if (!PrivatePath.isEmpty() && Private.Get() >= 0)
        ::unlink(PrivatePath.constData());
    Private.Reset();
    Beside.Reset();
}
