#include "view/Printing.h"

#include "app/ClientArea.h"
#include "app/TForm1.h"
#include "platform/GameError.h"
#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>

namespace {

// a * b / c for positive sizes, an exact half rounded up (away from zero).
int ScaledRounded(qint64 a, qint64 b, qint64 c) {
    return static_cast<int>((2 * a * b + c) / (2 * c));
}

QImage WindowImage(TForm1& form) {
    QImage image(form.ClientArea->size(), QImage::Format_RGB32);
    image.fill(QApplication::palette().color(QPalette::Button));
    // Paints the board through the window's own paint handler, then the visible child controls.
    form.ClientArea->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

} // namespace

QSize PrintSize(QSize image, QSize page) {
    const int w = ScaledRounded(image.width(), page.height(), image.height());
    if (w < page.width())
        return {w, page.height()};
    return {page.width(), ScaledRounded(image.height(), page.width(), image.width())};
}

void TForm1::PrintBoard(QPrinter& printer) {
    Panel1->hide();
    Panel2->show();
    AutoSize();
    QString failure;
    {
        QPainter page;
        if (!page.begin(&printer)) {
            failure = "The printer could not start the document";
        } else {
            // A straight copy of the colours: no lossy compression of the image on its way.
            page.setRenderHint(QPainter::LosslessImageRendering);
            const QImage image = WindowImage(*this);
            const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
            page.drawImage(QRect(QPoint(0, 0), PrintSize(image.size(), printable.size())), image);
            if (!page.end())
                failure = "The printer could not finish the document";
        }
    }
    // The window comes back whether the page was printed or not; then the failure is reported.
    Panel1->show();
    Panel2->hide();
    AutoSize();
    if (!failure.isEmpty())
        throw GameError(failure);
}

BoardPrintDialog::BoardPrintDialog(QPrinter* printer, QWidget* parent)
    : QPrintDialog(printer, parent) {
    setOption(QAbstractPrintDialog::PrintToFile, false);
    setOption(QAbstractPrintDialog::PrintSelection, false);
    setOption(QAbstractPrintDialog::PrintPageRange, false);
    setOption(QAbstractPrintDialog::PrintCurrentPage, false);
}

void BoardPrintDialog::setVisible(bool visible) {
    QPrintDialog::setVisible(visible);
    if (!visible)
        return;
    if (auto* all = findChild<QRadioButton*>("printAll"))
        all->setChecked(true);
    if (auto* range = findChild<QGroupBox*>("gbPrintRange"))
        range->hide();
}

void TForm1::Print1Click() {
    if (!Confirm(this, "Do you want to print the current puzzle ?"))
        return;
    if (QPrinterInfo::availablePrinters().isEmpty())
        throw GameError("There is no default printer currently selected");
    if (!PrintDialog1) {
        Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        PrintDialog1 = std::make_unique<BoardPrintDialog>(Printer.get(), this);
    }
    if (PrintDialog1->exec() != QDialog::Accepted)
        return;
    PrintBoard(*Printer);
}
