// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/ScoreSaves.h"

#include "platform/MessageBoxes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QWidget>

#include <atomic>
#include <chrono>
#include <future>
#include <optional>
#include <thread>
#include <utility>

// A thread that waits for the score file's lock for as long as it takes and hands it to
// `handover`'s thread. It never outlives this object: the end stops the wait and joins it.
class LockWaiter {
  public:
    using Handing = std::function<void(std::shared_ptr<ScoreFileLock>)>;
    LockWaiter(const QString& fileName, QObject& handover, Handing hand) {
        std::promise<void> ended;
        Ended = ended.get_future();
        Thread = std::thread([this, fileName, &handover, hand, ended = std::move(ended)]() mutable {
            std::shared_ptr<ScoreFileLock> lock;
            try {
                lock = std::make_shared<ScoreFileLock>(fileName, LockWait::UntilFree, &Stop);
            } catch (const std::exception&) {
                // The save on the window's thread meets the same failure and shows it.
            }
            if (!Stop)
                QMetaObject::invokeMethod(
                    &handover, [hand, lock] { hand(lock); }, Qt::QueuedConnection);
            ended.set_value();
        });
    }
    ~LockWaiter() {
        Stop = true;
        while (Ended.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready)
            WakeLockWait(Thread);
        Thread.join();
    }
    LockWaiter(const LockWaiter&) = delete;
    LockWaiter& operator=(const LockWaiter&) = delete;

  private:
    std::atomic<bool> Stop = false;
    std::future<void> Ended;
    std::thread Thread;
};

namespace {

// Often enough that a change of the sound setting made while a save waits is on disk at once.
constexpr int KeepMs = 250;

QString Capitalized(const QString& text) {
    return text.left(1).toUpper() + text.mid(1);
}

} // namespace

ScoreSaves::ScoreSaves(ScoreFileStore& lines, QWidget& window)
    : Lines(lines), Window(window), OnDisk(QString::fromLatin1(ScoreFileName)) {
    KeepTimer.setInterval(KeepMs);
    QObject::connect(&KeepTimer, &QTimer::timeout, &Window, [this] {
        KeepOnDisk();
        // No waiting for a lock that none can have: tried again now and then instead.
        if (Now == Stage::WaitingForLockable)
            TryAgain();
    });
}

ScoreSaves::~ScoreSaves() = default;

void ScoreSaves::Save(ScoreChange change, bool tell) {
    Kept.push_back(std::move(change));
    switch (Now) {
    case Stage::Idle:
        SaveKept(nullptr, tell);
        break;
    case Stage::WaitingForLock:
    case Stage::WaitingForLockable:
        // Saved with those kept before it.
        KeepOnDisk();
        if (tell)
            TellKept();
        break;
    case Stage::Saving:
        break;
    }
}

void ScoreSaves::TryAgain() {
    if (Now != Stage::WaitingForLock && Now != Stage::WaitingForLockable)
        return;
    // The waiting thread holds one of the two locks while it waits for the other: it ends first,
    // so that the save meets only others.
    Waiter.reset();
    try {
        SaveKept(nullptr, false);
    } catch (const std::exception& error) {
        ShowErrorBox(QString::fromUtf8(error.what()));
    }
}

// In order, under one lock; a lock held elsewhere keeps them all. A change that cannot be made
// is dropped without holding up those after it; the player is told of the first.
void ScoreSaves::SaveKept(std::shared_ptr<ScoreFileLock> held, bool tell) {
    Now = Stage::Saving;
    std::optional<GameError> failed;
    QString leftOut;
    try {
        const std::shared_ptr<ScoreFileLock> lock =
            held ? std::move(held)
                 : std::make_shared<ScoreFileLock>(QString::fromLatin1(ScoreFileName));
        while (!Kept.empty()) {
            try {
                if (const QString left = ChangeLockedScoreFile(Lines, Kept.front());
                    leftOut.isEmpty())
                    leftOut = left;
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
        KeepForLater(busy, tell);
        return;
    } catch (...) {
        Kept.pop_front();
        if (Kept.empty()) {
            NothingKept();
        } else {
            Now = Stage::WaitingForLock;
            KeepOnDisk();
            KeepTimer.start();
            WaitForLock();
        }
        throw;
    }
    NothingKept();
    // Told once the lock is let go: a box open with the lock held would hold up other games.
    if (!leftOut.isEmpty() && !ToldLeftOut) {
        ToldLeftOut = true;
        //: %1 why the kept changes could not be made, from the score file's own messages
        Inform(&Window, QCoreApplication::translate(
                            "ScoreSaves", "Your change is saved, but not the changes that an "
                                          "earlier Tolvane game kept beside the score file: %1")
                            .arg(leftOut));
    }
    if (failed)
        throw *failed;
}

void ScoreSaves::NothingKept() {
    Now = Stage::Idle;
    KeepTimer.stop();
    Waiter.reset();
    OnDisk.Remove();
    ToldKept = false;
    if (Saved)
        std::exchange(Saved, nullptr)();
}

void ScoreSaves::KeepForLater(const ScoreFileBusy& busy, bool tell) {
    Holder = busy.Holder();
    HolderIsGame = busy.HolderIsGame();
    Now = busy.CanBeLocked() ? Stage::WaitingForLock : Stage::WaitingForLockable;
    KeepOnDisk();
    KeepTimer.start();
    if (Now == Stage::WaitingForLock)
        WaitForLock();
    else
        Waiter.reset();
    if (tell)
        TellKept();
}

// Once while changes wait, and not at close, where the window says why it stays.
void ScoreSaves::TellKept() {
    if (ToldKept)
        return;
    ToldKept = true;
    Inform(&Window,
           HolderSays({QT_TRANSLATE_NOOP("ScoreSaves",
                                         "Another Tolvane game is saving the score file just now. "
                                         "Your change is kept and saved as soon as the file is "
                                         "free, at the latest when you close Tolvane."),
                       //: %1 who holds the file: "Another program (flock, process 4242)"
                       QT_TRANSLATE_NOOP("ScoreSaves",
                                         "%1 holds the score file just now. Your change is kept "
                                         "and saved as soon as the file is free, at the latest "
                                         "when you close Tolvane."),
                       QT_TRANSLATE_NOOP("ScoreSaves",
                                         "No lock of yours can be had on the score file just now. "
                                         "Your change is kept and saved as soon as one can, at "
                                         "the latest when you close Tolvane.")}));
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
    Waiter = std::make_unique<LockWaiter>(
        QFileInfo(QString::fromLatin1(ScoreFileName)).absoluteFilePath(), Handover,
        [this, wait = ++Waits](std::shared_ptr<ScoreFileLock> lock) {
            LockFree(wait, std::move(lock));
        });
}

void ScoreSaves::LockFree(unsigned wait, std::shared_ptr<ScoreFileLock> lock) {
    // A lock from a wait that has ended since is let go.
    if (wait != Waits || !Waiter || Now != Stage::WaitingForLock)
        return;
    Waiter.reset();
    try {
        SaveKept(std::move(lock), false);
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

void ScoreSaves::DropKept() {
    Kept.clear();
    Saved = nullptr;
    NothingKept();
}

QString ScoreSaves::HolderSays(const HolderSentences& sentences, bool capitalized) const {
    if (Now == Stage::WaitingForLockable)
        return QCoreApplication::translate("ScoreSaves", sentences.NoLock);
    if (HolderIsGame)
        return QCoreApplication::translate("ScoreSaves", sentences.GameSaves);
    return QCoreApplication::translate("ScoreSaves", sentences.ProgramHolds)
        .arg(capitalized ? Capitalized(Holder) : Holder);
}
