// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AutoSize.h"

#include <QWidget>

#include <algorithm>

void AutoSize(QWidget& clientArea) {
    int right = 0, bottom = 0;
    for (QWidget* child : clientArea.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isHidden())
            continue;
        right = std::max(right, child->geometry().right() + 1);
        bottom = std::max(bottom, child->geometry().bottom() + 1);
    }
    clientArea.setFixedSize(right, bottom);
}
