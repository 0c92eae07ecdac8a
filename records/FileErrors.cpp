// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/FileErrors.h"

#include "platform/GameError.h"

#include <QCoreApplication>
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
        return QCoreApplication::translate("FileErrors", "Is a named pipe, not a file");
    if (S_ISLNK(mode))
        return QCoreApplication::translate("FileErrors", "Is a link that was put in its place meanwhile");
    return QCoreApplication::translate("FileErrors", "Is not a regular file");
}

void ThrowOpenError(const QString& fileName, const QString& reason) {
    //: %1 the file, %2 the reason
    throw GameError(QCoreApplication::translate("FileErrors", "Cannot open file \"%1\". %2")
                        .arg(QFileInfo(fileName).absoluteFilePath(), reason));
}

void ThrowCreateError(const QString& fileName, const QString& reason) {
    //: %1 the file, %2 the reason
    throw GameError(QCoreApplication::translate("FileErrors", "Cannot create file \"%1\". %2")
                        .arg(QFileInfo(fileName).absoluteFilePath(), reason));
}

void ThrowNotSavedError(const QString& fileName, const QString& reason) {
    //: %1 the file, %2 the reason
    throw GameError(QCoreApplication::translate("FileErrors", "Cannot save file \"%1\". %2. The file is left as it was: "
                                                     "the earlier best times are unchanged")
                        .arg(QFileInfo(fileName).absoluteFilePath(), reason));
}
