// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MinimizeIcon.h"

#include <QWidget>
#include <QWindow>

void SetMinimizeIcon(QWidget& window, bool shown) {
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowMinimizeButtonHint, shown);
    // Only the title bar's hints change. Setting the widget's flags would re-create the native
    // window: it would vanish from the screen and the window manager would place it anew.
    window.overrideWindowFlags(flags);
    if (QWindow* native = window.windowHandle())
        native->setFlags(flags);
}
