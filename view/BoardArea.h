// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's client area. The board is painted straight on it by the board renderer, and
// its paint events and the mouse over it (not over its child controls) are reported to the
// window by signals.

#include <QWidget>

class QPainter;

class BoardArea : public QWidget {
    Q_OBJECT
  public:
    explicit BoardArea(QWidget* parent);

    // What the next paint shows: the board, or only the background (the board cleared until the
    // next DrawBoard).
    bool BoardCleared = false;
    // The window whose showing hides the board completely (the notification); none by default.
    const QWidget* Notification = nullptr;

  signals:
    // To be painted now, on this canvas; the receiver must paint before it returns.
    void Painting(QPainter& canvas);
    void MouseMoved(int X, int Y);
    void Clicked();
    void WheelUp();
    void WheelDown();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    // A primary press on the area that its release may turn into a click.
    bool ClickStarted = false;
    // Wheel turn not yet amounting to a whole notch (fine-grained wheels and touchpads).
    int WheelRemainder = 0;
};
