// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the secondary windows read to a screen reader when they open. A screen reader reads the
// labels of a window as it opens, not the text of its text boxes: so the game's read-only text
// boxes (the notice's lines, the rules) are presented as labels, and the best times as one label
// a row, level, name and time, in place of their three columns.

class QAccessibleInterface;
class QObject;
class QString;

// The presentation of `object` of class `className`, when it is one of the above; else none.
QAccessibleInterface* WindowTextInterface(const QString& className, QObject* object);

// Tells that the name of `changed` is another now. A screen reader may ignore the news itself,
// but its accessibility library keeps names, and would read a notice shown again, or a window
// opened again, with the name it had before.
void TellRenamed(QAccessibleInterface* changed);
