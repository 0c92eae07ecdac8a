// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/Printing.h"

#include "platform/Colours.h"
#include "platform/GameError.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QPainter>
#include <QPrinter>
#include <QRadioButton>

namespace {

// a * b / c for positive sizes, an exact half rounded up (away from zero).
int ScaledRounded(qint64 a, qint64 b, qint64 c) {
    return static_cast<int>((2 * a * b + c) / (2 * c));
}

} // namespace

QSize PrintSize(QSize image, QSize page) {
    const int w = ScaledRounded(image.width(), page.height(), image.height());
    if (w < page.width())
        return {w, page.height()};
    return {page.width(), ScaledRounded(image.height(), page.width(), image.width())};
}

QImage WindowImage(QWidget& area) {
    // The page is the designed board on white whatever the desktop's theme: its palette is set
    // aside while the image is taken, and the area goes back to following the window's palette.
    const QPalette screen = area.palette();
    const QPalette printed = PrintedPalette();
    const bool swapped = printed != screen;
    if (swapped)
        area.setPalette(printed);
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(printed.color(QPalette::Button));
    area.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    if (swapped)
        area.setPalette(screen); // only the roles the area had set of its own
    return image;
}

void PrintImage(QPrinter& printer, const QImage& image) {
    QPainter page;
    if (!page.begin(&printer))
        throw GameError(
            QCoreApplication::translate("Printing", "The printer could not start the document"));
    // A straight copy of the colours: no lossy compression of the image on its way.
    page.setRenderHint(QPainter::LosslessImageRendering);
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
    page.drawImage(QRect(QPoint(0, 0), PrintSize(image.size(), printable.size())), image);
    if (!page.end())
        throw GameError(
            QCoreApplication::translate("Printing", "The printer could not finish the document"));
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
