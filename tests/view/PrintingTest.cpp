// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the board: the size on the page, the printed image itself (through a PDF printer and
// pdftoppm), the window restored afterwards, and the errors without a printer.

#include "view/Printing.h"
#include "app/MainWindow.h"
#include "app/PrintCommand.h"
#include "engine/Game.h"
#include "platform/MessageBoxes.h"
#include "tests/support/GameSession.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestWindows.h"
#include "tests/view/ThemeChecks.h"
#include "view/BoardArea.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

// Renders page 1 of a PDF at `dpi` into an image.
QImage RenderPdf(const QString& pdf, int dpi) {
    const QString stem = pdf + "-page";
    QProcess pdftoppm;
    pdftoppm.start("pdftoppm", {"-png", "-r", QString::number(dpi), "-singlefile", pdf, stem});
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0)
        qFatal("pdftoppm failed: %s", pdftoppm.readAllStandardError().constData());
    return QImage(stem + ".png");
}

bool Near(QColor a, QColor b, int tolerance = 24) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { PrepareApplication(); }

    void printSizeKeepsTheAspectAndFitsThePage() {
        QCOMPARE(PrintSize({409, 402}, {4800, 6600}), QSize(4800, 4718));
        // A page wider than the image fills its height.
        QCOMPARE(PrintSize({409, 402}, {10000, 4000}), QSize(4070, 4000));
        // Halves go away from zero, in both directions of fitting.
        QCOMPARE(PrintSize({3, 2}, {100, 3}), QSize(5, 3)); // w = 4.5
        QCOMPARE(PrintSize({2, 3}, {3, 100}), QSize(3, 5)); // h = 4.5
        QCOMPARE(PrintSize({409, 402}, {409, 402}), QSize(409, 402));
        // Exactly as wide as the page when fitted in height: filled in width instead.
        QCOMPARE(PrintSize({100, 50}, {200, 100}), QSize(200, 100));
    }

    // Whatever the desktop's colours, the page is the designed board on white.
    void printedPageShowsTheBoardWithoutTheToolPanel_data() {
        QTest::addColumn<QPalette>("desktop");
        QTest::newRow("light desktop") << QApplication::palette();
        QTest::newRow("dark desktop") << DarkPalette();
        QTest::newRow("grey desktop") << Themed(QColor(0x7f7f7f), Qt::black, Qt::white);
    }

    void printedPageShowsTheBoardWithoutTheToolPanel() {
        QFETCH(QPalette, desktop);
        const QPalette light = QApplication::palette();
        QApplication::setPalette(desktop);
        GameSession session;
        Windows.Main->show();
        QVERIFY(QTest::qWaitForWindowExposed(Windows.Main));
        TheGame().Given[1] = true;
        TheGame().Solution[1] = 8;
        TheGame().Entries[2] = 8;
        TheGame().Guesses[3] = 8;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(session.Folder.Path("board.pdf"));
        printer.setPageSize(QPageSize(QPageSize::A4));
        RunHandler([&] { PrintBoard(*Windows.Main, printer); });

        // The panels are back on screen.
        QVERIFY(Windows.Main->ToolPanel->isVisible());
        QVERIFY(Windows.Main->PrintStrip->isHidden());
        QCOMPARE(Windows.Main->ClientArea->size(), QSize(409, 463));
        // The screen keeps the desktop's colours, and follows the next change of them.
        QApplication::processEvents();
        QCOMPARE(Windows.Main->ClientArea->grab().toImage().pixelColor(10, 10),
                 QApplication::palette().color(QPalette::Button));
        QApplication::setPalette(light);
        QApplication::processEvents();
        QCOMPARE(Windows.Main->ClientArea->grab().toImage().pixelColor(10, 10),
                 light.color(QPalette::Button));

        // At 72 dpi an A4 page is 595 wide; the printable area starts at the page's margin.
        const QImage page = RenderPdf(session.Folder.Path("board.pdf"), 72);
        QVERIFY(!page.isNull());
        const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Point);
        const double scale = printable.width() / 409.0; // the image fills the width
        auto at = [&](double x, double y) {
            return page.pixelColor(int(printable.left() + x * scale),
                                   int(printable.top() + y * scale));
        };
        const QColor face(Qt::white);
        QVERIFY(Near(at(10, 10), face));
        QVERIFY(Near(at(200, 395), face));                  // the empty strip, not the tool panel
        QVERIFY(Near(at(140.5, 200), QColor(0, 0, 0), 80)); // a block frame
        // The two-pixel seam of two cell frames (pixels 69 and 70), its colour printed as it
        // was; the page's rendering may shift the image by half a pixel.
        QVERIFY(Near(at(69.5, 200), QColor(0, 0, 255), 2));
        QVERIFY(Near(at(70, 200), QColor(0, 0, 255), 2));
        QVERIFY(Near(at(67, 200), face, 2));
        QVERIFY(Near(at(72.5, 200), face, 2));
        // Below the 402 rows of the image the page stays white.
        QVERIFY(Near(at(200, 402 + 20), Qt::white));
        // The three digits in their colours somewhere in their cells.
        auto cellHas = [&](int cell, QColor colour) {
            for (double y = 37; y < 68; y += 0.5)
                for (double x = 35 * cell + 2; x < 35 * cell + 33; x += 0.5)
                    if (Near(at(x, y), colour, 40))
                        return true;
            return false;
        };
        QVERIFY(cellHas(1, QColor(0, 0, 0)));
        QVERIFY(cellHas(2, QColor(128, 0, 128)));
        QVERIFY(cellHas(3, QColor(0, 128, 128)));
        QVERIFY(!cellHas(4, QColor(128, 0, 128)));
    }

    void failedPrintRestoresTheWindowAndReports() {
        GameSession session;
        Windows.Main->show();
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(session.Folder.Path("no/such/folder/board.pdf"));
        QString text;
        AnswerInOrder({Press("OK", nullptr, &text)});
        RunHandler([&] { PrintBoard(*Windows.Main, printer); });
        QCOMPARE(text, QString("The printer could not start the document."));
        QVERIFY(Windows.Main->ToolPanel->isVisible());
        QVERIFY(Windows.Main->PrintStrip->isHidden());
        QCOMPARE(Windows.Main->ClientArea->size(), QSize(409, 463));
    }

    void printDialogOffersNoPageRange() {
        QPrinter printer(QPrinter::HighResolution);
        BoardPrintDialog dialog(&printer, nullptr);
        // Opened the way a player sees it: the options part unfolded.
        QTimer::singleShot(0, &dialog, [&dialog] {
            for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
                if (button->text().contains("Options"))
                    button->click();
            QStringList offered;
            for (QAbstractButton* choice : dialog.findChildren<QRadioButton*>())
                if (choice->isVisible() && choice->isEnabled() &&
                    choice->objectName() != "printAll")
                    if (choice->parentWidget()->objectName() == "gbPrintRange")
                        offered << choice->text();
            dialog.setProperty("offered", offered);
            dialog.reject();
        });
        dialog.exec();
        QCOMPARE(dialog.property("offered").toStringList(), QStringList());
        QVERIFY(dialog.findChild<QRadioButton*>("printAll")->isChecked());
    }

    void printAnsweredNoDoesNothing() {
        GameSession session;
        Windows.Main->show();
        SeenMessages().clear();
        AnswerInOrder({Press("No")});
        RunHandler([] { PrintCommand(*Windows.Main); });
        QCOMPARE(SeenMessages(),
                 QStringList({"Confirm|Do you want to print the current puzzle ?"}));
    }

    void withoutAPrinterTheCommandReportsIt() {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("a printer queue is installed on this machine");
        GameSession session;
        Windows.Main->show();
        SeenMessages().clear();
        AnswerInOrder({Press("Yes"), Press("OK")});
        RunHandler([] { PrintCommand(*Windows.Main); });
        QCOMPARE(SeenMessages(),
                 QStringList({"Confirm|Do you want to print the current puzzle ?",
                              "Tolvane|There is no default printer currently selected."}));
        QVERIFY(Windows.Main->ToolPanel->isVisible());
    }
};

QTEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
