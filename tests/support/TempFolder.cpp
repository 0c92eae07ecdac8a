// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>

#ifndef TOLVANE_ASSETS_DIR
#error "TOLVANE_ASSETS_DIR must name the folder of the game's supplied files"
#endif

TempFolder::TempFolder() : Previous(QDir::currentPath()) {
    QDir::setCurrent(Dir.path());
}

TempFolder::~TempFolder() {
    QDir::setCurrent(Previous);
}

QString TempFolder::Path(const QString& name) const {
    return name.isEmpty() ? Dir.path() : Dir.filePath(name);
}

void TempFolder::Write(const QString& name, const QByteArray& bytes) const {
    QFile file(Path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("Cannot write %s", qPrintable(Path(name)));
}

QByteArray TempFolder::Read(const QString& name) const {
    QFile file(Path(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Cannot read %s", qPrintable(Path(name)));
    return file.readAll();
}

void TempFolder::CopyGameFiles() const {
    const QDir assets(TOLVANE_ASSETS_DIR);
    const QStringList names = assets.entryList({"*.wav", "highscores.txc"}, QDir::Files);
    for (const QString& name : names) {
        QFile::remove(Path(name));
        if (!QFile::copy(assets.filePath(name), Path(name)))
            qFatal("Cannot copy %s", qPrintable(name));
        QFile::setPermissions(Path(name), QFile::ReadOwner | QFile::WriteOwner);
    }
}
