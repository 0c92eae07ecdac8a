# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""An accessibility bus (AT-SPI) of the test's own, started in the private session bus it runs
in, with pyatspi connected to it; the game started on it, and the waiting and finding that a
screen reader's tests share."""

import contextlib
import os
import shutil
import subprocess
import tempfile
import time

from gi.repository import Gio, GLib


class Failed(Exception):
    pass


def wait_for(what, condition, seconds=60):
    """The first true value of condition(), polled while the bus's events are taken in."""
    deadline = time.monotonic() + seconds
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            value = condition()
        except GLib.Error:  # an object that went away meanwhile
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failed("waited in vain for " + what)
        time.sleep(0.05)


launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
bus = Gio.DBusConnection.new_for_address_sync(
    wait_for("the accessibility bus", lambda: session.call_sync(
        "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
        GLib.VariantType("(s)"), Gio.DBusCallFlags.NO_AUTO_START, 2000, None).unpack()[0]),
    Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
    | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
import pyatspi  # noqa: E402  (it connects to the bus started above)


def find(root, role, name=None):
    """By the role itself: the names of roles differ between AT-SPI versions ("push button" on
    Debian 12, "button" on 13)."""
    return pyatspi.findDescendant(
        root, lambda o: o is not None and o.getRole() == role and name in (None, o.name))


def has(obj, state):
    return obj.getState().contains(state)


def window(app, name):
    """The game's window of that name once it is on the screen."""
    return wait_for("the window " + name, lambda: next(
        (w for w in app if w is not None and w.name == name and has(w, pyatspi.STATE_SHOWING)),
        None))


@contextlib.contextmanager
def game_on_the_bus(game_binary, **environment):
    """The game and its application on the bus, started in a folder of its own with copies of
    the files beside it, with the environment given; ended and its folder removed after."""
    folder = tempfile.mkdtemp()
    for name in os.listdir(os.path.dirname(game_binary)):
        if name.endswith(".wav") or name == "highscores.txc":
            shutil.copy(os.path.join(os.path.dirname(game_binary), name), folder)
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", **environment)
    environment.pop("AT_SPI_BUS_ADDRESS", None)  # Qt 6.4 takes no bus from there
    game = subprocess.Popen([game_binary], cwd=folder, env=environment)
    try:
        desktop = pyatspi.Registry.getDesktop(0)

        def find_game():
            desktop.clear_cache()  # the list of programs is not kept up to date
            return next((a for a in desktop if a is not None and a.get_process_id() == game.pid
                         and a.childCount), None)

        yield game, wait_for("the game on the bus", find_game)
    finally:
        if game.poll() is None:
            game.kill()
            game.wait()
        shutil.rmtree(folder, ignore_errors=True)
