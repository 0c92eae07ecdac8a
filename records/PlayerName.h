// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The name of a new record holder, made fit for the score file. The box that asks for it is
// view/NameBox.cpp; the flow that offers a record and shows the best times is
// control/BestTimesFlow.cpp.

#include <QString>

// A player's name as it goes into the score file: characters that would break its line (line
// breaks, NUL) become spaces, and it is cut to its first 15 characters, never inside one.
QString NameForRecord(const QString& typed);
