// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour the game's windows and the board are painted on: the desktop's button face.

#include <QColor>

QColor ButtonFace();
