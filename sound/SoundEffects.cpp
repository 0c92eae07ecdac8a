// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/SoundEffects.h"

#include "engine/GameState.h"
#include "platform/MessageBoxes.h"
#include "sound/MediaPlayer.h"
#include "sound/SoundNames.h"

#include <QAction>

#include <exception>

void PlayEffect(MediaPlayer& MediaPlayer1, const QString& fileName) {
    MediaPlayer1.Open(fileName);
    MediaPlayer1.Play();
}

void ProbeSoundFiles(MediaPlayer& MediaPlayer1, QAction& Sound1) {
    bool failed = false;
    try {
        for (const char* name : SoundFileNames)
            MediaPlayer1.Open(name);
    } catch (const std::exception&) {
        failed = true;
    }
    if (!failed)
        return;
    // The box runs its own event loop, so it is shown outside the handler of the failure.
    GameState.SoundOn = false;
    ShowErrorMessage(nullptr, "Some sound files may be missing");
    Sound1.setEnabled(false);
    Sound1.setChecked(false);
}
