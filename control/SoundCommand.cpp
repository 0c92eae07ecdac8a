// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/SoundCommand.h"

#include "control/GameWindow.h"
#include "engine/GameState.h"
#include "sound/SoundEffects.h"

#include <QAction>

void PlayIfSoundOn(const GameWindow& window, const char* fileName) {
    if (GameState.SoundOn)
        PlayEffect(*window.Player, fileName);
}

void ToggleSound(QAction& soundItem) {
    if (soundItem.isChecked()) {
        soundItem.setChecked(false);
        GameState.SoundOn = false;
    } else {
        soundItem.setChecked(true);
        GameState.SoundOn = true;
    }
}
