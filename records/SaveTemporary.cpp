// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/SaveTemporary.h"

#include "records/TrustedPath.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Hidden, after the file it replaces, with a marker no player's copy carries. mkostemp fills in
// the six characters.
const QByteArray TemporaryMarker = ".saving-";

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether the file open as `handle` is still the one under `path`.
bool StillNamed(int handle, const QByteArray& path) {
    struct stat opened {
    }, named{};
    return ::fstat(handle, &opened) == 0 && ::lstat(path.constData(), &named) == 0 &&
           SameFile(opened, named);
}

// The six characters that end the name of a file of the game's own.
bool IsLetterOrDigit(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

} // namespace

SaveTemporary::SaveTemporary(const QByteArray& path) {
    const QByteArray pattern =
        Joined(FolderOf(path), '.' + NameOf(path) + TemporaryMarker + "XXXXXX");
    // Another game's cleanup may take a temporary in the moment between its making and its lock;
    // one that lost its name so is made again.
    for (int tries = 0; tries < 100; ++tries) {
        Path = pattern;
        File.Reset(::mkostemp(Path.data(), O_CLOEXEC));
        if (File.Get() < 0)
            return;
        int locked = 0;
        while ((locked = ::flock(File.Get(), LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (locked == 0 && StillNamed(File.Get(), Path))
            return;
        File.Reset();
    }
    errno = EEXIST;
}

SaveTemporary::~SaveTemporary() {
    if (File.Get() >= 0 && !Renamed)
        RemoveIfStill(File.Get(), Path);
}

bool SaveTemporary::RenameTo(const QByteArray& path) {
    Renamed = ::rename(Path.constData(), path.constData()) == 0;
    return Renamed;
}

int SaveTemporary::Release() {
    // Nothing to remove any more: the file has a name of its own now.
    Renamed = true;
    return File.Release();
}

int WriteAll(int handle, const QByteArray& bytes, qsizetype* written) {
    qsizetype done = 0;
    int error = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::pwrite(handle, bytes.constData() + done, bytes.size() - done, done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            error = got < 0 ? errno : ENOSPC;
            break;
        }
        done += got;
    }
    if (written != nullptr)
        *written = done;
    return error;
}

int SyncFolder(const QByteArray& path) {
    FileHandle folder(::open(FolderOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0 && ::fsync(folder.Get()) != 0 && errno != EINVAL)
        return errno;
    return 0;
}

QList<QByteArray> MarkedFilesBeside(const QByteArray& path, const QByteArray& marker) {
    // Read straight from the folder, unsorted and without a look at each name's file: a shared
    // folder may hold a hundred thousand names of others, and a save must not stand still.
    const QByteArray prefix = '.' + NameOf(path) + marker;
    const std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir(FolderOf(path).constData()),
                                                     ::closedir);
    QList<QByteArray> found;
    if (!folder)
        return found;
    while (const dirent* entry = ::readdir(folder.get())) {
        const QByteArrayView name(entry->d_name);
        if (name.size() == prefix.size() + 6 && name.startsWith(prefix) &&
            std::all_of(name.end() - 6, name.end(), IsLetterOrDigit))
            found.append(Joined(FolderOf(path), name.toByteArray()));
    }
    return found;
}

int OpenAbandoned(const QByteArray& path) {
    struct stat named {};
    if (::lstat(path.constData(), &named) != 0 || !S_ISREG(named.st_mode))
        return -1;
    FileHandle file(::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {};
    if (file.Get() < 0 || ::fstat(file.Get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
        opened.st_uid != ::geteuid() || opened.st_nlink != 1 ||
        ::flock(file.Get(), LOCK_EX | LOCK_NB) != 0 || !StillNamed(file.Get(), path))
        return -1;
    return file.Release();
}

void RemoveIfStill(int handle, const QByteArray& path) {
    if (StillNamed(handle, path))
        ::unlink(path.constData());
}

void RemoveLeftoversBeside(const QByteArray& path) {
    for (const QByteArray& temporary : MarkedFilesBeside(path, TemporaryMarker)) {
        const FileHandle file(OpenAbandoned(temporary));
        if (file.Get() >= 0)
            RemoveIfStill(file.Get(), temporary);
    }
}
