// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/BestTimesFlow.h"

#include "control/GameWindow.h"
#include "control/ScoreSaves.h"
#include "control/SoundCommand.h"
#include "records/BestTimes.h"
#include "records/ScoreFile.h"

void ShowBestTimes(Game& game, GameWindow& window) {
    // However the flow ends, a finished game's time is offered once: a flow stopped by a failure
    // must not leave it for a later Best Times from the menu to record.
    struct ResultOffered {
        Game& Offered;
        ~ResultOffered() { Offered.ResultPending = false; }
    } resultOffered{game};
    ScoreLineList& lines = window.ScoreLines();
    ScoreSaves& saves = window.Saves();
    lines.LoadFromFile(ScoreFileName);
    saves.ShowKept(lines);
    const int k = LocateMarker(lines);
    std::array<BestTimeRecord, 3> records = ReadBestTimes(lines, k);

    if (game.ResultPending) {
        const Level level = LevelOf(game.ShownPerBlock);
        if (game.ElapsedSeconds < records[level].Seconds) {
            PlayIfSoundOn(game, window, "best.wav");
            const QString name = NameForRecord(window.AskName());
            // Another game may have stored a better time while the name was asked for; it stays.
            saves.Save(BestTimeChange(level, name, game.ElapsedSeconds));
        }
        game.ResultPending = false;
        // Show what is stored, or kept for storing: read the block again at the same place.
        lines.LoadFromFile(ScoreFileName);
        saves.ShowKept(lines);
        records = ReadBestTimes(lines, k);
    }

    if (window.ShowRecords(records)) {
        // On the file as it is now: what another game saved while the window was open stays.
        saves.Save(ResetChange());
    }
}
