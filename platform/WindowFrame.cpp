// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowFrame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

xcb_connection_t* XConnection() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t XWindow(const QWidget& window) {
    const QWindow* native = window.windowHandle();
    return native && native->handle() ? static_cast<xcb_window_t>(native->winId()) : 0;
}

xcb_atom_t Atom(xcb_connection_t* x, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        x, xcb_intern_atom(x, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// Where the client area's top-left corner is on the screen.
QPoint ClientOnScreen(xcb_connection_t* x, xcb_window_t window) {
    const xcb_setup_t* setup = xcb_get_setup(x);
    const xcb_window_t root = xcb_setup_roots_iterator(setup).data->root;
    xcb_translate_coordinates_reply_t* reply = xcb_translate_coordinates_reply(
        x, xcb_translate_coordinates(x, window, root, 0, 0), nullptr);
    const QPoint at = reply ? QPoint(reply->dst_x, reply->dst_y) : QPoint();
    std::free(reply);
    return at;
}

} // namespace

QMargins FrameExtents(const QWidget& window) {
    xcb_connection_t* x = XConnection();
    const xcb_window_t id = XWindow(window);
    if (!x || !id) {
        const QRect frame = window.frameGeometry(), inner = window.geometry();
        return {inner.left() - frame.left(), inner.top() - frame.top(),
                frame.right() - inner.right(), frame.bottom() - inner.bottom()};
    }
    // Left, right, top, bottom, as the window manager announces them.
    const xcb_atom_t extents = Atom(x, "_NET_FRAME_EXTENTS");
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        x, xcb_get_property(x, 0, id, extents, XCB_ATOM_CARDINAL, 0, 4), nullptr);
    QMargins margins;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 16) {
        const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(reply));
        margins = QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
    }
    std::free(reply);
    return margins;
}

QRect FrameOnScreen(const QWidget& window) {
    xcb_connection_t* x = XConnection();
    const xcb_window_t id = XWindow(window);
    if (!x || !id)
        return window.frameGeometry();
    const QRect client(ClientOnScreen(x, id), window.size());
    return client.marginsAdded(FrameExtents(window));
}

void MoveFrameTo(QWidget& window, QPoint frameTopLeft, QMargins extents) {
    if (!XConnection()) {
        window.move(frameTopLeft);
        return;
    }
    // Placed by the client area, whose offset in the frame is known here. Qt skips a move to
    // where it believes the window already is, and its belief can be stale: the window is sent
    // one pixel off first, which costs nothing while it is not on the screen.
    const QRect client(frameTopLeft + QPoint(extents.left(), extents.top()), window.size());
    window.setGeometry(client.translated(1, 1));
    window.setGeometry(client);
    // Sent now: a window placed while the game holds its event loop moves all the same.
    xcb_flush(XConnection());
}

void KeepDesignedSize(QWidget& window, const QEvent& change) {
    const Qt::WindowStates sizing = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (change.type() == QEvent::WindowStateChange && (window.windowState() & sizing))
        window.setWindowState(window.windowState() & ~sizing);
}
