#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole game played as a blind player plays it, through the assistive-technology bus (AT-SPI)
alone: the puzzle read from the board's table, every value placed by pressing tools and cells.
Runs in a private session bus on an X display with a window manager, starts an AT-SPI bus of its
own, and the game (GAME, the argument) in a temporary folder with copies of the files beside it.
"""

import re
import sys

from atspi_bus import Failed, bus, find, game_on_the_bus, has, launcher, pyatspi, wait_for, window
from gi.repository import Gio, GLib
from puzzle_answer import solve

# What the game announced: the objects whose name or description changed.
announced = []
pyatspi.Registry.registerEventListener(
    lambda event: announced.append((event.type.split(":")[-1], event.source.path)),
    "object:property-change:accessible-name", "object:property-change:accessible-description")


def press(obj):
    """Runs the object's first action and goes on: a modal window that it opens holds the
    reply until it closes."""
    bus.call(obj.app.bus_name, obj.path, "org.a11y.atspi.Action", "DoAction",
             GLib.Variant("(i)", (0,)), None, Gio.DBusCallFlags.NONE, -1, None, None, None)


def click(obj):
    """A click of the pointer in the middle of the object, as a screen reader makes it."""
    box = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2,
                                        pyatspi.MOUSE_B1C)


def control(app, title, role, name=None):
    """A control of the game's window of that title, once the bus shows it: a window may be
    announced before its controls, and the cached tree is not kept up to date."""
    def seen():
        shown = window(app, title)
        shown.clear_cache()
        return find(shown, role, name)
    return wait_for("%s %r in the window %s" % (role, name, title), seen)


def play(app, frame):
    board = find(frame, pyatspi.ROLE_TABLE, "Board")
    press(find(frame, pyatspi.ROLE_MENU_ITEM, "New"))
    press(control(app, "Confirm", pyatspi.ROLE_PUSH_BUTTON, "Yes"))
    del announced[:]
    press(control(app, "Paused", pyatspi.ROLE_PUSH_BUTTON, "OK"))
    news = wait_for("news of the new puzzle", lambda: re.fullmatch(
        r"New Medium puzzle: (\d+) givens, (\d+) cells to fill", board.description))
    wait_for("the new puzzle announced",
             lambda: ("accessible-description", board.path) in announced)

    # The puzzle as the table tells it: givens and empty cells only.
    cells = [board.getChildAtIndex(i) for i in range(81)]
    grid = []
    for i, cell in enumerate(cells):
        read = re.fullmatch(r"Row %d, column %d: (given ([1-9])|empty)" % (i // 9 + 1, i % 9 + 1),
                            cell.name)
        if not read:
            raise Failed("cell %d reads %r" % (i + 1, cell.name))
        grid.append(int(read.group(2) or 0))
    givens = 81 - grid.count(0)
    solution = list(grid)
    if news.groups() != (str(givens), str(81 - givens)) or givens != 36 or not solve(solution):
        raise Failed("%d givens read after %r" % (givens, news.group(0)))

    panel = find(frame, pyatspi.ROLE_CHECK_BOX, "1").parent
    tool = {name: find(panel, pyatspi.ROLE_CHECK_BOX, name) for name in "123456789"}
    guessing = find(panel, pyatspi.ROLE_CHECK_BOX, "Just guessing")

    def choose(name):
        if not has(tool[name], pyatspi.STATE_CHECKED):
            press(tool[name])
        wait_for("tool " + name, lambda: has(tool[name], pyatspi.STATE_CHECKED))

    def place(i, expected, by_pointer=False):
        del announced[:]
        click(cells[i]) if by_pointer else press(cells[i])
        wanted = "Row %d, column %d: %s" % (i // 9 + 1, i % 9 + 1, expected)
        wait_for(wanted, lambda: cells[i].name == wanted
                 and ("accessible-name", cells[i].path) in announced)

    # A guess with 3 picked by the pointer, then 5 through the button's action: the board
    # takes 5.
    first = grid.index(0)
    click(tool["3"])
    wait_for("tool 3 by the pointer", lambda: has(tool["3"], pyatspi.STATE_CHECKED))
    choose("5")
    press(guessing)
    wait_for("guessing", lambda: has(guessing, pyatspi.STATE_CHECKED))
    place(first, "guess 5")
    press(guessing)
    wait_for("guessing off", lambda: not has(guessing, pyatspi.STATE_CHECKED))
    # The solution; the first cell clicked with the pointer in the middle of its square.
    for i in range(81):
        if grid[i] == 0:
            choose(str(solution[i]))
            place(i, "entry %d" % solution[i], by_pointer=(i == first))

    submit = find(panel, pyatspi.ROLE_PUSH_BUTTON, "Submit")
    wait_for("Submit on the screen", lambda: has(submit, pyatspi.STATE_SHOWING))
    del announced[:]
    press(submit)
    result = control(app, "Information", pyatspi.ROLE_LABEL)
    if not result.name.startswith("Correct. Your time is "):
        raise Failed("the result reads " + result.name)
    wait_for("the solved board announced", lambda: board.description == "Solved"
             and ("accessible-description", board.path) in announced)
    press(control(app, "Information", pyatspi.ROLE_PUSH_BUTTON, "OK"))
    name_box = control(app, "New Best time", pyatspi.ROLE_TEXT)
    name_box.queryEditableText().setTextContents("Ada Lovelace")
    press(control(app, "New Best time", pyatspi.ROLE_PUSH_BUTTON, "OK"))
    best_times = window(app, "Best times")
    wait_for("the best time read with its level and name", lambda: [
        row for row in pyatspi.findAllDescendants(
            best_times, lambda o: o.getRole() == pyatspi.ROLE_LABEL)
        if re.fullmatch(r"Medium: Ada Lovelace, 0:\d+:\d+", row.name)])
    press(control(app, "Best times", pyatspi.ROLE_PUSH_BUTTON, "OK"))
    wait_for("best times to close", lambda: not has(best_times, pyatspi.STATE_SHOWING))
    press(find(frame, pyatspi.ROLE_MENU_ITEM, "Exit"))


def main(game_binary):
    with game_on_the_bus(game_binary) as (game, app):
        play(app, window(app, "Tolvane"))
        if wait_for("the game to end", lambda: game.poll() is not None) and game.returncode:
            raise Failed("the game ended with status %d" % game.returncode)


if __name__ == "__main__":
    try:
        main(sys.argv[1])
        print("screen_reader_test: a whole game played through AT-SPI")
    except Failed as failure:
        sys.exit("screen_reader_test: FAILED: %s" % failure)
    finally:
        launcher.terminate()
        launcher.wait()
