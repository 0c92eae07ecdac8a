// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/TrustedPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>

#include <cerrno>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Links followed on the way to one file before it counts as a loop, as the kernel counts.
constexpr int MostLinks = 40;

QByteArray LinkTarget(const QByteArray& link) {
    QByteArray target(PATH_MAX, '\0');
    const ssize_t size = ::readlink(link.constData(), target.data(), target.size());
    return size < 0 ? QByteArray() : target.left(size);
}

// A link is trusted when this process's user or root owns it: the kernel's rule for sticky
// folders, applied in every folder, so that root never follows another user's link.
bool TrustedLink(const struct stat& link) {
    return link.st_uid == ::geteuid() || link.st_uid == 0;
}

} // namespace

QByteArray FolderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

QByteArray NameOf(const QByteArray& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

QByteArray Joined(const QByteArray& folder, const QByteArray& name) {
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

QByteArray FileBehind(const QString& fileName, FileFailure fail) {
    QByteArray start = QFile::encodeName(fileName);
    if (!start.startsWith('/'))
        start = Joined(QFile::encodeName(QDir::currentPath()), start);
    QList<QByteArray> pending = start.split('/');
    QByteArray done = "/";
    int links = 0;
    while (!pending.isEmpty()) {
        const QByteArray part = pending.takeFirst();
        if (part.isEmpty() || part == ".")
            continue;
        if (part == "..") {
            done = FolderOf(done);
            continue;
        }
        const QByteArray path = Joined(done, part);
        struct stat status {};
        if (::lstat(path.constData(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            done = path;
            continue;
        }
        if (!TrustedLink(status))
            fail(fileName, QCoreApplication::translate(
                               "TrustedPath", "It leads through the link \"%1\", which belongs to "
                                              "another user; the game does not follow it")
                               .arg(QFile::decodeName(path)));
        if (++links > MostLinks)
            fail(fileName, SystemReason(ELOOP));
        const QByteArray target = LinkTarget(path);
        if (target.isEmpty()) { // gone meanwhile: opening it tells
            done = path;
            continue;
        }
        if (target.startsWith('/'))
            done = "/";
        pending = target.split('/') + pending;
    }
    return done;
}
