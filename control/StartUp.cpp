// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/StartUp.h"

#include "control/GameWindow.h"
#include "control/ScoreSaves.h"
#include "engine/GameState.h"
#include "engine/Random.h"
#include "platform/AutoSize.h"
#include "records/ScoreFile.h"
#include "sound/SoundEffects.h"
#include "view/BoardArea.h"

#include <QAction>
#include <QFrame>

#include <chrono>

void StartUp(const GameWindow& window) {
    SeedRandom(
        static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    SetBoardConstants();
    window.Panel1->move(0, GameState.CellSize * 11);
    window.Panel2->move(0, GameState.CellSize * 11);
    AutoSize(*window.ClientArea);

    window.Saves->NoteSoundAtStart(window.Sound1->isChecked(), false);
    const bool soundOn = ReadSoundSetting(*window.ScoreLines);
    window.Saves->NoteSoundAtStart(soundOn, true);
    window.Sound1->setChecked(soundOn);
    GameState.SoundOn = soundOn;
    ProbeSoundFiles(*window.MediaPlayer1, *window.Sound1);
}

void SaveSoundSetting(const GameWindow& window) {
    ScoreSaves& saves = *window.Saves;
    if (saves.Closing())
        return;
    saves.StartClosing();
    if (!saves.SoundToWrite(window.Sound1->isChecked()))
        return;
    window.ScoreLines->Clear();
    // Should the save have to wait, the setting as it is then is written.
    const QAction* sound = window.Sound1;
    saves.Save(SoundSettingChange([sound] { return sound->isChecked(); }));
}

bool MayCloseWindow(const GameWindow& window) {
    return window.Saves->MayClose();
}
