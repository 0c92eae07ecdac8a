// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The name of a new record holder: asked for, and made fit for the score file. The flow that
// offers a record and shows the best times is control/BestTimesFlow.cpp.

#include <QString>

// A player's name as it goes into the score file: characters that would break its line (line
// breaks, NUL) become spaces, and it is cut to its first 15 characters, never inside one.
QString NameForRecord(const QString& typed);

// Asks for the name of a new record holder; Cancel or the close box give "Anonymous".
class QWidget;
QString AskName(QWidget* parent);
