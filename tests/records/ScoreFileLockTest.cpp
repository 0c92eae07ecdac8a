// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The lock of the score file's saves: which lock files are used, who is named as holding them,
// and how long a save waits.

#include "records/ScoreFileLock.h"
#include "tests/records/ScoreFileChecks.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray Before = "a\r\nb\r\nc\r\ns\r\n";
const QByteArray After = "a\r\nb\r\nc\r\nns\r\n";

mode_t ModeOf(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777
                                                                      : mode_t(-1);
}

// Saves the sound setting as the close does; the failure's text, and how long it took.
std::pair<QString, qint64> TimedSave() {
    ScoreFileStore scoreLines;
    QElapsedTimer clock;
    clock.start();
    const QString error = ErrorOf([&] { WriteSoundSetting(scoreLines, false); });
    return {error, clock.elapsed()};
}

QString Busy(const QString& holder) {
    return QStringLiteral("Cannot create file \"%1\". %2 holds it just now")
        .arg(FullPath(FileName), holder);
}

} // namespace

class ScoreFileLockTest : public QObject, ScoreFileSetUp {
    Q_OBJECT

  private slots:
    void init() { Fresh(); }
    void cleanup() { Folder.reset(); }
    void lockFilesOthersCouldHoldAreNotUsed_data();
    void lockFilesOthersCouldHoldAreNotUsed();
    void ownLockFileOpenToOthersIsMadePrivate();
    void heldLockWaitsAMomentAndNamesTheHolder_data();
    void heldLockWaitsAMomentAndNamesTheHolder();
    void linkInPlaceOfTheLockFileIsNotFollowed();
};

void ScoreFileLockTest::lockFilesOthersCouldHoldAreNotUsed_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("with a second name") << "linked";
    QTest::newRow("another user's") << "other user";
    QTest::newRow("a folder") << "folder";
}

// A lock file beside the score file that someone else could hold, or that is none: the save does
// not wait for it and leaves it as it is. The player's private lock still keeps the player's
// saves apart: while it is held the save waits.
void ScoreFileLockTest::lockFilesOthersCouldHoldAreNotUsed() {
    QFETCH(QString, kind);
    if (kind == "other user" && geteuid() != 0)
        QSKIP("Only root can give a file to another user");
    Folder->Write(FileName, Before);
    const QByteArray lock = QFile::encodeName(LockName);
    if (kind == "folder") {
        QVERIFY(QDir().mkdir(LockName));
    } else {
        Folder->Write(LockName, {});
        QVERIFY(::chmod(lock.constData(), 0600) == 0);
    }
    if (kind == "linked")
        QVERIFY(::link(lock.constData(), "elsewhere.lock") == 0);
    if (kind == "other user")
        QVERIFY(::chown(lock.constData(), 65534, 65534) == 0);
    HeldLock held(LockName);
    QVERIFY(held.Holding);
    const mode_t mode = ModeOf(LockName);

    const auto [error, ms] = TimedSave();
    QCOMPARE(error, QStringLiteral("no error"));
    QVERIFY2(ms < 1000, qPrintable(QString("took %1 ms").arg(ms)));
    QCOMPARE(Folder->Read(FileName), After);
    QCOMPARE(ModeOf(LockName), mode);

    const QString privateLock = PrivateLockFile(FileName);
    QVERIFY(!privateLock.isEmpty());
    HeldLock otherGame(privateLock);
    QVERIFY(otherGame.Holding);
    QCOMPARE(TimedSave().first, Busy("Another Tolvane game"));
    QCOMPARE(Folder->Read(FileName), After);
}

// The player's own lock file, open to the group after a restore or a chmod -R: made private
// again and used. (One open to all others: the kill test.)
void ScoreFileLockTest::ownLockFileOpenToOthersIsMadePrivate() {
    Folder->Write(FileName, Before);
    Folder->Write(LockName, {});
    QVERIFY(::chmod(QFile::encodeName(LockName).constData(), 0660) == 0);
    {
        HeldLock otherGame(LockName);
        QVERIFY(otherGame.Holding);
        QCOMPARE(TimedSave().first, Busy("Another Tolvane game"));
        QCOMPARE(Folder->Read(FileName), Before);
    }
    QCOMPARE(ModeOf(LockName), mode_t(0600));
    QCOMPARE(TimedSave().first, QStringLiteral("no error"));
    QCOMPARE(Folder->Read(FileName), After);
}

void ScoreFileLockTest::heldLockWaitsAMomentAndNamesTheHolder_data() {
    QTest::addColumn<bool>("game");
    QTest::newRow("another game of the player's") << true;
    QTest::newRow("another program of the player's") << false;
}

// While another of the player's games or programs holds the lock, a save waits a moment (a save
// takes milliseconds) and then says who holds the file; it never stands still for long (the
// holders let go after 5 s: a save that waits for them fails here at once).
void ScoreFileLockTest::heldLockWaitsAMomentAndNamesTheHolder() {
    QFETCH(bool, game);
    Folder->Write(FileName, Before);
    std::unique_ptr<HeldLock> byGame;
    std::unique_ptr<ProgramHoldingLock> byProgram;
    QString holder = "Another Tolvane game";
    if (game) {
        byGame = std::make_unique<HeldLock>(LockName, 5);
        QVERIFY(byGame->Holding);
    } else {
        Folder->Write(LockName, {});
        byProgram = std::make_unique<ProgramHoldingLock>(LockName, uid_t(-1), 5);
        QTRY_VERIFY_WITH_TIMEOUT(Held(LockName), 10000);
        holder = QStringLiteral("Another program (sleep, process %1)")
                     .arg(byProgram->Holder.processId());
    }
    const auto [error, ms] = TimedSave();
    QCOMPARE(error, Busy(holder));
    QVERIFY2(ms >= 100 && ms < 1000, qPrintable(QString("waited %1 ms").arg(ms)));
    QCOMPARE(Folder->Read(FileName), Before);
}

// A link planted where the lock file belongs, to a file of the player's: never followed, so
// that file is neither made private nor locked, and the save does not wait for whoever holds it.
void ScoreFileLockTest::linkInPlaceOfTheLockFileIsNotFollowed() {
    Folder->Write(FileName, Before);
    QTemporaryDir elsewhere;
    const QString players = elsewhere.filePath("notes.txt");
    WriteAt(players, "the player's\n");
    QVERIFY(::chmod(QFile::encodeName(players).constData(), 0644) == 0);
    QVERIFY(QFile::link(players, LockName));
    HeldLock otherProgram(players);
    QVERIFY(otherProgram.Holding);

    const auto [error, ms] = TimedSave();
    QCOMPARE(error, QStringLiteral("no error"));
    QCOMPARE(Folder->Read(FileName), After);
    QVERIFY(QFileInfo(LockName).isSymLink());
    QCOMPARE(ModeOf(players), mode_t(0644));
    QCOMPARE(ReadAt(players), QByteArray("the player's\n"));
}

QTEST_GUILESS_MAIN(ScoreFileLockTest)
#include "ScoreFileLockTest.moc"
