#pragma once
// The main window's client area. The board is painted straight on it, and the mouse over it (not
// over its child controls) reaches the main window's handlers.

#include <QWidget>

class TForm1;

class TClientArea : public QWidget {
    Q_OBJECT
  public:
    explicit TClientArea(TForm1& form);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    TForm1& Form;
    // A primary press on the area that its release may turn into a click.
    bool ClickStarted = false;
    // Wheel turn not yet amounting to a whole notch (fine-grained wheels and touchpads).
    int WheelRemainder = 0;
};
