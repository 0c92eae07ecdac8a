// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's language. The game's texts are the design's English; a translation of the game
// and Qt's own (the message boxes' buttons, the print dialog) are installed for the first of the
// player's languages (LANGUAGE, LC_MESSAGES, LANG) that the game speaks. English, or the C
// locale, coming first installs nothing and looks nothing up: the game starts as fast as it
// always did and looks exactly as designed.

class QCoreApplication;

void InstallTranslations(QCoreApplication& application);
