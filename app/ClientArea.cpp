#include "app/ClientArea.h"

#include "app/TForm1.h"
#include "platform/MessageBoxes.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {
constexpr int Notch = 120; // wheel units of one notch
}

TClientArea::TClientArea(TForm1& form) : QWidget(&form), Form(form) {
    setAutoFillBackground(true);
    setMouseTracking(true); // moves without a button pressed are the board's pointer position
}

void TClientArea::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    RunHandler([&] { Form.FormPaint(canvas); });
}

void TClientArea::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    RunHandler([&] { Form.FormMouseMove(at.x(), at.y()); });
}

void TClientArea::mousePressEvent(QMouseEvent* event) {
    ClickStarted = event->button() == Qt::LeftButton;
}

void TClientArea::mouseDoubleClickEvent(QMouseEvent*) {
    // The second press of a double-click is no click of its own.
    ClickStarted = false;
}

void TClientArea::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = ClickStarted && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    ClickStarted = false;
    if (click)
        RunHandler([this] { Form.FormClick(); });
}

void TClientArea::wheelEvent(QWheelEvent* event) {
    // One tool per whole notch, however finely the wheel reports its turn.
    WheelRemainder += event->angleDelta().y();
    while (WheelRemainder >= Notch) {
        WheelRemainder -= Notch;
        RunHandler([this] { Form.FormMouseWheelUp(); });
    }
    while (WheelRemainder <= -Notch) {
        WheelRemainder += Notch;
        RunHandler([this] { Form.FormMouseWheelDown(); });
    }
    event->accept();
}
