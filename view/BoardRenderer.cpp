// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/BoardRenderer.h"

#include "engine/GameState.h"
#include "platform/Colours.h"
#include "platform/Fonts.h"
#include "view/BoardArea.h"

#include <QPainter>

#include <cmath>

namespace {

// Colours of the board: givens, entries, guesses and the cell frames.
const QColor clBlack(0, 0, 0);
const QColor clPurple(128, 0, 128);
const QColor clTeal(0, 128, 128);
const QColor clBlue(0, 0, 255);

bool NotificationShowing(const BoardArea& area) {
    return area.Notification && area.Notification->isVisible();
}

// "Arial Rounded MT bold" at CellSize - 15 points: 27 pixels high on a 96 dpi screen.
QFont BoardFont(const QPaintDevice& device) {
    const double points = GameState.CellSize - 15;
    return RoundedBold(static_cast<int>(std::lround(points * device.logicalDpiY() / 72.0)));
}

void PaintBackground(QPainter& canvas) {
    const QPaintDevice& surface = *canvas.device();
    canvas.fillRect(QRect(0, 0, surface.width(), surface.height()), ButtonFace());
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

void ClearBoard(BoardArea& area) {
    area.BoardCleared = true;
    area.repaint();
}

void DrawBoard(BoardArea& area) {
    if (NotificationShowing(area))
        return;
    area.BoardCleared = false;
    area.repaint();
}

void FormPaint(BoardArea& area, QPainter& canvas) {
    // While the notification is up the board stays hidden: nothing is drawn at all.
    if (NotificationShowing(area))
        return;
    PaintBackground(canvas);
    if (area.BoardCleared)
        return;
    PaintCells(canvas);
    PaintBlockFrames(canvas);
}
