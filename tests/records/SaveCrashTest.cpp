// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A power cut at any moment of a save: the score file must then be the old one or the new one,
// whole, and once the save has returned it must be the new one.
//
// The save's calls that make something last or change a name (fsync, rename, unlink) are caught
// on their way to the C library. After each of them the test works out what a disk would hold
// after a power cut right then: a file's bytes as of its last fsync, and the folder's names as
// of its last fsync or, since a journal may commit a rename at any time, as they are now. A save
// that renames a temporary that was never synced, or never syncs the folder, fails here.

#include "records/ScoreFile.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Inode = std::pair<dev_t, ino_t>;
using Names = QMap<QByteArray, Inode>;

Inode InodeOf(const struct stat& status) {
    return {status.st_dev, status.st_ino};
}

// The regular files in a folder by name.
Names ListFolder(const QByteArray& folder) {
    Names names;
    DIR* dir = ::opendir(folder.constData());
    if (dir == nullptr)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        struct stat status {};
        if (::fstatat(::dirfd(dir), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode))
            names.insert(entry->d_name, InodeOf(status));
    }
    ::closedir(dir);
    return names;
}

QByteArray ContentOf(int fd) {
    QByteArray bytes;
    char buffer[4096];
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(fd, buffer, sizeof buffer, at);
        if (got <= 0)
            return bytes;
        bytes.append(buffer, got);
        at += got;
    }
}

// What a disk would hold of one folder after a power cut, and the checks made at every moment.
struct PowerCut {
    QByteArray Folder, Name, Old, New;
    Inode FolderInode{};
    Names SyncedNames;
    QMap<Inode, QByteArray> SyncedBytes;
    QStringList Faults;
    int Moments = 0;

    void Start(const QByteArray& folder, const QByteArray& name, const QByteArray& old,
               const QByteArray& wanted) {
        Folder = folder;
        Name = name;
        Old = old;
        New = wanted;
        struct stat status {};
        ::stat(folder.constData(), &status);
        FolderInode = InodeOf(status);
        // What was there before the save is on disk.
        SyncedNames = ListFolder(folder);
        SyncedBytes.clear();
        for (auto named = SyncedNames.cbegin(); named != SyncedNames.cend(); ++named) {
            const int fd = ::open((Folder + '/' + named.key()).constData(), O_RDONLY | O_CLOEXEC);
            SyncedBytes.insert(named.value(), ContentOf(fd));
            ::close(fd);
        }
        Faults.clear();
        Moments = 0;
    }

    void Synced(int fd) {
        struct stat status {};
        if (::fstat(fd, &status) != 0)
            return;
        if (S_ISREG(status.st_mode))
            SyncedBytes.insert(InodeOf(status), ContentOf(fd));
        else if (S_ISDIR(status.st_mode) && InodeOf(status) == FolderInode)
            SyncedNames = ListFolder(Folder);
    }

    // The score file after a power cut now, with the folder's names as `names` say.
    QByteArray Survivor(const Names& names) const {
        if (!names.contains(Name))
            return "(no file)";
        // A file made during the save and never synced comes back empty.
        return SyncedBytes.value(names.value(Name));
    }

    void Moment(const char* after) {
        ++Moments;
        for (const Names& names : {SyncedNames, ListFolder(Folder)}) {
            const QByteArray left = Survivor(names);
            if (left != Old && left != New)
                Faults.append(QStringLiteral("a power cut after %1 (call %2) leaves \"%3\"")
                                  .arg(after)
                                  .arg(Moments)
                                  .arg(QString::fromLatin1(left.toPercentEncoding(" "))));
        }
    }
};

// Set only while a save runs under watch.
PowerCut* Watched = nullptr;

template <typename Function> Function Real(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

} // namespace

// The C library's calls, seen first here. Outside a watched save they only pass on.
extern "C" {
// Either sync makes the file's data durable.
static int NotedSync(int (*real)(int), int fd, const char* name) {
    const int result = real(fd);
    if (Watched != nullptr && result == 0) {
        Watched->Synced(fd);
        Watched->Moment(name);
    }
    return result;
}

int fsync(int fd) {
    static const auto real = Real<int (*)(int)>("fsync");
    return NotedSync(real, fd, "fsync");
}

int fdatasync(int fd) {
    static const auto real = Real<int (*)(int)>("fdatasync");
    return NotedSync(real, fd, "fdatasync");
}

int rename(const char* from, const char* to) noexcept {
    static const auto real = Real<int (*)(const char*, const char*)>("rename");
    const int result = real(from, to);
    if (Watched != nullptr)
        Watched->Moment("rename");
    return result;
}

int unlink(const char* path) noexcept {
    static const auto real = Real<int (*)(const char*)>("unlink");
    const int result = real(path);
    if (Watched != nullptr)
        Watched->Moment("unlink");
    return result;
}
}

namespace {

const QString FileName = QString::fromLatin1(ScoreFileName);
const QByteArray Before = "Tolvane\r\nkept\r\n\r\ns\r\nhigh\r\nAnn\r\n300\r\nBo\r\n400\r\n"
                          "Cy\r\n500\r\n";

} // namespace

class SaveCrashTest : public QObject {
    Q_OBJECT

  private slots:
    // The score file in the working folder, or a link to one in another folder: there the
    // folder to sync is the other one.
    void everyMomentLeavesOldOrNew_data() {
        QTest::addColumn<bool>("linked");
        QTest::newRow("in the folder") << false;
        QTest::newRow("through a link") << true;
    }
    void everyMomentLeavesOldOrNew() {
        QFETCH(bool, linked);
        TempFolder folder;
        QTemporaryDir elsewhere;
        QString real = folder.Path(FileName);
        if (linked) {
            real = elsewhere.filePath(QStringLiteral("real.txc"));
            QVERIFY(QFile::link(real, FileName));
        }
        QFile file(real);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(Before) == Before.size());
        file.close();
        QByteArray after = Before;
        after.replace("\r\ns\r\n", "\r\nns\r\n");

        PowerCut cut;
        cut.Start(QFile::encodeName(QFileInfo(real).absolutePath()),
                  QFile::encodeName(QFileInfo(real).fileName()), Before, after);
        ScoreFileStore lines;
        Watched = &cut;
        WriteSoundSetting(lines, false);
        Watched = nullptr;

        QVERIFY2(cut.Faults.isEmpty(), qPrintable(cut.Faults.join('\n')));
        // Once the save has returned, a power cut must not bring back the old file.
        QCOMPARE(cut.Survivor(cut.SyncedNames), after);
        // The save syncs and renames: without those moments the test saw nothing.
        QVERIFY2(cut.Moments >= 3, qPrintable(QString::number(cut.Moments)));
        QCOMPARE(folder.Read(FileName), after);
    }
};

QTEST_GUILESS_MAIN(SaveCrashTest)
#include "SaveCrashTest.moc"
