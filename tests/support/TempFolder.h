// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh temporary folder made the working directory for one test, as the game reads its files
// by bare name from there. The previous working directory comes back when it goes.

#include <QString>
#include <QTemporaryDir>

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    QString Path(const QString& name = {}) const;
    void Write(const QString& name, const QByteArray& bytes) const;
    QByteArray Read(const QString& name) const;
    // Copies the game's supplied files (score file and sounds) into the folder.
    void CopyGameFiles() const;

  private:
    QTemporaryDir Dir;
    QString Previous;
};
