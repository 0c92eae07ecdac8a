// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Print command: the window's image, tool panel replaced by an empty strip, on one page.

#include <memory>

class QPrintDialog;
class QPrinter;
class MainWindow;

// The printer and its dialog, made at the first Print and kept for the run, so that the dialog
// offers the player's last choices again.
struct PrintSetup {
    PrintSetup();
    ~PrintSetup();
    std::unique_ptr<QPrinter> Printer;
    std::unique_ptr<QPrintDialog> Dialog;
};

// Asks, chooses the printer and prints.
void PrintCommand(MainWindow& window);
// Prints on a printer already chosen.
void PrintBoard(MainWindow& window, QPrinter& printer);
