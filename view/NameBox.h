// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The box that asks a new record holder for their name.

#include <QString>

class QWidget;

// "New Best time": the name typed, up to 255 characters, starting as "Anonymous" all selected;
// Cancel or the close box give "Anonymous".
QString AskName(QWidget* parent);
