// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/StartUp.h"

#include "control/GameWindow.h"
#include "control/WindowClose.h"
#include "records/ScoreFile.h"

void PrepareGame(Game& game, std::uint64_t seed) {
    game.Draws.Seed(seed);
    SetBoardConstants(game);
}

void LoadSoundSetting(Game& game, GameWindow& window, ScoreFileStore& scoreLines,
                      WindowClose& close) {
    close.NoteSoundAtStart(game.SoundOn, false);
    game.SoundOn = ReadSoundSetting(scoreLines);
    close.NoteSoundAtStart(game.SoundOn, true);
    window.ShowSound(game.SoundOn, true);
    if (!window.SoundFilesOpen()) {
        game.SoundOn = false;
        window.ShowSound(false, false);
    }
}
