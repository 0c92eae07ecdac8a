// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/ScoreSaves.h"

#include "platform/MessageBoxes.h"

#include <QWidget>

namespace {

// Often enough that a change is on disk moments after the other game lets go. A try does not
// wait for the lock at all, so that the window never stands still for it.
constexpr int RetryMs = 250;

const QString KeptText = QStringLiteral(
    "Another Tolvane game is saving the score file just now. Your change is kept and saved as "
    "soon as that game has finished, at the latest when you close Tolvane.");
const QString CloseWaitsText =
    QStringLiteral("Tolvane closes as soon as it has saved your changes; another Tolvane game is "
                   "saving the score file just now.");
const QString CloseAnywayText = QStringLiteral(
    "Your changes have not been saved yet: another Tolvane game is still saving the score file. "
    "Close without them?");

} // namespace

ScoreSaves::ScoreSaves(ScoreFileStore& lines, QWidget& window) : Lines(lines), Window(window) {
    RetryTimer.setInterval(RetryMs);
    QObject::connect(&RetryTimer, &QTimer::timeout, &Window, [this] { Retry(); });
}

void ScoreSaves::Save(ScoreChange change) {
    Kept.push_back(std::move(change));
    if (!Saving)
        SaveKept(LockWait::Moment);
}

// In order; the first that finds the lock held stops the rest.
void ScoreSaves::SaveKept(LockWait wait) {
    Saving = true;
    try {
        while (!Kept.empty()) {
            ChangeScoreFile(Lines, Kept.front(), wait);
            Kept.pop_front();
        }
    } catch (const ScoreFileBusy&) {
        Saving = false;
        KeepForLater();
        return;
    } catch (...) {
        Saving = false;
        Kept.pop_front();
        if (Kept.empty())
            NothingKept();
        throw;
    }
    Saving = false;
    NothingKept();
}

void ScoreSaves::NothingKept() {
    RetryTimer.stop();
    Told = false;
    // Not from inside a close request that is still being answered.
    if (CloseWaiting)
        QTimer::singleShot(0, &Window, [this] { Window.close(); });
}

void ScoreSaves::KeepForLater() {
    RetryTimer.start();
    // Once, and not at close, where the window says why it stays.
    if (Told || CloseRequested)
        return;
    Told = true;
    Inform(&Window, KeptText);
}

void ScoreSaves::Retry() {
    if (Saving)
        return;
    try {
        SaveKept(LockWait::None);
    } catch (const std::exception& error) {
        ShowErrorBox(QString::fromUtf8(error.what()));
    }
}

void ScoreSaves::ShowKept(ScoreFileStore& lines) const {
    for (const ScoreChange& change : Kept) {
        try {
            change(lines);
        } catch (const GameError&) {
            // It fails on the file too when it is made; the file shows as it is.
        }
    }
}

bool ScoreSaves::MayClose() {
    if (Kept.empty())
        return true;
    if (!CloseWaiting) {
        CloseWaiting = true;
        Inform(&Window, CloseWaitsText);
        return Kept.empty(); // saved while the player read it
    }
    return Confirm(&Window, CloseAnywayText);
}

void ScoreSaves::NoteSoundAtStart(bool checked, bool read) {
    SoundAtStart = checked;
    SoundRead = read;
}
