// The board: the value of every cell in its colour, a thin blue frame round every cell and a thick
// black frame round every block, redrawn whole from the game state each time. Qt paints only
// inside paint events, so ClearBoard and DrawBoard repaint the client area at once and FormPaint
// does the drawing.

#include "app/ClientArea.h"
#include "app/Forms.h"
#include "app/TForm1.h"
#include "engine/GameState.h"
#include "platform/Fonts.h"
#include "view/TForm3.h"

#include <QApplication>
#include <QPainter>

#include <cmath>

namespace {

// Colours of the board, as 0x00BBGGRR values would name them.
const QColor clBlack(0, 0, 0);
const QColor clPurple(128, 0, 128);
const QColor clTeal(0, 128, 128);
const QColor clBlue(0, 0, 255);

QColor clBtnFace() {
    return QApplication::palette().color(QPalette::Button);
}

bool NotificationShowing() {
    return Form3 && Form3->isVisible();
}

// "Arial Rounded MT bold" at CellSize - 15 points: 27 pixels high on a 96 dpi screen.
QFont BoardFont(const QPaintDevice& device) {
    const double points = GameState.CellSize - 15;
    return RoundedBold(static_cast<int>(std::lround(points * device.logicalDpiY() / 72.0)));
}

void PaintBackground(QPainter& canvas) {
    const QPaintDevice& surface = *canvas.device();
    canvas.fillRect(QRect(0, 0, surface.width(), surface.height()), clBtnFace());
}

// What a cell shows: a given in black, else an entry in purple, else a guess in teal.
bool CellText(int i, QString& text, QColor& colour) {
    if (Given[i]) {
        text = QString::number(Solution[i]);
        colour = clBlack;
    } else if (GameState.Entries[i] != 0) {
        text = QString::number(GameState.Entries[i]);
        colour = clPurple;
    } else if (GameState.Guesses[i] != 0) {
        text = QString::number(GameState.Guesses[i]);
        colour = clTeal;
    } else {
        return false; // a single space: nothing to see
    }
    return true;
}

void PaintCells(QPainter& canvas) {
    const int size = GameState.CellSize;
    canvas.setFont(BoardFont(*canvas.device()));
    const int ascent = canvas.fontMetrics().ascent();
    QPen frame(clBlue);
    frame.setWidth(0); // one pixel, cosmetic
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) {
            const int i = k + (r - 1) * 9;
            const int x0 = size + (k - 1) * size, y0 = size + (r - 1) * size;
            QString text;
            QColor colour;
            if (CellText(i, text, colour)) {
                canvas.setPen(colour);
                canvas.drawText(x0 + 8, y0 + 1 + ascent, text);
            }
            // Outline from (x0, y0) to one pixel short of (x0 + 35, y0 + 35): neighbouring
            // frames lie side by side as a two-pixel line.
            canvas.setPen(frame);
            canvas.setBrush(Qt::NoBrush);
            canvas.drawRect(x0, y0, size - 1, size - 1);
        }
}

void PaintBlockFrames(QPainter& canvas) {
    QPen frame(clBlack);
    frame.setWidth(2);
    frame.setJoinStyle(Qt::MiterJoin);
    canvas.setPen(frame);
    canvas.setBrush(Qt::NoBrush);
    const int size = GameState.CellSize, block = GameState.BlockPixels;
    for (int by = 0; by < GameState.BlockSide; ++by)
        for (int bx = 0; bx < GameState.BlockSide; ++bx)
            canvas.drawRect(size + bx * block, size + by * block, block, block);
}

} // namespace

void TForm1::ClearBoard() {
    BoardCleared = true;
    ClientArea->repaint();
}

void TForm1::DrawBoard() {
    if (NotificationShowing())
        return;
    BoardCleared = false;
    ClientArea->repaint();
}

void TForm1::FormPaint(QPainter& canvas) {
    // While the notification is up the board stays hidden: nothing is drawn at all.
    if (NotificationShowing())
        return;
    PaintBackground(canvas);
    if (BoardCleared)
        return;
    PaintCells(canvas);
    PaintBlockFrames(canvas);
}
