#include "platform/Colours.h"

#include <QApplication>
#include <QPalette>

QColor ButtonFace() {
    return QApplication::palette().color(QPalette::Button);
}
