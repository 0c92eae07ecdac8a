// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's client area. The board draws itself on it from the game it is given, and
// the mouse over it (not over its child controls) is reported to the window by signals.

#include <QWidget>

struct Game;

class BoardArea : public QWidget {
    Q_OBJECT
  public:
    BoardArea(const Game& game, QWidget* parent);

    // The game whose board this area shows; it only ever reads it.
    const Game& Shown;

    // What the next paint shows: the board, or only the background (the board cleared until the
    // next DrawBoard).
    bool BoardCleared = false;
    // The window whose showing hides the board completely (the notification); none by default.
    const QWidget* Notification = nullptr;

  signals:
    // A click, at the point where the pointer last moved over the area.
    void Clicked(int x, int y);
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
    // Where the pointer last moved over the area itself.
    QPoint Pointer;
    // A primary press on the area that its release may turn into a click.
    bool ClickStarted = false;
    // Wheel turn not yet amounting to a whole notch (fine-grained wheels and touchpads).
    int WheelRemainder = 0;
};
