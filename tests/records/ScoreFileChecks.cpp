// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/records/ScoreFileChecks.h"

#include "platform/GameError.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <exception>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

QString ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const GameError& error) {
        return error.Message();
    } catch (const std::exception& error) {
        return QStringLiteral("not a GameError: ") + QString::fromUtf8(error.what());
    }
    return QStringLiteral("no error");
}

QStringList LinesOf(const ScoreFileStore& lines) {
    QStringList result;
    for (int i = 0; i < lines.Count(); ++i)
        result.append(lines.Get(i));
    return result;
}

QByteArray CrLfFile(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

QString FullPath(const QString& name) {
    return QDir::currentPath() + QLatin1Char('/') + name;
}

QString OutOfBounds(int index) {
    return QStringLiteral("List index out of bounds (%1)").arg(index);
}

const QStringList SampleLines = {
    QStringLiteral("Tolvane"),
    QStringLiteral(" keep me "),
    QString(),
    QStringLiteral("ns"),
    QStringLiteral("notes"),
    QStringLiteral("high"),
    QStringLiteral("Ann"),
    QStringLiteral("100"),
    QStringLiteral("Bob"),
    QStringLiteral("200"),
    QStringLiteral("Cy"),
    QStringLiteral("300"),
    QString(),
    QStringLiteral("high"),
    QStringLiteral("tail"),
};

void WriteAt(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("Cannot write %s", qPrintable(path));
}

QByteArray ReadAt(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Cannot read %s", qPrintable(path));
    return file.readAll();
}

QStringList Listing(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                               QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &Saved);
    PreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = Saved;
    lowered.rlim_cur = bytes;
    Active = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
}

FileSizeLimit::~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &Saved);
    std::signal(SIGXFSZ, PreviousHandler);
}

bool Held(const QString& path) {
    const int file = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return false;
    const bool held = ::flock(file, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(file);
    return held;
}

HeldLock::HeldLock(const QString& path, int seconds) {
    const QByteArray name = QFile::encodeName(path);
    int ready[2];
    if (::pipe2(ready, O_CLOEXEC) != 0)
        return;
    Game = ::fork();
    if (Game == 0) {
        // Only what is safe between fork and exit in a process with threads.
        int file = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
        if (file < 0 && errno == ENOENT)
            file = ::open(name.constData(), O_RDONLY | O_CREAT | O_CLOEXEC, 0600);
        const char held = file >= 0 && ::flock(file, LOCK_EX | LOCK_NB) == 0 ? 1 : 0;
        if (::write(ready[1], &held, 1) == 1 && held)
            ::sleep(unsigned(seconds));
        ::_exit(0);
    }
    ::close(ready[1]);
    char held = 0;
    Holding = Game > 0 && ::read(ready[0], &held, 1) == 1 && held == 1;
    ::close(ready[0]);
}

void HeldLock::Release() {
    if (Game > 0) {
        ::kill(Game, SIGKILL);
        ::waitpid(Game, nullptr, 0);
    }
    Game = -1;
}

ProgramHoldingLock::ProgramHoldingLock(const QString& path, uid_t otherUser, int seconds) {
    Holder.setStandardOutputFile(QProcess::nullDevice());
    Holder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QStringList shell = {"sh", "-c", "exec 9<\"$0\" && flock 9 && exec sleep $1", path,
                               QString::number(seconds)};
    if (otherUser == uid_t(-1)) {
        Holder.start(shell[0], shell.mid(1));
    } else {
        const QString id = QString::number(otherUser);
        Holder.start("setpriv",
                     QStringList{"--reuid=" + id, "--regid=" + id, "--clear-groups"} + shell);
    }
    Holder.waitForStarted();
}

ProgramHoldingLock::~ProgramHoldingLock() {
    Holder.kill();
    Holder.waitForFinished();
}
