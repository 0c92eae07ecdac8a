// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/SoundEffects.h"

#include "platform/MessageBoxes.h"
#include "sound/EffectPlayer.h"
#include "sound/SoundNames.h"

#include <QCoreApplication>

#include <exception>

void PlayEffect(EffectPlayer& player, const QString& fileName) {
    player.Open(fileName);
    player.Play();
}

bool ProbeSoundFiles(EffectPlayer& player) {
    bool failed = false;
    try {
        for (const char* name : SoundFileNames)
            player.Open(name);
    } catch (const std::exception&) {
        failed = true;
    }
    if (!failed)
        return true;
    // The box runs its own event loop, so it is shown outside the handler of the failure.
    ShowErrorMessage(
        nullptr, QCoreApplication::translate("SoundEffects", "Some sound files may be missing"));
    return false;
}
