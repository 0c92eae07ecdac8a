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

class QEvent;
class QWidget;

// The frame the window manager has put around the window; null while it is not framed.
QMargins FrameExtents(const QWidget& window);

// The window's outer rectangle on the screen.
QRect FrameOnScreen(const QWidget& window);

// Moves the window so that its frame's top-left corner lands on `frameTopLeft`, for a frame of
// `extents` around the client area.
void MoveFrameTo(QWidget& window, QPoint frameTopLeft, QMargins extents);

// A window of fixed size keeps it: a full-screen or maximized state that a window manager applies
// all the same (xfwm4 and kwin offer full screen to any window) is undone at once. Called with
// every event of a window's change of state.
void KeepDesignedSize(QWidget& window, const QEvent& change);
