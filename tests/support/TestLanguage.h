// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language a test runs the game in: the player's, from LANGUAGE and LANG as the game takes
// it, or, with TOLVANE_PSEUDO_LANGUAGE set, a made-up one that every translated text shows.

#include <QString>

// Installs the translations as the game's entry point does, or the pseudo-language.
void InstallTestLanguage();
bool PseudoLanguage();

// A text in the pseudo-language: about 40 % longer, accented, with wide glyphs, between marks
// that show it went through the translation system; %1 and %n stay as they are.
QString Pseudo(const QString& english);
// Whether a text shown to the player went through the pseudo-language; wholly, when it is one
// translated text (its arguments inside), not translated parts put together untranslated.
bool IsPseudo(const QString& shown);
bool IsWhollyPseudo(const QString& shown);
