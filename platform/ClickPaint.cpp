// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ClickPaint.h"

#include <QAbstractButton>
#include <QTimer>

namespace {

// Long enough for the window manager to have shown the click's own paints (a paint right after
// them was missed too, now and then), short enough to pass unnoticed.
constexpr int RepaintDelayMs = 100;

} // namespace

void RepaintAfterClick(QAbstractButton& button) {
    const auto later = [&button] {
        QTimer::singleShot(RepaintDelayMs, &button, [&button] { button.update(); });
    };
    QObject::connect(&button, &QAbstractButton::pressed, &button, later);
    QObject::connect(&button, &QAbstractButton::released, &button, later);
}
