// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The lock of the score file's saves: which lock files are used, and how long a save waits.

#include "records/ScoreFileLock.h"
#include "tests/records/ScoreFileChecks.h"
#include "tests/support/TempFolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

class ScoreFileLockTest : public QObject {
    Q_OBJECT

  private slots:
    void lockFileOthersCouldOpenIsNotUsed_data();
    void lockFileOthersCouldOpenIsNotUsed();
};

void ScoreFileLockTest::lockFileOthersCouldOpenIsNotUsed_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("readable by all") << "0644";
    QTest::newRow("with a second name") << "linked";
    QTest::newRow("another user's") << "other user";
}

// A lock file that someone else could have opened is one they could hold: the game does not wait
// for it but saves alone, and leaves it as it is.
void ScoreFileLockTest::lockFileOthersCouldOpenIsNotUsed() {
    QFETCH(QString, kind);
    if (kind == "other user" && geteuid() != 0)
        QSKIP("Only root can give a file to another user");
    TempFolder folder;
    folder.Write(FileName, "a\r\nb\r\nc\r\ns\r\n");
    const QByteArray lock = QFile::encodeName("." + FileName + ".lock");
    folder.Write(QFile::decodeName(lock), {});
    QVERIFY(::chmod(lock.constData(), kind == "0644" ? 0644 : 0600) == 0);
    if (kind == "linked")
        QVERIFY(::link(lock.constData(), "elsewhere.lock") == 0);
    if (kind == "other user")
        QVERIFY(::chown(lock.constData(), 65534, 65534) == 0);
    const int held = ::open(lock.constData(), O_RDONLY | O_CLOEXEC);
    QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);

    ScoreFileStore scoreLines;
    QElapsedTimer clock;
    clock.start();
    const QString error = ErrorOf([&] { WriteSoundSetting(scoreLines, false); });
    const qint64 ms = clock.elapsed();
    ::close(held);
    QCOMPARE(error, QStringLiteral("no error"));
    QVERIFY2(ms < 100, qPrintable(QString("took %1 ms").arg(ms)));
    QCOMPARE(folder.Read(FileName), QByteArray("a\r\nb\r\nc\r\nns\r\n"));
    struct stat status {};
    QVERIFY(::stat(lock.constData(), &status) == 0);
    QCOMPARE(status.st_mode & 07777, mode_t(kind == "0644" ? 0644 : 0600));
}

QTEST_GUILESS_MAIN(ScoreFileLockTest)
#include "ScoreFileLockTest.moc"
