// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/ScoreFileLock.h"

#include "records/FileErrors.h"
#include "records/TrustedPath.h"

#include <QByteArray>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// How long a save waits for another game's save in the same folder: one takes milliseconds,
// and the window must not stand still for longer than a moment.
constexpr auto LockPatience = std::chrono::milliseconds(150);
// Beside the file it guards, as the temporaries are.
const QByteArray LockSuffix = ".lock";

// The lock file beside the score file at `path`, made when missing. Used only when it is a regular
// file of this process's user that no one else may open and that has no other name: a lock that
// another user could open is one they could hold. -1 when there is none such.
int OpenLockFile(const QByteArray& path) {
    // Without a score file there is nothing to save, and nothing is added beside what is there.
    struct stat score {};
    if (::lstat(path.constData(), &score) != 0 || !S_ISREG(score.st_mode))
        return -1;
    const QByteArray name = Joined(FolderOf(path), '.' + NameOf(path) + LockSuffix);
    constexpr int Flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int file = ::open(name.constData(), O_RDWR | O_CREAT | Flags, 0600);
    if (file < 0) // a read-only folder may still hold one
        file = ::open(name.constData(), O_RDONLY | Flags);
    if (file < 0)
        return -1;
    struct stat status {};
    if (::fstat(file, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid() ||
        status.st_nlink != 1 || (status.st_mode & 077) != 0) {
        ::close(file);
        return -1;
    }
    return file;
}

} // namespace

ScoreFileLock::ScoreFileLock(const QString& fileName, LockWait wait) {
    File = OpenLockFile(FileBehind(fileName, ThrowOpenError));
    if (File < 0)
        return;
    const auto until = std::chrono::steady_clock::now() +
                       (wait == LockWait::Moment ? LockPatience : std::chrono::milliseconds(0));
    while (::flock(File, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return; // no such locks here
        if (std::chrono::steady_clock::now() > until) {
            ::close(File);
            File = -1;
            throw ScoreFileBusy(QStringLiteral("Cannot create file \"%1\". Another game is "
                                               "saving it just now")
                                    .arg(QFileInfo(fileName).absoluteFilePath()));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

ScoreFileLock::~ScoreFileLock() {
    if (File >= 0)
        ::close(File);
}
