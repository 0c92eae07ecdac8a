// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the game meets the player's desktop: the display it runs on, the name the desktop knows it
// by and the icon of its windows.

#include <QString>

// Where both an X display and a Wayland display are there, the game runs as an X client: there
// the window manager puts every window where the game asks, which a Wayland compositor does not
// allow. A platform the player chose (QT_QPA_PLATFORM or -platform) wins, and without an X
// display Qt's own choice stands. Called before the application is made.
void PreferX11(int argc, char** argv);

// The desktop file's name and the icon every window carries, both by the application id: the
// installed theme's icon, else the built-in one, from the first turn of the event loop on.
// Called once the application is made.
void PresentToDesktop(const QString& appId);
