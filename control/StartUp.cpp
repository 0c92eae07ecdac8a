// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/StartUp.h"

#include "control/GameWindow.h"
#include "control/ScoreSaves.h"
#include "records/ScoreFile.h"

void PrepareGame(Game& game, std::uint64_t seed) {
    game.Draws.Seed(seed);
    SetBoardConstants(game);
}

void LoadSoundSetting(Game& game, GameWindow& window) {
    ScoreSaves& saves = window.Saves();
    saves.NoteSoundAtStart(game.SoundOn, false);
    game.SoundOn = ReadSoundSetting(window.ScoreLines());
    saves.NoteSoundAtStart(game.SoundOn, true);
    window.ShowSound(game.SoundOn, true);
    if (!window.SoundFilesOpen()) {
        game.SoundOn = false;
        window.ShowSound(false, false);
    }
}

void SaveSoundSetting(const Game& game, GameWindow& window) {
    ScoreSaves& saves = window.Saves();
    if (saves.Closing())
        return;
    saves.StartClosing();
    if (!saves.SoundToWrite(game.SoundOn))
        return;
    window.ScoreLines().Clear();
    // Should the save have to wait, the setting as it is then is written.
    saves.Save(SoundSettingChange([&game] { return game.SoundOn; }));
}

bool MayCloseWindow(GameWindow& window) {
    return window.Saves().MayClose();
}
