// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The box that asks a new record holder for their name.

#include <QString>

class QWidget;

// "New Best time": the name typed, up to 255 characters, starting as "Anonymous" (in the
// player's language) all selected; Cancel, the close box or the offered name give "Anonymous".
QString AskName(QWidget* parent);

// A stored name as the best-times window shows it: "Anonymous" in the player's language.
QString NameShown(const QString& stored);
