// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/PrintCommand.h"

#include "app/Forms.h"
#include "app/TForm1.h"
#include "platform/GameError.h"
#include "platform/MessageBoxes.h"
#include "view/BoardArea.h"
#include "view/Printing.h"

#include <QFrame>
#include <QPrinter>
#include <QPrinterInfo>

#include <exception>

namespace {

void ShowPrintedPanels(bool printed) {
    Form1->Panel1->setVisible(!printed);
    Form1->Panel2->setVisible(printed);
    Form1->AutoSize();
}

} // namespace

void PrintBoard(QPrinter& printer) {
    ShowPrintedPanels(true);
    // The window comes back whether the page was printed or not; then the failure is reported.
    try {
        PrintImage(printer, WindowImage(*Form1->ClientArea));
    } catch (...) {
        ShowPrintedPanels(false);
        throw;
    }
    ShowPrintedPanels(false);
}

void PrintCommand() {
    if (!Confirm(Form1, "Do you want to print the current puzzle ?"))
        return;
    if (QPrinterInfo::availablePrinters().isEmpty())
        throw GameError("There is no default printer currently selected");
    if (!Form1->PrintDialog1) {
        Form1->Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        Form1->PrintDialog1 = std::make_unique<BoardPrintDialog>(Form1->Printer.get(), Form1);
    }
    if (Form1->PrintDialog1->exec() != QDialog::Accepted)
        return;
    PrintBoard(*Form1->Printer);
}
