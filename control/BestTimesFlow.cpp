// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/BestTimesFlow.h"

#include "control/GameWindow.h"
#include "control/ScoreSaves.h"
#include "control/SoundCommand.h"
#include "engine/TimeText.h"
#include "platform/GameError.h"
#include "records/PlayerName.h"
#include "records/ScoreFile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// A finished game's time cannot be offered when the best times cannot be read: the player is told
// which file to repair, and the time to write in by hand if they like.
QString UnreadableBlockText(const QString& failure, std::int32_t seconds) {
    //: %1 the failure, %2 the file, %3 the time; "high" is written in the file as it is
    return QCoreApplication::translate(
               "BestTimesFlow",
               "%1. The best times in \"%2\" cannot be read, so your time of %3 is not "
               "recorded; the file is left as it was. To record times again, repair its "
               "best-times block: a line \"high\", then for Easy, Medium and Hard a name and a "
               "time in seconds.")
        .arg(failure, QFileInfo(QString::fromLatin1(ScoreFileName)).absoluteFilePath(),
             QString::fromStdString(TimeTextOf(seconds)));
}

} // namespace

void ShowBestTimes(Game& game, GameWindow& window, ScoreFileUse scoreFile) {
    // However the flow ends, a finished game's time is offered once: a flow stopped by a failure
    // must not leave it for a later Best Times from the menu to record.
    struct ResultOffered {
        Game& Offered;
        ~ResultOffered() { Offered.ResultPending = false; }
    } resultOffered{game};
    ScoreFileStore& lines = scoreFile.Lines;
    ScoreSaves& saves = scoreFile.Saves;
    lines.LoadFromFile(ScoreFileName);
    saves.ShowKept(lines);
    int k = 0;
    std::array<BestTimeRecord, LevelCount> records{};
    try {
        k = LocateMarker(lines);
        records = ReadBestTimes(lines, k);
    } catch (const GameError& error) {
        if (!game.ResultPending)
            throw;
        throw GameError(UnreadableBlockText(error.Message(), game.ElapsedSeconds));
    }

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

    if (window.ShowRecordsAskingReset(records)) {
        // On the file as it is now: what another game saved while the window was open stays.
        saves.Save(ResetChange());
    }
}
