// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/SoundCommand.h"

#include "control/GameWindow.h"
#include "engine/GameState.h"
#include "sound/SoundEffects.h"

#include <QAction>

void PlayIfSoundOn(const GameWindow& window, const char* fileName) {
    if (GameState.SoundOn)
        PlayEffect(*window.MediaPlayer1, fileName);
}

void ToggleSound(QAction& Sound1) {
    if (Sound1.isChecked()) {
        Sound1.setChecked(false);
        GameState.SoundOn = false;
    } else {
        Sound1.setChecked(true);
        GameState.SoundOn = true;
    }
}
