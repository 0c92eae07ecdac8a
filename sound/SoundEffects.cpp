// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/SoundEffects.h"

#include "engine/GameState.h"
#include "platform/MessageBoxes.h"
#include "sound/EffectPlayer.h"
#include "sound/SoundNames.h"

#include <QAction>

#include <exception>

void PlayEffect(EffectPlayer& player, const QString& fileName) {
    player.Open(fileName);
    player.Play();
}

void ProbeSoundFiles(EffectPlayer& player, QAction& soundItem) {
    bool failed = false;
    try {
        for (const char* name : SoundFileNames)
            player.Open(name);
    } catch (const std::exception&) {
        failed = true;
    }
    if (!failed)
        return;
    // The box runs its own event loop, so it is shown outside the handler of the failure.
    GameState.SoundOn = false;
    ShowErrorMessage(nullptr, "Some sound files may be missing");
    soundItem.setEnabled(false);
    soundItem.setChecked(false);
}
