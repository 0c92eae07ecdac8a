#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every language the game speaks is complete: its translation file has no unfinished or stale
# text and carries each text's %1 and %n over, and the desktop entry and the metainfo give its
# summary in it.
#   translation_files.py SOURCE_DIR APP_ID LANGUAGE...
import re
import sys
import xml.etree.ElementTree as ElementTree

source, app_id, languages = sys.argv[1], sys.argv[2], sys.argv[3:]
placeholders = re.compile(r"%L?\d|%n")
problems = []

for language in languages:
    path = f"{source}/translations/tolvane_{language}.ts"
    for context in ElementTree.parse(path).getroot().iter("context"):
        for message in context.iter("message"):
            text = message.findtext("source")
            translation = message.find("translation")
            where = f"{language} {context.findtext('name')} {text!r}"
            if translation.get("type") or not (translation.text or "").strip():
                problems.append(f"{where}: {translation.get('type') or 'empty'}")
            elif sorted(placeholders.findall(text)) != sorted(placeholders.findall(translation.text)):
                problems.append(f"{where}: placeholders differ in {translation.text!r}")

desktop = open(f"{source}/packaging/{app_id}.desktop", encoding="utf-8").read()
metainfo = ElementTree.parse(f"{source}/packaging/{app_id}.metainfo.xml").getroot()
lang = "{http://www.w3.org/XML/1998/namespace}lang"
summaries = {summary.get(lang) for summary in metainfo.iter("summary")}
for language in languages:
    for key in ("GenericName", "Comment"):
        if f"\n{key}[{language}]=" not in desktop:
            problems.append(f"desktop entry: no {key}[{language}]")
    if language not in summaries:
        problems.append(f"metainfo: no summary in {language}")

print("\n".join(problems) or f"{len(languages)} languages complete")
sys.exit(1 if problems else 0)
