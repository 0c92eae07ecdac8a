// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The way from a file's name to the file itself, in a folder that belongs to the player. A link
// on the way is followed only when it belongs to this process's user or to root, as the kernel
// does in sticky folders; a link of anyone else stops it, so that a game run by root never reads
// or writes a file that another user pointed it to.

#include "records/FileErrors.h"

#include <QByteArray>
#include <QString>

// The absolute path of the file that fileName leads to, with every link on the way followed and
// checked: a link of another user, or a loop, stops it with `fail`. A part that does not exist is
// taken as it is; opening the path then gives the system's reason.
QByteArray FileBehind(const QString& fileName, FileFailure fail);

// The folder of a path ("/" for a file at the top), the name in it, and the two joined again.
QByteArray FolderOf(const QByteArray& path);
QByteArray NameOf(const QByteArray& path);
QByteArray Joined(const QByteArray& folder, const QByteArray& name);
