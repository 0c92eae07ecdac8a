// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The nine sound effects: one played at a time, and the check of their files at start-up.

#include <QString>

class EffectPlayer;

// Opens the effect's file (closing whatever was open) and starts it; returns at once. A file
// that cannot be opened throws GameError with the reader's text. The caller tests that sound is on
// first.
void PlayEffect(EffectPlayer& player, const QString& fileName);

// The start-up check: opens each of the nine files in turn, playing none. At the first that
// fails the player is told and false returned (the game then turns sound off for the run); the
// files after it are not tried. When all open, the last stays open.
bool ProbeSoundFiles(EffectPlayer& player);
