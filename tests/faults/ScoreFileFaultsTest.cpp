// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Faults on the score file, through the game's own windows and flows: a read-only folder, a
// full disk, the file replaced by a folder, by a dangling link, by a named pipe or by 50 MB of
// data. Every failure shows the game's error box with the file's path and the reason, never a
// crash or a hang, and the stored best times stay exactly as they were.

#include "app/MainWindow.h"
#include "control/BestTimesFlow.h"
#include "engine/Game.h"
#include "platform/MessageBoxes.h"
#include "records/ScoreFile.h"
#include "tests/records/ScoreFileChecks.h"
#include "tests/support/GameSession.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestWindows.h"
#include "view/BestTimesWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef TOLVANE_ASSETS_DIR
#error "TOLVANE_ASSETS_DIR must name the folder of the game's supplied files"
#endif

namespace {

// The bytes of a literal that holds NULs, without the one that ends it.
template <std::size_t N> QByteArray WithNul(const char (&text)[N]) {
    return QByteArray(text, N - 1);
}

// Records set earlier, lines of the player's own around them.
const QByteArray Stored = "Tolvane best times\r\nkept line\r\n\r\ns\r\nhigh\r\n"
                          "Ann\r\n300\r\nBo\r\n400\r\nCy\r\n500\r\ntrailing line\r\n";

// What came up in answer to one step: the window and, for a message box, its caption and text.
struct Shown {
    bool MessageBox = false;
    bool BestTimes = false;
    QString Caption, Text;
};

// Answers a message box or the best-times window with OK, noting which it was.
Answer Note(Shown& shown) {
    return [&shown](QWidget* window) {
        shown.MessageBox = qobject_cast<QMessageBox*>(window) != nullptr;
        shown.BestTimes = window == Windows.BestTimes;
        Press("OK", &shown.Caption, &shown.Text)(window);
    };
}

QString OpenError(const QString& path, int error) {
    return QStringLiteral("Cannot open file \"%1\". %2")
        .arg(path, QString::fromLocal8Bit(std::strerror(error)));
}

// A save refused, or failed before the file changed: the player learns that nothing was lost.
QString NotSaved(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot save file \"%1\". %2. The file is left as it was: the earlier "
                          "best times are unchanged")
        .arg(path, reason);
}

QString CreateError(const QString& path, int error) {
    return QStringLiteral("Cannot create file \"%1\". %2")
        .arg(path, QString::fromLocal8Bit(std::strerror(error)));
}

// A correct Easy game of 100 seconds handed to the best-times flow, as Submit does.
void OfferEasyGameOf100Seconds() {
    TheGame().ShownPerBlock = 5;
    TheGame().ElapsedSeconds = 100;
    TheGame().ResultPending = true;
    RunHandler([] { ShowBestTimes(TheGame(), *Windows.Main, Windows.Main->ScoreFile()); });
}

// A correct Easy game of 100 seconds, beating every stored time, and the name typed.
void FinishRecordGame(Shown& after, const QString& name = "Tester") {
    AnswerInOrder({TypeAndPress(name, "OK"), Note(after)});
    OfferEasyGameOf100Seconds();
}

// Best Times from the menu.
void OpenBestTimes(Shown& shown) {
    AnswerInOrder({Note(shown)});
    Windows.Main->BestTimesItem->trigger();
}

// Closing the main window writes the sound setting.
void CloseMainWindow(Shown& shown) {
    AnswerInOrder({Note(shown)});
    Windows.Main->close();
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                  QDir::System);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Cannot read %s", qPrintable(path));
    return file.readAll();
}

// Copies the supplied sounds into a folder, so that the start-up check passes there.
void CopySounds(const QString& folder) {
    const QDir assets(TOLVANE_ASSETS_DIR);
    for (const QString& name : assets.entryList({"*.wav"}, QDir::Files))
        if (!QFile::copy(assets.filePath(name), folder + "/" + name))
            qFatal("Cannot copy %s", qPrintable(name));
}

// The records after a reset: empty names and a day each.
QByteArray AfterReset(QByteArray file) {
    return file.replace("Ann\r\n300\r\nBo\r\n400\r\nCy\r\n500",
                        "\r\n86400\r\n\r\n86400\r\n\r\n86400");
}

QByteArray SoundOff(QByteArray file) {
    return file.replace("\r\n\r\ns\r\n", "\r\n\r\nns\r\n");
}

// The changes kept beside the score file while the lock is held elsewhere, one a line; nothing
// when none are kept.
QByteArray KeptOnDisk() {
    const QStringList kept =
        Entries(".").filter(QRegularExpression("^\\.highscores\\.txc\\.kept-"));
    if (kept.size() != 1)
        return kept.isEmpty() ? QByteArray() : QByteArray("several: ") + kept.join(' ').toUtf8();
    const QByteArray bytes = ReadAll(kept[0]);
    const QByteArray header = "Tolvane kept changes\n", end = "end\n";
    if (!bytes.startsWith(header) || !bytes.endsWith(end))
        return "not whole: " + bytes;
    return bytes.mid(header.size(), bytes.size() - header.size() - end.size()).trimmed();
}

// Enter on a message box, noting its text.
Answer PressEnter(QString* text) {
    return [text](QWidget* window) {
        if (auto* box = qobject_cast<QMessageBox*>(window))
            *text = box->text();
        QTest::keyClick(window, Qt::Key_Return);
    };
}

// The Reset scores button of the best-times window, and Yes to its question.
Answer ResetScores() {
    return [](QWidget* window) {
        AnswerInOrder({Press("Yes")});
        Press("Reset scores")(window);
    };
}

long PeakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Runs this test binary's function `name` again as user nobody, for the cases that need a
// user whom file permissions bind. Returns the reason when that cannot be done.
QString RunAsNobody(const QString& name) {
    if (QStandardPaths::findExecutable("setpriv").isEmpty())
        return "setpriv (util-linux) is missing";
    const QString program = QCoreApplication::applicationFilePath();
    if (QProcess::execute("setpriv", {"--reuid=nobody", "--regid=nogroup", "--clear-groups", "test",
                                      "-x", program}) != 0)
        return "user nobody cannot reach " + program;
    // A home of its own for the fonts' cache.
    QTemporaryDir home;
    if (::chown(QFile::encodeName(home.path()).constData(), 65534, 65534) != 0)
        return "cannot hand a home folder to nobody";
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("XDG_CACHE_HOME", home.path());
    environment.remove("XDG_RUNTIME_DIR");
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start("setpriv", {"--reuid=nobody", "--regid=nogroup", "--clear-groups", program, name});
    if (!child.waitForFinished(120000))
        child.kill();
    child.waitForFinished();
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        QTest::qFail(qPrintable(QString("%1 failed as user nobody").arg(name)), __FILE__, __LINE__);
    return {};
}

} // namespace

class ScoreFileFaultsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { PrepareApplication(); }
    void init() { SeenMessages().clear(); }

    // The folder cannot be written but the file can: the record is written in place, as a
    // plain rewrite would, and nothing else appears in the folder. With the file read-only as
    // well, the close fails with the system's reason and the file stays.
    void readOnlyFolder() {
        if (geteuid() == 0) {
            // Root writes into a read-only folder anyway.
            const QString reason = RunAsNobody("readOnlyFolder");
            if (!reason.isEmpty())
                QSKIP(qPrintable("Running as root, and " + reason));
            return;
        }
        GameSession session(GameSession::Files::Supplied, false);
        session.Folder.Write(FileName, Stored);
        session.Start();
        const QString folder = session.Folder.Path();
        const QStringList before = Entries(folder);
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));

        Shown record, menu, close;
        FinishRecordGame(record);
        OpenBestTimes(menu);
        QVERIFY(QFile::setPermissions(session.Folder.Path(FileName), QFile::ReadOwner));
        CloseMainWindow(close);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QVERIFY(record.BestTimes);
        QVERIFY(menu.BestTimes);
        QCOMPARE(Windows.BestTimes->PlayerNames->toPlainText(), QString("Tester\n\nBo\n\nCy"));
        QByteArray expected = Stored;
        expected.replace("Ann\r\n300", "Tester\r\n100");
        QCOMPARE(session.Folder.Read(FileName), expected);
        QVERIFY(close.MessageBox);
        QCOMPARE(close.Caption, QString("Tolvane"));
        QCOMPARE(close.Text, ErrorBoxText(CreateError(session.Folder.Path(FileName), EACCES)));
        QCOMPARE(Entries(folder), before);
    }

    // The disk is full: a tmpfs of its own, filled up. The record fails with "No space left on
    // device", leaves the old file whole and no temporary file; once there is room again the
    // same record goes through.
    void fullDisk() {
        if (geteuid() != 0)
            QSKIP("Mounting a small file system for the full disk needs root");
        GameSession session(GameSession::Files::None, false);
        const QString disk = session.Folder.Path("disk");
        QVERIFY(QDir().mkdir(disk));
        if (::mount("tolvane-faults", QFile::encodeName(disk).constData(), "tmpfs", 0,
                    "size=1m,mode=0700") != 0)
            QSKIP(qPrintable(QString("Cannot mount a tmpfs here: ") + std::strerror(errno)));
        struct Unmount {
            QString Path, Back;
            ~Unmount() {
                QDir::setCurrent(Back);
                ::umount2(QFile::encodeName(Path).constData(), MNT_DETACH);
            }
        } unmount{disk, session.Folder.Path()};
        QVERIFY(QDir::setCurrent(disk));
        CopySounds(disk);
        QFile score(disk + "/" + FileName);
        QVERIFY(score.open(QIODevice::WriteOnly) && score.write(Stored) == Stored.size());
        score.close();
        // Fill what is left.
        QFile filler(disk + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        filler.close();
        session.Start();

        Shown record;
        FinishRecordGame(record);
        QVERIFY(record.MessageBox);
        QCOMPARE(record.Text, ErrorBoxText(NotSaved(disk + "/" + FileName, std::strerror(ENOSPC))));
        QCOMPARE(ReadAll(FileName), Stored);
        QCOMPARE(Entries(disk).filter(FileName), (QStringList{LockName, FileName}));

        QVERIFY(QFile::remove(disk + "/filler"));
        Shown again;
        FinishRecordGame(again, "Roomy");
        QVERIFY(again.BestTimes);
        QCOMPARE(Windows.BestTimes->PlayerNames->toPlainText(), QString("Roomy\n\nBo\n\nCy"));
        QByteArray expected = Stored;
        expected.replace("Ann\r\n300", "Roomy\r\n100");
        QCOMPARE(ReadAll(FileName), expected);
        QCOMPARE(Entries(disk).filter(FileName), (QStringList{LockName, FileName}));
    }

    // Something that is not a readable score file in its place: every use of the file shows the
    // open error, from start-up to the close, and nothing is written over it.
    void notAFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder") << "folder" << QString(std::strerror(EISDIR));
        QTest::newRow("a dangling link") << "dangling link" << QString(std::strerror(ENOENT));
        QTest::newRow("a named pipe") << "pipe" << QString("Is a named pipe, not a file");
    }
    void notAFile() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        GameSession session(GameSession::Files::Supplied, false);
        const QString path = session.Folder.Path(FileName);
        QVERIFY(QFile::remove(path));
        if (kind == "folder") {
            QVERIFY(QDir().mkdir(path));
            session.Folder.Write(FileName + "/inside", "kept");
        } else if (kind == "pipe") {
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else {
            QVERIFY(QFile::link("gone/highscores.txc", path));
        }
        const QStringList before = Entries(session.Folder.Path());
        const QString failure =
            ErrorBoxText(QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason));

        Shown start, record, menu, close;
        AnswerInOrder({Note(start)});
        session.Start();
        // The failed read at start-up leaves no record to beat but the flow's own load fails
        // first anyway.
        AnswerInOrder({Note(record)});
        OfferEasyGameOf100Seconds();
        OpenBestTimes(menu);
        // The close writes a setting that the player changed.
        Windows.Main->SoundItem->trigger();
        CloseMainWindow(close);

        for (const Shown* shown : {&start, &record, &menu, &close}) {
            QVERIFY(shown->MessageBox);
            QCOMPARE(shown->Caption, QString("Tolvane"));
            QCOMPARE(shown->Text, failure);
        }
        QCOMPARE(Entries(session.Folder.Path()), before);
        if (kind == "folder") {
            QCOMPARE(Entries(path), QStringList{"inside"});
            QCOMPARE(session.Folder.Read(FileName + "/inside"), QByteArray("kept"));
        } else if (kind == "pipe") {
            struct stat status {};
            QVERIFY(::lstat(QFile::encodeName(path).constData(), &status) == 0 &&
                    S_ISFIFO(status.st_mode));
        } else {
            QVERIFY(QFileInfo(path).isSymLink());
            QVERIFY(!QFileInfo::exists(session.Folder.Path("gone")));
        }
    }

    // A link to a score file elsewhere: a record is written to the file it points to, and the
    // link stays a link.
    void linkedScoreFile() {
        GameSession session(GameSession::Files::Supplied, false);
        QTemporaryDir elsewhere;
        const QString target = elsewhere.filePath(FileName);
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(Stored) == Stored.size());
        file.close();
        const QString path = session.Folder.Path(FileName);
        QVERIFY(QFile::remove(path));
        QVERIFY(QFile::link(target, path));
        session.Start();

        Shown record;
        FinishRecordGame(record);
        QVERIFY(record.BestTimes);
        QVERIFY(QFileInfo(path).isSymLink());
        QByteArray expected = Stored;
        expected.replace("Ann\r\n300", "Tester\r\n100");
        QCOMPARE(ReadAll(target), expected);
        QCOMPARE(Entries(elsewhere.path()), (QStringList{LockName, FileName}));
    }

    // The score file is a link of root's, as a link the system set up on the way would be, to a
    // file of the player's elsewhere: a plain player's game follows it, for the start-up read, a
    // record and the close alike.
    void linkOfRoot() {
        const char* const Handed = "TOLVANE_TEST_ROOTS_LINK";
        if (geteuid() == 0) {
            QTemporaryDir top;
            const QString game = top.filePath("game"), real = top.filePath("real");
            const QString target = real + "/" + FileName;
            QVERIFY(::chmod(QFile::encodeName(top.path()).constData(), 0755) == 0);
            QVERIFY(QDir().mkdir(game) && QDir().mkdir(real));
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(Stored) == Stored.size());
            file.close();
            for (const QString& path : {game, real, target})
                QVERIFY(::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0);
            QVERIFY(QFile::link(target, game + "/" + FileName));
            qputenv(Handed, QFile::encodeName(game));
            const QString reason = RunAsNobody("linkOfRoot");
            qunsetenv(Handed);
            if (!reason.isEmpty())
                QSKIP(qPrintable("Running as root, and " + reason));
            QByteArray expected = SoundOff(Stored);
            expected.replace("Ann\r\n300", "Tester\r\n100");
            QCOMPARE(ReadAll(target), expected);
            return;
        }
        const QByteArray game = qgetenv(Handed);
        if (game.isEmpty())
            QSKIP("Only root can make a link of root's; run as root to check");
        QVERIFY(QDir::setCurrent(QFile::decodeName(game)));
        ScoreFileStore lines;
        QVERIFY(ReadSoundSetting(lines));
        QVERIFY(StoreBestTime(lines, 0, "Tester", 100));
        WriteSoundSetting(lines, false);
    }

    // A link of another user in place of the score file, to a file of root's: a game run by root
    // does not follow it. Every use of the file says so, and neither that file nor one beside it
    // that looks like a leftover save of it is touched.
    void linkOfAnotherUser() {
        if (geteuid() != 0)
            QSKIP("Only root can make a link that belongs to another user; run as root to check");
        GameSession session(GameSession::Files::Supplied, false);
        QTemporaryDir elsewhere;
        const QString target = elsewhere.filePath("root.txc");
        const QString lookAlike = elsewhere.filePath(".root.txc.saving-ABCDEF");
        auto write = [](const QString& file, const QByteArray& bytes) {
            QFile written(file);
            return written.open(QIODevice::WriteOnly) && written.write(bytes) == bytes.size();
        };
        QVERIFY(write(target, Stored) && write(lookAlike, "root's own"));
        const QString path = session.Folder.Path(FileName);
        QVERIFY(QFile::remove(path));
        QVERIFY(QFile::link(target, path));
        QVERIFY(::lchown(QFile::encodeName(path).constData(), 65534, 65534) == 0);
        const QStringList before = Entries(session.Folder.Path());
        const QString failure = ErrorBoxText(
            QStringLiteral("Cannot open file \"%1\". It leads through the link \"%1\", which "
                           "belongs to another user; the game does not follow it")
                .arg(path));

        Shown start, record, close;
        AnswerInOrder({Note(start)});
        session.Start();
        AnswerInOrder({Note(record)});
        OfferEasyGameOf100Seconds();
        Windows.Main->SoundItem->trigger();
        CloseMainWindow(close);

        for (const Shown* shown : {&start, &record, &close})
            QCOMPARE(shown->Text, failure);
        QCOMPARE(ReadAll(target), Stored);
        QCOMPARE(ReadAll(lookAlike), QByteArray("root's own"));
        QCOMPARE(Entries(elsewhere.path()), (QStringList{".root.txc.saving-ABCDEF", "root.txc"}));
        QCOMPARE(Entries(session.Folder.Path()), before);
    }

    // Another user, who can read the folder and the score file, holds flocks on both and tries
    // the game's lock file: the start, a record and the close go through at once, and nothing
    // is lost.
    void anotherUsersLocks() {
        if (geteuid() != 0)
            QSKIP("Only root can run a process as another user");
        GameSession session(GameSession::Files::Supplied, false);
        session.Folder.Write(FileName, Stored);
        const QString folder = session.Folder.Path();
        const QString path = session.Folder.Path(FileName);
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0755) == 0);
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0644) == 0);
        // The lock file as an earlier game left it.
        session.Folder.Write(LockName, {});
        QVERIFY(::chmod(QFile::encodeName(session.Folder.Path(LockName)).constData(), 0600) == 0);
        ProgramHoldingLock onFolder(folder, 64123), onFile(path, 64123),
            onLockFile(session.Folder.Path(LockName), 64123);
        QTRY_VERIFY(Held(folder) && Held(path));

        QElapsedTimer clock;
        clock.start();
        session.Start();
        const qint64 startMs = clock.restart();
        Shown record;
        FinishRecordGame(record);
        const qint64 recordMs = clock.restart();
        Windows.Main->SoundItem->trigger();
        Windows.Main->close();
        const qint64 closeMs = clock.elapsed();
        qInfo("start %lld ms, record %lld ms, close %lld ms", startMs, recordMs, closeMs);

        QVERIFY(record.BestTimes);
        QByteArray expected = SoundOff(Stored);
        expected.replace("Ann\r\n300", "Tester\r\n100");
        QCOMPARE(ReadAll(path), expected);
        for (qint64 ms : {startMs, recordMs, closeMs})
            QVERIFY2(ms < 500, qPrintable(QString("took %1 ms").arg(ms)));
        // They held on throughout (the file's lock stays with the file that was replaced); the
        // game's lock file they could not even open.
        QCOMPARE(onFolder.Holder.state(), QProcess::Running);
        QCOMPARE(onFile.Holder.state(), QProcess::Running);
        QTRY_COMPARE(onLockFile.Holder.state(), QProcess::NotRunning);
        QVERIFY(onLockFile.Holder.exitCode() != 0);
    }

    // Another game of the player's holds the lock for long. A reset made meanwhile is kept, in
    // memory and beside the score file, the player is told once, and the window goes on
    // answering; once the lock is free the reset is saved by itself. A close while the lock is
    // held again waits, saying so; Sound turned on meanwhile is saved as it is when saved. A
    // second close asks whether to close without the change, and Enter keeps it: the window
    // closes once it is saved.
    void ownGameHoldsTheLock() {
        GameSession session(GameSession::Files::Supplied, false);
        session.Folder.Write(FileName, Stored);
        session.Start();
        session.ShowMainWindow();
        const QString lockFile = session.Folder.Path(LockName);
        auto held = std::make_unique<HeldLock>(lockFile);
        QVERIFY(held->Holding);

        Windows.Main->SoundItem->trigger();
        Shown told, again;
        AnswerInOrder({ResetScores(), Note(told)});
        Windows.Main->BestTimesItem->trigger();
        QVERIFY(told.MessageBox);
        QCOMPARE(told.Caption, QString("Information"));
        QVERIFY2(told.Text.startsWith("Another Tolvane game is saving the score file just now."),
                 qPrintable(told.Text));
        QCOMPARE(ReadAll(FileName), Stored);
        QCOMPARE(KeptOnDisk(), QByteArray("reset"));
        // What is kept is what the window shows.
        OpenBestTimes(again);
        QVERIFY(again.BestTimes);
        QCOMPARE(Windows.BestTimes->PlayerNames->toPlainText(), QString("\n\n\n\n"));

        // The window's own timers keep firing and its menus open while the lock is held.
        QElapsedTimer sinceTick;
        qint64 longestGap = 0;
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout,
                         [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
        sinceTick.start();
        ticks.start(10);
        QTest::qWait(1200);
        ticks.stop();
        Windows.Main->HelpMenu->popup(Windows.Main->mapToGlobal(QPoint(20, 20)));
        QTRY_VERIFY_WITH_TIMEOUT(Windows.Main->HelpMenu->isVisible(), 2000);
        Windows.Main->HelpMenu->close();
        qInfo("while the lock was held the window stood still for %lld ms at most", longestGap);
        QVERIFY2(longestGap < 100, qPrintable(QString("stood still for %1 ms").arg(longestGap)));
        QCOMPARE(ReadAll(FileName), Stored);

        held.reset();
        QTRY_COMPARE_WITH_TIMEOUT(ReadAll(FileName), AfterReset(Stored), 3000);
        QCOMPARE(KeptOnDisk(), QByteArray());

        held = std::make_unique<HeldLock>(lockFile);
        QVERIFY(held->Holding);
        Shown closing;
        AnswerInOrder({Note(closing)});
        Windows.Main->close();
        QVERIFY2(closing.Text.startsWith("Tolvane closes as soon as it has saved your changes"),
                 qPrintable(closing.Text));
        QVERIFY(Windows.Main->isVisible());
        QCOMPARE(KeptOnDisk(), QByteArray("sound ns"));
        Windows.Main->SoundItem->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(KeptOnDisk(), QByteArray("sound s"), 3000);
        QString asked;
        AnswerInOrder({PressEnter(&asked)});
        Windows.Main->close();
        QCOMPARE(asked, QString("Your changes have not been saved yet: another Tolvane game is "
                                "still saving the score file. Close without them?"));
        QTest::qWait(600);
        QVERIFY(Windows.Main->isVisible());
        QCOMPARE(ReadAll(FileName), AfterReset(Stored));
        held.reset();
        QTRY_VERIFY_WITH_TIMEOUT(!Windows.Main->isVisible(), 3000);
        QCOMPARE(ReadAll(FileName), AfterReset(Stored));
        QCOMPARE(KeptOnDisk(), QByteArray());
    }

    // Another program of the player's holds the lock while the game starts: the start neither
    // waits long nor fails and reads the setting, and the leftover of a killed save waits for a
    // later start. A record meanwhile is kept, and the player is told who holds the file. Yes at
    // the second close lets it go, from memory and from disk: the program's end saves nothing.
    void programHoldsTheLockAtStart() {
        GameSession session(GameSession::Files::Supplied, false);
        session.Folder.Write(FileName, SoundOff(Stored));
        const QString leftover = "." + FileName + ".saving-ABCDEF";
        session.Folder.Write(leftover, "half a save");
        session.Folder.Write(LockName, {});
        ProgramHoldingLock held(session.Folder.Path(LockName), uid_t(-1), 10);
        QTRY_VERIFY_WITH_TIMEOUT(Held(session.Folder.Path(LockName)), 10000);

        QElapsedTimer clock;
        clock.start();
        session.Start();
        const qint64 startMs = clock.elapsed();
        QVERIFY2(startMs < 3000, qPrintable(QString("the start took %1 ms").arg(startMs)));
        QCOMPARE(SeenMessages(), QStringList());
        QVERIFY(!Windows.Main->SoundItem->isChecked());
        QVERIFY(QFile::exists(leftover));

        Shown told, record;
        AnswerInOrder({TypeAndPress("Tester", "OK"), Note(told), Note(record)});
        OfferEasyGameOf100Seconds();
        QCOMPARE(told.Text, QString("Another program (sleep, process %1) holds the score file just "
                                    "now. Your change is kept and saved as soon as the file is "
                                    "free, at the latest when you close Tolvane.")
                                .arg(held.Holder.processId()));
        QVERIFY(record.BestTimes);
        QCOMPARE(ReadAll(FileName), SoundOff(Stored));
        Shown closing;
        AnswerInOrder({Note(closing)});
        Windows.Main->close();
        const QString holder =
            QStringLiteral("another program (sleep, process %1)").arg(held.Holder.processId());
        QString asked;
        AnswerInOrder({Press("&Yes", nullptr, &asked)});
        Windows.Main->close();
        QCOMPARE(asked, "Your changes have not been saved yet: " + holder +
                            " still holds the score file. Close without them?");
        QVERIFY(!Windows.Main->isVisible());
        QCOMPARE(KeptOnDisk(), QByteArray());
        held.Holder.kill();
        QTest::qWait(300);
        QCOMPARE(ReadAll(FileName), SoundOff(Stored));
    }

    // A score file filled to the largest size the game reads: a record with a longer name would
    // make it larger, so it is refused, saying why, and the file stays as it was. Best Times and
    // the next start read it as before.
    void fullScoreFile() {
        QByteArray full = Stored;
        const QByteArray note = QByteArray(98, 'n') + "\r\n";
        while (full.size() + note.size() <= 1024 * 1024)
            full += note;
        full += QByteArray(1024 * 1024 - full.size() - 2, 'm') + "\r\n";
        {
            GameSession session(GameSession::Files::Supplied, false);
            session.Folder.Write(FileName, full);
            session.Start();
            Shown record, menu;
            FinishRecordGame(record, "A much longer name");
            OpenBestTimes(menu);
            Windows.Main->close();
            QVERIFY(record.MessageBox);
            QCOMPARE(record.Text,
                     ErrorBoxText(NotSaved(session.Folder.Path(FileName),
                                           "It would grow beyond 1 MiB, more than Tolvane reads")));
            QVERIFY(menu.BestTimes);
            QCOMPARE(Windows.BestTimes->PlayerNames->toPlainText(), QString("Ann\n\nBo\n\nCy"));
            QCOMPARE(ReadAll(FileName), full);
        }
        SeenMessages().clear();
        GameSession next(GameSession::Files::Supplied, false);
        next.Folder.Write(FileName, full);
        next.Start();
        QCOMPARE(SeenMessages(), QStringList());
        QVERIFY(Windows.Main->SoundItem->isChecked());
    }

    // The start-up read failed (the file was away then): the close writes the sound line only
    // when the player changed Sound since; otherwise the player's line stays as it is.
    void failedStartKeepsTheSoundLine_data() {
        QTest::addColumn<bool>("toggled");
        QTest::newRow("Sound left alone") << false;
        QTest::newRow("Sound turned on") << true;
    }
    void failedStartKeepsTheSoundLine() {
        QFETCH(bool, toggled);
        GameSession session(GameSession::Files::Supplied, false);
        QByteArray players = Stored;
        players.replace("\r\n\r\ns\r\n", "\r\n\r\nquiet\r\n");
        session.Folder.Write("away.txc", players);
        QVERIFY(QFile::remove(FileName));
        Shown start;
        AnswerInOrder({Note(start)});
        session.Start();
        QCOMPARE(start.Text, ErrorBoxText(OpenError(session.Folder.Path(FileName), ENOENT)));
        QVERIFY(QFile::rename("away.txc", FileName));
        if (toggled)
            Windows.Main->SoundItem->trigger();
        Windows.Main->close();
        QByteArray expected = players;
        if (toggled)
            expected.replace("\r\nquiet\r\n", "\r\ns\r\n");
        QCOMPARE(ReadAll(FileName), expected);
    }

    // A NUL in the file: the text ends there, and every byte from the NUL on is written back as
    // it was, a NUL inside a line too. Before the best-times block or inside it the records
    // cannot be read: the flow says so, tells which file to repair and writes nothing; after the
    // content the record is stored. The close writes the setting.
    void nulKeepsEveryByte_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("failure");
        QByteArray before = Stored;
        before.replace("\r\nhigh\r\n", WithNul("\r\n\0high\r\n"));
        QTest::newRow("before the best times") << before << "List index out of bounds (4)";
        QByteArray inName = Stored;
        inName.replace("Ann", WithNul("Al\0ice"));
        QTest::newRow("inside a name") << inName << "List index out of bounds (6)";
        QTest::newRow("after the content")
            << Stored + WithNul("\0my notes\r\nmore\0\r\n") << QString();
    }
    void nulKeepsEveryByte() {
        QFETCH(QByteArray, file);
        QFETCH(QString, failure);
        GameSession session(GameSession::Files::Supplied, false);
        session.Folder.Write(FileName, file);
        session.Start();
        Shown record;
        if (failure.isEmpty()) {
            FinishRecordGame(record);
        } else {
            AnswerInOrder({Note(record)});
            OfferEasyGameOf100Seconds();
        }
        Windows.Main->SoundItem->trigger();
        Windows.Main->close();

        QByteArray expected = SoundOff(file);
        if (failure.isEmpty()) {
            QVERIFY(record.BestTimes);
            expected.replace("Ann\r\n300", "Tester\r\n100");
        } else {
            QCOMPARE(record.Text,
                     failure + ". The best times in \"" + session.Folder.Path(FileName) +
                         "\" cannot be read, so your time of 0:1:40 is not recorded; the file is "
                         "left as it was. To record times again, repair its best-times block: a "
                         "line \"high\", then for Easy, Medium and Hard a name and a time in "
                         "seconds.");
        }
        QCOMPARE(ReadAll(FileName), expected);
    }

    // 50 MB in place of the score file. Every use must end in moments with little memory:
    // random bytes (a NUL soon ends the text), bytes without a NUL, nothing but line breaks.
    void fiftyMegabytes_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("random bytes") << "random";
        QTest::newRow("random bytes without NUL") << "no NUL";
        QTest::newRow("line breaks") << "line breaks";
    }
    void fiftyMegabytes() {
        QFETCH(QString, kind);
        GameSession session(GameSession::Files::Supplied, false);
        const QString path = session.Folder.Path(FileName);
        constexpr qint64 Size = 50 * 1024 * 1024;
        QByteArray head; // the beginning, to compare with afterwards
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QRandomGenerator random(20240607);
            QByteArray block(1 << 20, '\n');
            for (qint64 written = 0; written < Size; written += block.size()) {
                if (kind != "line breaks") {
                    random.fillRange(reinterpret_cast<quint32*>(block.data()), block.size() / 4);
                    if (kind == "no NUL")
                        block.replace('\0', '\1');
                }
                if (head.isEmpty())
                    head = block;
                QVERIFY(file.write(block) == block.size());
            }
        }
        const QByteArray before = ReadAll(path).left(1 << 20);
        QCOMPARE(before, head);

        // Far more than a score file could be, NUL or not: refused as too large wherever it is
        // read. The close writes nothing: the setting was never read, and the player left it.
        const QString failure = ErrorBoxText(OpenError(path, EFBIG));

        const long peakBefore = PeakResidentKiB();
        QElapsedTimer clock;
        clock.start();
        Shown start, menu;
        AnswerInOrder({Note(start)});
        session.Start();
        const qint64 startMs = clock.restart();
        OpenBestTimes(menu);
        const qint64 menuMs = clock.restart();
        Windows.Main->close();
        const qint64 closeMs = clock.elapsed();
        const long grownMiB = (PeakResidentKiB() - peakBefore) / 1024;
        qInfo("%s: start %lld ms, best times %lld ms, close %lld ms; peak memory grew %ld MiB",
              qPrintable(kind), startMs, menuMs, closeMs, grownMiB);

        QCOMPARE(start.Text, failure);
        QVERIFY(menu.MessageBox);
        QCOMPARE(menu.Text, failure);
        QCOMPARE(QFileInfo(path).size(), Size);
        QCOMPARE(ReadAll(path).left(1 << 20), before);
        QCOMPARE(Entries(session.Folder.Path()).filter(FileName),
                 (QStringList{LockName, FileName}));
        for (qint64 ms : {startMs, menuMs, closeMs})
            QVERIFY2(ms < 5000, qPrintable(QString("took %1 ms").arg(ms)));
        QVERIFY2(grownMiB < 100, qPrintable(QString("peak memory grew %1 MiB").arg(grownMiB)));
    }
};

QTEST_MAIN(ScoreFileFaultsTest)
#include "ScoreFileFaultsTest.moc"
