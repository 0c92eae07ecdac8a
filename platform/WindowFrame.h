// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a top-level window's outer frame stands on the screen, as the X server has it. Qt learns a
// frame's size late and keeps stale copies of it; the game places its windows by their frames, so
// it asks the window manager's own figures instead. Without an X server (tests on the offscreen
// platform) Qt's figures are all there is.

#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

// The frame the window manager has put around the window; null while it is not framed.
QMargins FrameExtents(const QWidget& window);

// The window's outer rectangle on the screen.
QRect FrameOnScreen(const QWidget& window);

// Moves the window so that its frame's top-left corner lands on `frameTopLeft`, for a frame of
// `extents` around the client area.
void MoveFrameTo(QWidget& window, QPoint frameTopLeft, QMargins extents);
