// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/BoardRenderer.h"

#include "engine/CellContent.h"
#include "engine/Game.h"
#include "platform/Colours.h"
#include "platform/Fonts.h"
#include "view/BoardArea.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

// "Arial Rounded MT bold" at CellSize - 15 points: 27 pixels high on a 96 dpi screen.
QFont BoardFont(const Game& game, const QPaintDevice& device) {
    const double points = game.CellSize - 15;
    return RoundedBold(static_cast<int>(std::lround(points * device.logicalDpiY() / 72.0)));
}

void PaintBackground(QPainter& canvas, const BoardColours& colours) {
    const QPaintDevice& surface = *canvas.device();
    canvas.fillRect(QRect(0, 0, surface.width(), surface.height()), colours.Face);
}

QColor ColourOf(CellKind kind, const BoardColours& colours) {
    switch (kind) {
    case CellKind::Given:
        return colours.Given;
    case CellKind::Entry:
        return colours.Entry;
    case CellKind::Guess:
        return colours.Guess;
    case CellKind::Empty:
        break;
    }
    return {};
}

void PaintValues(const Game& game, QPainter& canvas, const BoardColours& colours) {
    const int size = game.CellSize;
    canvas.setFont(BoardFont(game, *canvas.device()));
    const int ascent = canvas.fontMetrics().ascent();
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) {
            const CellContent content = ContentOf(game, r, k);
            if (content.Kind == CellKind::Empty)
                continue; // a single space: nothing to see
            canvas.setPen(ColourOf(content.Kind, colours));
            canvas.drawText(size * k + 8, size * r + 1 + ascent, QString::number(content.Value));
        }
}

// The lines of the board, drawn in the screen's own pixels. At 100 % every line is a band two
// pixels wide centred on a multiple of the cell size: the frames of two neighbouring cells side
// by side in blue, or a block frame over them in black. On a scaled screen Qt would round each
// edge of each cell frame on its own and split a band into two thin lines here and not there;
// so the band's width is rounded once for the whole board and each band is placed by its own
// rounded centre.
class BoardLines {
  public:
    BoardLines(const QPainter& canvas, int cellSize)
        : ToScreen(canvas.deviceTransform()), Width(std::max(1, qRound(2 * ToScreen.m11()))),
          CellSize(cellSize) {}

    // Line 0 to 9 across the board, top to bottom, and down it, left to right.
    void Draw(QPainter& canvas, int line, const QColor& colour) const {
        const int first = Start(0, Qt::Horizontal), last = Start(9, Qt::Horizontal) + Width;
        const int top = Start(0, Qt::Vertical), bottom = Start(9, Qt::Vertical) + Width;
        Fill(canvas, QRect(Start(line, Qt::Horizontal), top, Width, bottom - top), colour);
        Fill(canvas, QRect(first, Start(line, Qt::Vertical), last - first, Width), colour);
    }

  private:
    // The first screen pixel of a line's band, along the axis that crosses it.
    int Start(int line, Qt::Orientation axis) const {
        const double at = CellSize * (line + 1);
        const QPointF centre = ToScreen.map(QPointF(at, at));
        return qRound(axis == Qt::Horizontal ? centre.x() : centre.y()) - Width / 2;
    }

    void Fill(QPainter& canvas, const QRect& onScreen, const QColor& colour) const {
        canvas.fillRect(ToScreen.inverted().mapRect(QRectF(onScreen)), colour);
    }

    QTransform ToScreen;
    int Width;
    int CellSize;
};

void PaintLines(const Game& game, QPainter& canvas, const BoardColours& colours) {
    const BoardLines lines(canvas, game.CellSize);
    // The cell frames first; the block frames lie over them where they meet.
    for (int line = 0; line <= 9; ++line)
        if (line % game.BlockSide != 0)
            lines.Draw(canvas, line, colours.CellFrame);
    for (int line = 0; line <= 9; line += game.BlockSide)
        lines.Draw(canvas, line, colours.BlockFrame);
}

// Where the keyboard is on the board, for a player who plays by keys: a frame inside the cell's
// lines in the desktop's highlight colour.
void PaintFocusedCell(BoardArea& area, QPainter& canvas) {
    const int size = area.Shown.CellSize;
    const CellPlace cell = area.FocusedCell();
    const QRect square(size * cell.Column + 2, size * cell.Row + 2, size - 4, size - 4);
    canvas.setPen(QPen(area.palette().color(QPalette::Highlight), 2));
    canvas.setBrush(Qt::NoBrush);
    canvas.drawRect(square.adjusted(1, 1, -1, -1));
}

} // namespace

void PaintBoard(BoardArea& area, QPainter& canvas) {
    // While the notification is up the board stays hidden: nothing is drawn at all.
    if (area.Notification && area.Notification->isVisible())
        return;
    // The area's own palette: the desktop's on screen, a light one while it is printed.
    const BoardColours& colours = area.Colours();
    PaintBackground(canvas, colours);
    if (!area.BoardShown())
        return;
    PaintValues(area.Shown, canvas, colours);
    PaintLines(area.Shown, canvas, colours);
    if (area.KeyboardPlay() && area.hasFocus())
        PaintFocusedCell(area, canvas);
}
