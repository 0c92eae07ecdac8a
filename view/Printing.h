// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing the board: the window's image, tool panel replaced by an empty strip, scaled to fit
// the printable area with its aspect ratio kept.

#include <QImage>
#include <QSize>

class QPrinter;
class QWidget;

// The printed size of an image on a printable page: the page's full height when the image then
// fits across, otherwise its full width; halves rounded away from zero.
QSize PrintSize(QSize image, QSize page);

// The area as it shows, in the designed colours on white (the board through its paint handler,
// then its visible child controls); the screen keeps the desktop's colours.
QImage WindowImage(QWidget& area);

// Prints the image as the one page of a document, at its printed size from the top-left corner
// of the printable area. A printer that cannot start or finish the document throws GameError.
void PrintImage(QPrinter& printer, const QImage& image);

#include <QPrintDialog>

// The print dialog of the game: printer, its properties and the number of copies. The board is
// always one whole page, so the dialog offers no page range, current page or selection; Qt's
// options for them leave the range controls in place when the dialog opens, so they are hidden
// each time it opens.
class BoardPrintDialog : public QPrintDialog {
    Q_OBJECT
  public:
    BoardPrintDialog(QPrinter* printer, QWidget* parent);
    void setVisible(bool visible) override;
};
