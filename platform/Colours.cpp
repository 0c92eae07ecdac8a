// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Colours.h"

#include <QApplication>
#include <QPalette>

QColor ButtonFace() {
    return QApplication::palette().color(QPalette::Button);
}
