// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/WindowClose.h"

#include "control/ScoreSaves.h"
#include "platform/MessageBoxes.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

namespace {

// Question icon, caption "Confirm", Yes and No; unlike the game's other questions No is the
// default, so that Enter keeps the player's changes.
bool ConfirmCloseWithout(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("MessageBoxes", "Confirm"),
                    text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace

WindowClose::WindowClose(ScoreFileStore& scoreLines, ScoreSaves& saves, QWidget& window)
    : ScoreLines(scoreLines), Saves(saves), Window(window) {}

void WindowClose::NoteSoundAtStart(bool checked, bool read) {
    SoundAtStart = checked;
    SoundRead = read;
}

void WindowClose::SaveSoundSetting(const Game& game) {
    if (Now != Stage::Open)
        return;
    Now = Stage::Asked;
    if (!SoundRead && game.SoundOn == SoundAtStart)
        return;
    ScoreLines.Clear();
    // Should the save have to wait, the setting as it is then is written; the close says why
    // the window stays.
    Saves.Save(SoundSettingChange([&game] { return game.SoundOn; }), false);
}

bool WindowClose::MayClose() {
    if (!Saves.Waiting())
        return true;
    if (Now != Stage::Waiting) {
        Now = Stage::Waiting;
        // Not from inside a close request that is still being answered.
        Saves.WhenSaved([this] { QTimer::singleShot(0, &Window, [this] { Window.close(); }); });
        Inform(&Window,
               Saves.HolderSays(
                   {QT_TRANSLATE_NOOP("ScoreSaves", "Tolvane closes as soon as it has saved your "
                                                    "changes; another Tolvane game is saving the "
                                                    "score file just now."),
                    //: %1 who holds the file: "another program (process 4242)"
                    QT_TRANSLATE_NOOP("ScoreSaves", "Tolvane closes as soon as it has saved your "
                                                    "changes; %1 holds the score file just now."),
                    QT_TRANSLATE_NOOP("ScoreSaves", "Tolvane closes as soon as it has saved your "
                                                    "changes; no lock of yours can be had on the "
                                                    "score file just now.")},
                   false));
        return !Saves.Waiting(); // saved while the player read it
    }
    // Who holds the file now, not who held it at the first refusal.
    Saves.TryAgain();
    if (!Saves.Waiting())
        return true;
    if (!ConfirmCloseWithout(
            &Window,
            Saves.HolderSays(
                {QT_TRANSLATE_NOOP("ScoreSaves", "Your changes have not been saved yet: another "
                                                 "Tolvane game is still saving the score file. "
                                                 "Close without them?"),
                 //: %1 who holds the file: "another program (process 4242)"
                 QT_TRANSLATE_NOOP("ScoreSaves", "Your changes have not been saved yet: %1 still "
                                                 "holds the score file. Close without them?"),
                 QT_TRANSLATE_NOOP("ScoreSaves", "Your changes have not been saved yet: still no "
                                                 "lock of yours can be had on the score file. "
                                                 "Close without them?")},
                false)))
        return !Saves.Waiting();
    Saves.DropKept();
    return true;
}
