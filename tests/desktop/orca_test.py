#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole game played with Orca, keys only, through xdotool: New from the menu, the notice and
the news heard, the board walked and filled with each value confirmed, Submit, the result and a
best time with a name typed and heard. Only the answer comes from the board read over AT-SPI, as
a player works it out in the head. Fails above 6 keys a value or 4 keys to pick a tool."""

import os
import re
import shutil
import subprocess
import sys
import tempfile

from orca_session import Failed, Orca, wait_for
from puzzle_answer import solve

KEYS_PER_VALUE, KEYS_PER_TOOL = 6, 4


def puzzle():
    """The board's givens (0 for an empty cell) as the game's table tells them."""
    import pyatspi  # connects to the accessibility bus, which is up by now

    def board():
        desktop = pyatspi.Registry.getDesktop(0)
        desktop.clear_cache()
        for app in (a for a in desktop if a is not None and a.name == "Tolvane"):
            return pyatspi.findDescendant(app, lambda o: o is not None and o.name == "Board"
                                          and o.getRole() == pyatspi.ROLE_TABLE)
    table = wait_for("the board on the bus", board)
    names = [table.getChildAtIndex(i).name for i in range(81)]
    return [int(re.search(r"given ([1-9])$", name).group(1)) if "given" in name else 0
            for name in names]


class Player:
    """Types keys through Orca and counts them; says where on the board the keyboard is."""

    def __init__(self, orca):
        self.orca, self.keys, self.row, self.column, self.tool = orca, 0, 1, 1, None

    def type(self, *keys, expect=None, settled=False):
        """Types the keys, then waits for Orca to say what the player expects to hear; settled,
        once Orca has fallen silent, where what is expected could be heard of an earlier key."""
        if settled:
            self.orca.settle()
        mark = self.orca.mark()
        self.keys += len(keys)
        self.orca.key(*keys)
        return self.orca.heard(expect, mark) if expect else None

    def walk_to(self, row, column):
        """The fewest arrow, Home and End keys to the cell; Orca names it at the end."""
        ways = [["Right" if column > self.column else "Left"] * abs(column - self.column),
                ["Home"] + ["Right"] * (column - 1), ["End"] + ["Left"] * (9 - column)]
        keys = ["Down" if row > self.row else "Up"] * abs(row - self.row) + min(ways, key=len)
        self.row, self.column = row, column
        if keys:
            self.type(*keys, expect=r"Row %d, column %d: empty" % (row, column))

    def tab_to(self, pattern):
        """Tabs until Orca names the wanted control, past the key's own echo."""
        for _ in range(KEYS_PER_TOOL):
            heard = self.type("Tab", expect=r"(?!tab$).+", settled=True).group(0)
            if re.fullmatch(pattern, heard):
                return
        raise Failed("%d tabs did not reach %r" % (KEYS_PER_TOOL, pattern))

    def place(self, digit):
        if self.tool != digit:
            self.type(str(digit), expect=r".*Tool %d" % digit)
            self.tool = digit
        self.type("space", expect=r".*entry %d" % digit)


def play(orca):
    player = Player(orca)
    orca.heard(r"Tolvane frame")
    player.type("F10", expect=r"Game", settled=True)
    player.type("Down", expect=r"New")
    player.type("Return", expect=r"Start a new puzzle\?")
    mark = orca.mark()
    player.type("Return")
    orca.heard(r".*New puzzle generated.*", mark)
    orca.heard(r".*Click OK to start.*", mark)
    mark = orca.mark()
    news = player.type("Return", expect=r".*New Medium puzzle: (\d+) givens, (\d+) cells to fill.*")
    orca.heard(r"Tolvane frame", mark)  # the main window active again: keys reach it
    grid = puzzle()
    solution = list(grid)
    givens = 81 - grid.count(0)
    if news.groups() != (str(givens), str(81 - givens)) or not solve(solution):
        raise Failed("%d givens on the board after %r" % (givens, news.group(0)))

    # Tool 1 from the tool panel, then the board again; every other tool by its digit.
    player.keys = 0
    player.tab_to(r"1 check box not checked")
    player.type("space", expect=r"checked", settled=True)
    player.type("shift+Tab", expect=r"Row 1, column 1: .*", settled=True)
    if player.keys > KEYS_PER_TOOL:
        raise Failed("%d keys to pick a tool on the panel" % player.keys)
    player.tool, mark = 1, orca.mark()
    for i in (i for i in range(81) if grid[i] == 0):
        player.walk_to(i // 9 + 1, i % 9 + 1)
        player.place(solution[i])
    per_value = player.keys / (81 - givens)
    print("orca_test: %d keys for %d values, %.2f a value" % (player.keys, 81 - givens, per_value))
    if per_value > KEYS_PER_VALUE:
        raise Failed("%.2f keys a value" % per_value)

    orca.heard(r".*Every cell is filled: Submit", mark)
    player.type("shift+Tab", expect=r"Submit (push )?button")  # "button" on Debian 13
    mark = orca.mark()
    player.type("space", expect=r"Correct\. Your time is \d+:\d+:\d+")
    orca.heard(r"(notification )?Solved", mark)
    player.type("Return", expect=r".*Please enter your name.*")
    orca.type("Ada Lovelace")
    # The name heard from the best times, with its level and time, not from its keys' echo.
    player.type("Return", expect=r".*Medium: Ada Lovelace, \d+:\d+:\d+.*")


def main(game_binary):
    folder = tempfile.mkdtemp()
    for name in os.listdir(os.path.dirname(game_binary)):
        if name.endswith(".wav") or name == "highscores.txc":
            shutil.copy(os.path.join(os.path.dirname(game_binary), name), folder)
    orca = Orca()
    game = subprocess.Popen([game_binary], cwd=folder)
    try:
        play(orca)
    finally:
        game.kill()
        game.wait()
        orca.close()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    try:
        main(sys.argv[1])
        print("orca_test: a whole game played with Orca, keys only")
    except Failed as failure:
        sys.exit("orca_test: FAILED: %s" % failure)
