// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Printing through CUPS: the Print command with its confirmation and the print dialog, a PDF
// print queue on a print server of the test's own, and the finished page checked.

#include "app/MainWindow.h"
#include "engine/Game.h"
#include "tests/support/GamePlay.h"
#include "tests/support/GameSession.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestWindows.h"
#include "view/BoardArea.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFrame>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QTest>

namespace {

// The print-to-PDF queue of the test's own print server writes its files here.
QDir OutputFolder() {
    return QDir(qEnvironmentVariable("TOLVANE_PRINT_OUTPUT"));
}

QStringList PdfFiles() {
    return OutputFolder().entryList({"*.pdf"}, QDir::Files, QDir::Time);
}

} // namespace

class CupsPrintingTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        PrepareApplication();
        // Never the system's print server: the script starts one of the test's own.
        QVERIFY2(qEnvironmentVariableIsSet("CUPS_SERVER") &&
                     qEnvironmentVariableIsSet("TOLVANE_PRINT_OUTPUT"),
                 "run this through cups_printing_test.sh");
        QVERIFY2(!QPrinterInfo::printerInfo("PDF").isNull(), "no print queue named PDF");
    }

    void printCommandSendsTheBoardToThePrinter() {
        GameSession session;
        Windows.Main->show();
        QVERIFY(QTest::qWaitForWindowExposed(Windows.Main));
        StartNewGame();
        QVERIFY(Windows.Main->PrintItem->isEnabled());
        const int open = FirstOpenCell();
        TheGame().Entries[open] = 5;
        const auto entries = TheGame().Entries;
        const QStringList before = PdfFiles();

        bool noPrintToFile = false, noRange = false, noSelection = false;
        AnswerInOrder({Press("Yes"), [&](QWidget* window) {
                           auto* dialog = qobject_cast<QPrintDialog*>(window);
                           QVERIFY(dialog);
                           noPrintToFile = !dialog->testOption(QAbstractPrintDialog::PrintToFile);
                           noRange = !dialog->testOption(QAbstractPrintDialog::PrintPageRange);
                           noSelection = !dialog->testOption(QAbstractPrintDialog::PrintSelection);
                           dialog->printer()->setPrinterName("PDF");
                           dialog->accept();
                       }});
        Windows.Main->PrintItem->trigger();
        QVERIFY(noPrintToFile && noRange && noSelection);
        // Printing changes nothing of the game and leaves the clock running.
        QVERIFY(Windows.Main->Clock.isActive());
        QVERIFY(TheGame().Entries == entries);
        QVERIFY(Windows.Main->ToolPanel->isVisible());
        QCOMPARE(Windows.Main->ClientArea->size(), QSize(409, 463));

        // The queue turns the job into a PDF file in its own time.
        QElapsedTimer clock;
        clock.start();
        QStringList after;
        while (clock.elapsed() < 60000) {
            after = PdfFiles();
            if (after.size() > before.size())
                break;
            QTest::qWait(200);
        }
        QVERIFY2(after.size() > before.size(), "no PDF arrived from the print queue");
        const QString pdf = OutputFolder().filePath(after.first());
        QTest::qWait(500); // the file may still be being written
        QProcess pdftoppm;
        pdftoppm.start("pdftoppm",
                       {"-png", "-r", "72", "-singlefile", pdf, session.Folder.Path("page")});
        QVERIFY(pdftoppm.waitForFinished(60000));
        const QImage page(session.Folder.Path("page.png"));
        QVERIFY(!page.isNull());
        // Somewhere on the page: the board's black block frames and its blue cell frames.
        int black = 0, blue = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                black += c.red() < 40 && c.green() < 40 && c.blue() < 40;
                blue += c.red() < 60 && c.green() < 60 && c.blue() > 200;
            }
        QVERIFY2(black > 500, qPrintable(QString::number(black)));
        QVERIFY2(blue > 500, qPrintable(QString::number(blue)));
        if (qEnvironmentVariableIsSet("TOLVANE_KEEP_PRINT"))
            QFile::copy(pdf, qEnvironmentVariable("TOLVANE_KEEP_PRINT"));
        QFile::remove(pdf);
    }
};

QTEST_MAIN(CupsPrintingTest)
#include "CupsPrintingTest.moc"
