#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader reads of the game started in each language, through the accessibility
bus: the menus, the Game menu's items and the tool panel as the language's translation file has
them (the design's English in the C locale), and the menus laid out from the right in Arabic.
    languages_read_test.py GAME SOURCE_DIR LANGUAGE...   (C for the C locale)"""

import sys
import xml.etree.ElementTree as ElementTree

from atspi_bus import Failed, find, game_on_the_bus, launcher, pyatspi, wait_for, window

# The main window's texts a player reads first, in the design's English, by translation context.
MENUS = ["Game", "Options", "Help"]
GAME_ITEMS = ["New", ("Level", "Easy"), ("Level", "Medium"), ("Level", "Hard"), "Sound",
              "Best Times", "Print", "Exit"]
PANEL = [("Erase", pyatspi.ROLE_CHECK_BOX), ("Just guessing", pyatspi.ROLE_CHECK_BOX),
         ("Click 'Game' to start", pyatspi.ROLE_LABEL)]
# The locale of a language whose own country has another name.
LOCALES = {"ar": "ar_EG", "ja": "ja_JP", "pt_BR": "pt_BR", "zh_CN": "zh_CN"}


def translator(source, language):
    """A text in the language, for its English (of the main window, or of another context)."""
    if language == "C":
        return lambda english: english if isinstance(english, str) else english[1]
    catalogue = ElementTree.parse(f"{source}/translations/tolvane_{language}.ts").getroot()
    texts = {(context.findtext("name"), message.findtext("source")): message.findtext("translation")
             for context in catalogue.iter("context") for message in context.iter("message")}
    return lambda english: texts[("MainWindow", english) if isinstance(english, str) else english]


def environment(language):
    if language == "C":
        return {"LANGUAGE": "", "LANG": "C", "LC_ALL": "", "LC_MESSAGES": ""}
    locale = LOCALES.get(language, f"{language}_{language.upper()}")
    return {"LANGUAGE": language, "LANG": locale + ".UTF-8", "LC_ALL": "", "LC_MESSAGES": ""}


def read(app):
    """What the screen reader finds of the main window: the menus in the order of the menu
    bar, each with its left edge, the Game menu's items, and the panel's names by role."""
    frame = window(app, "Tolvane")
    bar = wait_for("the menu bar", lambda: find(frame, pyatspi.ROLE_MENU_BAR))
    menus = [(menu.name, menu.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x)
             for menu in bar]
    items = [item.name for item in bar[0][0] if item.name]  # the Game menu's popup
    panel = {(o.name, o.getRole()) for o in pyatspi.findAllDescendants(
        frame, lambda o: o is not None and o.getRole() in (pyatspi.ROLE_CHECK_BOX,
                                                           pyatspi.ROLE_LABEL))}
    return menus, items, panel


def check(language, menus, items, panel, tr):
    problems = []
    names = [name for name, _ in menus]
    if names != [tr(menu) for menu in MENUS]:
        problems.append(f"menus read {names}")
    if items != [tr(item) for item in GAME_ITEMS]:
        problems.append(f"Game menu items read {items}")
    for english, role in PANEL:
        if (tr(english), role) not in panel:
            problems.append(f"no {pyatspi.Role(role)} {tr(english)!r} for {english!r}")
    edges = [x for _, x in menus]
    if edges != sorted(edges, reverse=language == "ar"):
        problems.append(f"menus at {edges}, not from the {'right' if language == 'ar' else 'left'}")
    return [f"{language}: {problem}" for problem in problems]


def main(game_binary, source, languages):
    problems = []
    for language in languages:
        with game_on_the_bus(game_binary, **environment(language)) as (_, app):
            problems += check(language, *read(app), translator(source, language))
    if problems:
        raise Failed("\n".join(problems))


if __name__ == "__main__":
    try:
        main(sys.argv[1], sys.argv[2], sys.argv[3:])
        print("languages_read_test: %d languages read as translated" % len(sys.argv[3:]))
    except Failed as failure:
        sys.exit("languages_read_test: FAILED: %s" % failure)
    finally:
        launcher.terminate()
        launcher.wait()
