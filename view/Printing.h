#pragma once
// Printing the board: the window's image, tool panel replaced by an empty strip, scaled to fit
// the printable area with its aspect ratio kept.

#include <QSize>

// The printed size of an image on a printable page: the page's full height when the image then
// fits across, otherwise its full width; halves rounded away from zero.
QSize PrintSize(QSize image, QSize page);
