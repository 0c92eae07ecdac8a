// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Desktop.h"

#include <QGuiApplication>
#include <QIcon>
#include <QTimer>

#include <cstring>

void PreferX11(int argc, char** argv) {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return;
    // The X display first, Wayland when it cannot be reached.
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

void PresentToDesktop(const QString& appId) {
    QGuiApplication::setDesktopFileName(appId);
    // The icon comes a moment after the main window is on the screen: finding an icon engine for
    // the pictures and looking the id up in the desktop's themes read plugins and themes from
    // disk, and handing six sizes to the X server holds up the window's first showing.
    QTimer::singleShot(0, qApp, [appId] {
        QIcon builtIn;
        for (int size : {16, 32, 48, 64, 128, 256})
            builtIn.addFile(QString(":/icons/%1.png").arg(size), QSize(size, size));
        QGuiApplication::setWindowIcon(QIcon::fromTheme(appId, builtIn));
    });
}
