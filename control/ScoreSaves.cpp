// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/ScoreSaves.h"

#include "platform/MessageBoxes.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

#include <mutex>
#include <optional>
#include <thread>

// The thread that waits for the lock, and whether it is still wanted. It hands the lock over only
// while it is: a thread no longer wanted lets go of the lock as it gets it.
struct LockWaiter {
    std::mutex Mutex;
    bool Wanted = true;
};

namespace {

// Often enough that a change of the sound setting made while a save waits is on disk at once.
constexpr int KeepMs = 250;

QString Capitalized(const QString& text) {
    return text.left(1).toUpper() + text.mid(1);
}

// Question icon, caption "Confirm", Yes and No; unlike the game's other questions No is the
// default, so that Enter keeps the player's changes.
bool ConfirmCloseWithout(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, "Confirm", text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace

ScoreSaves::ScoreSaves(ScoreFileStore& lines, QWidget& window)
    : Lines(lines), Window(window), OnDisk(QString::fromLatin1(ScoreFileName)) {
    KeepTimer.setInterval(KeepMs);
    QObject::connect(&KeepTimer, &QTimer::timeout, &Window, [this] {
        KeepOnDisk();
        // No waiting for a lock that cannot be had: tried again now and then instead.
        if (!Lockable && !Waiter && !Saving)
            LockFree(nullptr, nullptr);
    });
}

ScoreSaves::~ScoreSaves() {
    StopWaiting();
}

void ScoreSaves::Save(ScoreChange change) {
    Kept.push_back(std::move(change));
    // While the lock is waited for, the change joins those kept: it is saved with them.
    if (Waiter) {
        KeepOnDisk();
        return;
    }
    if (!Saving)
        SaveKept(nullptr);
}

// In order, under one lock; a lock held elsewhere keeps them all. A change that cannot be made
// is dropped without holding up those after it; the player is told of the first.
void ScoreSaves::SaveKept(std::shared_ptr<ScoreFileLock> held) {
    Saving = true;
    std::optional<GameError> failed;
    try {
        const std::shared_ptr<ScoreFileLock> lock =
            held ? std::move(held)
                 : std::make_shared<ScoreFileLock>(QString::fromLatin1(ScoreFileName));
        while (!Kept.empty()) {
            try {
                const QString leftOut = ChangeLockedScoreFile(Lines, Kept.front());
                if (!leftOut.isEmpty() && !ToldLeftOut) {
                    ToldLeftOut = true;
                    Inform(&Window, "Your change is saved, but not the changes that an earlier "
                                    "Tolvane game kept beside the score file: " +
                                        leftOut);
                }
            } catch (const GameError& error) {
                if (!failed)
                    failed = error;
            }
            Kept.pop_front();
            // Still under the lock: a kill from here on must not make a saved change again
            // after another game's.
            if (Kept.empty())
                OnDisk.Remove();
            else if (OnDisk.Exists())
                KeepOnDisk();
        }
    } catch (const ScoreFileBusy& busy) {
        Saving = false;
        KeepForLater(busy);
        return;
    } catch (...) {
        Saving = false;
        Kept.pop_front();
        if (Kept.empty()) {
            NothingKept();
        } else {
            KeepOnDisk();
            WaitForLock();
        }
        throw;
    }
    Saving = false;
    NothingKept();
    if (failed)
        throw *failed;
}

void ScoreSaves::NothingKept() {
    KeepTimer.stop();
    StopWaiting();
    OnDisk.Remove();
    Told = false;
    // Not from inside a close request that is still being answered.
    if (CloseWaiting)
        QTimer::singleShot(0, &Window, [this] { Window.close(); });
}

void ScoreSaves::KeepForLater(const ScoreFileBusy& busy) {
    Holder = busy.Holder();
    HolderIsGame = busy.HolderIsGame();
    Lockable = busy.CanBeLocked();
    KeepOnDisk();
    KeepTimer.start();
    if (Lockable)
        WaitForLock();
    // Once, and not at close, where the window says why it stays.
    if (Told || CloseRequested)
        return;
    Told = true;
    Inform(&Window, Capitalized(HolderDoes(false)) +
                        " the score file just now. Your change is kept and saved as soon as the "
                        "file is free, at the latest when you close Tolvane.");
}

void ScoreSaves::KeepOnDisk() {
    QList<QByteArray> entries;
    for (const ScoreChange& change : Kept)
        if (change.Entry)
            entries.append(change.Entry());
    OnDisk.Write(entries);
}

void ScoreSaves::WaitForLock() {
    if (Waiter)
        return;
    auto waiter = std::make_shared<LockWaiter>();
    Waiter = waiter;
    const QString fileName = QFileInfo(QString::fromLatin1(ScoreFileName)).absoluteFilePath();
    QObject* handover = &Handover;
    std::thread([this, waiter, fileName, handover] {
        std::shared_ptr<ScoreFileLock> lock;
        try {
            lock = std::make_shared<ScoreFileLock>(fileName, LockWait::UntilFree);
        } catch (const std::exception&) {
            // The save on the window's thread meets the same failure and shows it.
        }
        const std::lock_guard<std::mutex> guard(waiter->Mutex);
        if (waiter->Wanted)
            QMetaObject::invokeMethod(
                handover, [this, waiter, lock] { LockFree(waiter, lock); }, Qt::QueuedConnection);
    }).detach();
}

void ScoreSaves::StopWaiting() {
    if (!Waiter)
        return;
    const std::lock_guard<std::mutex> guard(Waiter->Mutex);
    Waiter->Wanted = false;
    Waiter.reset();
}

void ScoreSaves::LockFree(const std::shared_ptr<LockWaiter>& waiter,
                          std::shared_ptr<ScoreFileLock> lock) {
    if (waiter != Waiter)
        return;
    Lockable = true;
    Waiter.reset();
    if (Saving) // the save on the window's thread goes on; this lock is not needed
        return;
    try {
        SaveKept(std::move(lock));
    } catch (const std::exception& error) {
        ShowErrorBox(QString::fromUtf8(error.what()));
    }
}

void ScoreSaves::ShowKept(ScoreFileStore& lines) const {
    for (const ScoreChange& change : Kept) {
        try {
            change.Make(lines);
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
        Inform(&Window, "Tolvane closes as soon as it has saved your changes; " +
                            HolderDoes(false) + " the score file just now.");
        return Kept.empty(); // saved while the player read it
    }
    if (!ConfirmCloseWithout(&Window, "Your changes have not been saved yet: " + HolderDoes(true) +
                                          " the score file. Close without them?"))
        return Kept.empty();
    Kept.clear();
    KeepTimer.stop();
    StopWaiting();
    OnDisk.Remove();
    return true;
}

QString ScoreSaves::HolderDoes(bool still) const {
    if (!Lockable)
        return QString(still ? "still no lock of yours can be had on"
                             : "no lock of yours can be had on");
    if (HolderIsGame)
        return QString(still ? "another Tolvane game is still saving"
                             : "another Tolvane game is saving");
    return Holder + (still ? " still holds" : " holds");
}

void ScoreSaves::NoteSoundAtStart(bool checked, bool read) {
    SoundAtStart = checked;
    SoundRead = read;
}
