// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PrintCommand.h"

#include "app/MainWindow.h"
#include "platform/AutoSize.h"
#include "platform/GameError.h"
#include "platform/MessageBoxes.h"
#include "view/BoardArea.h"
#include "view/Printing.h"

#include <QCoreApplication>
#include <QFrame>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <exception>

namespace {

void ShowPrintedPanels(MainWindow& window, bool printed) {
    window.ToolPanel->setVisible(!printed);
    window.PrintStrip->setVisible(printed);
    AutoSize(*window.ClientArea);
}

} // namespace

PrintSetup::PrintSetup() = default;
PrintSetup::~PrintSetup() = default;

void PrintBoard(MainWindow& window, QPrinter& printer) {
    ShowPrintedPanels(window, true);
    // The window comes back whether the page was printed or not; then the failure is reported.
    try {
        PrintImage(printer, WindowImage(*window.ClientArea));
    } catch (...) {
        ShowPrintedPanels(window, false);
        throw;
    }
    ShowPrintedPanels(window, false);
}

void PrintCommand(MainWindow& window) {
    if (!Confirm(&window, QCoreApplication::translate("PrintCommand",
                                                      "Do you want to print the current puzzle ?")))
        return;
    if (QPrinterInfo::availablePrinters().isEmpty())
        throw GameError(QCoreApplication::translate(
            "PrintCommand", "There is no default printer currently selected"));
    PrintSetup& setup = window.Printing;
    if (!setup.Dialog) {
        setup.Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        setup.Dialog = std::make_unique<BoardPrintDialog>(setup.Printer.get(), &window);
    }
    if (setup.Dialog->exec() != QDialog::Accepted)
        return;
    PrintBoard(window, *setup.Printer);
}
