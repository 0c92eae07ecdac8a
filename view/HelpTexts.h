// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the help window, in the player's language. Each heading stands on a line of its
// own.

#include <QString>

QString HowToPlayText();
// The rules, in the four parts that stand between the example pictures.
QString RulesIntroductionText(); // "Rules of Tolvane:" and "Blocks"
QString RowsAndColumnsText();
QString ConsequencesText();
QString WorkingText(); // the end of "Consequences" and "The working of Tolvane"
