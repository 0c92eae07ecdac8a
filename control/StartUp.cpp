// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/StartUp.h"

#include "app/TForm1.h"
#include "engine/GameState.h"
#include "engine/Random.h"
#include "records/ScoreFile.h"
#include "sound/SoundEffects.h"

#include <QAction>
#include <QFrame>

#include <chrono>

void StartUp(TForm1& form) {
    SeedRandom(
        static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    SetBoardConstants();
    form.Panel1->move(0, GameState.CellSize * 11);
    form.Panel2->move(0, GameState.CellSize * 11);
    form.AutoSize();

    const bool soundOn = ReadSoundSetting(form.ScoreLines);
    form.Sound1->setChecked(soundOn);
    GameState.SoundOn = soundOn;
    ProbeSoundFiles(form.MediaPlayer1, *form.Sound1);
}

void SaveSoundSetting(TForm1& form) {
    WriteSoundSetting(form.ScoreLines, form.Sound1->isChecked());
}
