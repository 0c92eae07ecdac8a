// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/SoundCommand.h"

#include "control/GameWindow.h"

void PlayIfSoundOn(const Game& game, GameWindow& window, const char* fileName) {
    if (game.SoundOn)
        window.PlayEffect(fileName);
}

void ToggleSound(Game& game, GameWindow& window) {
    game.SoundOn = !game.SoundOn;
    window.ShowSound(game.SoundOn, true);
}
