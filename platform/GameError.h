// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A failure of one of the game's operations (file, list, number conversion, sound device,
// printer). It ends the running event handler and is shown in the standard error box.

#include <QString>

#include <stdexcept>

class GameError : public std::runtime_error {
  public:
    explicit GameError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString Message() const { return QString::fromUtf8(what()); }
};
