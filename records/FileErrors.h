// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The failures of the score file's loads and saves, in the game's words: each names the file's
// full path and gives the reason. Thrown as GameError.

#include <QString>

#include <sys/types.h>

// The system's text for an error number.
QString SystemReason(int error);

// The reason given for anything but a regular file in the score file's place.
QString NotRegularReason(mode_t mode);

using FileFailure = void (*)(const QString& fileName, const QString& reason);

// "Cannot open file "PATH". REASON": a load failed.
[[noreturn]] void ThrowOpenError(const QString& fileName, const QString& reason);
// "Cannot create file "PATH". REASON": a save failed.
[[noreturn]] void ThrowCreateError(const QString& fileName, const QString& reason);
// "Cannot save file "PATH". REASON. The file is left as it was: ...": a save was refused or
// failed before the file changed.
[[noreturn]] void ThrowNotSavedError(const QString& fileName, const QString& reason);
