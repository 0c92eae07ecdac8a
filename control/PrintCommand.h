// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Print command: the window's image, tool panel replaced by an empty strip, on one page.

class QPrinter;

// Asks, chooses the printer and prints.
void PrintCommand();
// Prints on a printer already chosen.
void PrintBoard(QPrinter& printer);
