// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/BestTimesFlow.h"

#include "control/GameWindow.h"
#include "control/ScoreSaves.h"
#include "control/SoundCommand.h"
#include "engine/GameState.h"
#include "engine/TimeText.h"
#include "platform/GameError.h"
#include "records/PlayerName.h"
#include "records/ScoreFile.h"
#include "view/NameBox.h"
#include "view/TForm4.h"

#include <QFileInfo>
#include <QPlainTextEdit>

namespace {

QString TimeTextFor(std::int32_t seconds) {
    return QString::fromStdString(TimeTextOf(seconds));
}

void FillBestTimesWindow(TForm4& form, const std::array<BestTimeRecord, 3>& records) {
    form.Memo2->setPlainText(records[0].Name + "\n\n" + records[1].Name + "\n\n" + records[2].Name);
    form.Memo3->setPlainText(" " + TimeTextFor(records[0].Seconds) + "\n\n " +
                             TimeTextFor(records[1].Seconds) + "\n\n " +
                             TimeTextFor(records[2].Seconds));
}

// A finished game's time cannot be offered when the best times cannot be read: the player is told
// which file to repair, and the time to write in by hand if they like.
QString UnreadableBlockText(const QString& failure, std::int32_t seconds) {
    return QStringLiteral("%1. The best times in \"%2\" cannot be read, so your time of %3 is not "
                          "recorded; the file is left as it was. To record times again, repair "
                          "its best-times block: a line \"high\", then for Easy, Medium and Hard "
                          "a name and a time in seconds.")
        .arg(failure, QFileInfo(QString::fromLatin1(ScoreFileName)).absoluteFilePath(),
             TimeTextFor(seconds));
}

} // namespace

void ShowBestTimes(const GameWindow& window) {
    // However the flow ends, a finished game's time is offered once: a flow stopped by a failure
    // must not leave it for a later Best Times from the menu to record.
    struct ResultOffered {
        ~ResultOffered() { GameState.ResultPending = false; }
    } resultOffered;
    ScoreFileStore& lines = *window.ScoreLines;
    ScoreSaves& saves = *window.Saves;
    ResetRequested = false;
    lines.LoadFromFile(ScoreFileName);
    saves.ShowKept(lines);
    int k = 0;
    std::array<BestTimeRecord, 3> records{};
    try {
        k = LocateMarker(lines);
        records = ReadBestTimes(lines, k);
    } catch (const GameError& error) {
        if (!GameState.ResultPending)
            throw;
        throw GameError(UnreadableBlockText(error.Message(), GameState.ElapsedSeconds));
    }

    if (GameState.ResultPending) {
        const Level level = LevelOf(GameState.ShownPerBlock);
        if (GameState.ElapsedSeconds < records[level].Seconds) {
            PlayIfSoundOn(window, "best.wav");
            const QString name = NameForRecord(AskName(window.Window));
            // Another game may have stored a better time while the name was asked for; it stays.
            saves.Save(BestTimeChange(level, name, GameState.ElapsedSeconds));
        }
        GameState.ResultPending = false;
        // Show what is stored, or kept for storing: read the block again at the same place.
        lines.LoadFromFile(ScoreFileName);
        saves.ShowKept(lines);
        records = ReadBestTimes(lines, k);
    }

    FillBestTimesWindow(*window.BestTimesWindow, records);
    window.BestTimesWindow->ShowModal();

    if (ResetRequested) {
        // On the file as it is now: what another game saved while the window was open stays.
        saves.Save(ResetChange());
        ResetRequested = false;
    }
}
