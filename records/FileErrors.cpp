// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/FileErrors.h"

#include "platform/GameError.h"

#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <system_error>

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::generic_category().message(error).c_str());
}

QString NotRegularReason(mode_t mode) {
    if (S_ISDIR(mode))
        return SystemReason(EISDIR);
    if (S_ISFIFO(mode))
        return QStringLiteral("Is a named pipe, not a file");
    if (S_ISLNK(mode))
        return QStringLiteral("Is a link that was put in its place meanwhile");
    return QStringLiteral("Is not a regular file");
}

void ThrowOpenError(const QString& fileName, const QString& reason) {
    throw GameError(QStringLiteral("Cannot open file \"%1\". %2")
                        .arg(QFileInfo(fileName).absoluteFilePath(), reason));
}

void ThrowCreateError(const QString& fileName, const QString& reason) {
    throw GameError(QStringLiteral("Cannot create file \"%1\". %2")
                        .arg(QFileInfo(fileName).absoluteFilePath(), reason));
}

void ThrowNotSavedError(const QString& fileName, const QString& reason) {
    throw GameError(QStringLiteral("Cannot save file \"%1\". %2. The file is left as it was: the "
                                   "earlier best times are unchanged")
                        .arg(QFileInfo(fileName).absoluteFilePath(), reason));
}
