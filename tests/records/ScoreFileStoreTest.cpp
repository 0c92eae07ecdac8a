// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The score file's store: line splitting, the bytes written back, the failure texts, the atomic
// save and the leftovers of killed saves.

#include "records/ScoreFileStore.h"
#include "records/FileHandle.h"
#include "records/SaveTemporary.h"
#include "tests/records/ScoreFileChecks.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A save refused, or failed before the file changed.
QString NotSaved(const QString& reason) {
    return QStringLiteral("Cannot save file \"%1\". %2. The file is left as it was: the earlier "
                          "best times are unchanged")
        .arg(FullPath(FileName), reason);
}

} // namespace

class ScoreFileStoreTest : public QObject, ScoreFileSetUp {
    Q_OBJECT

  private slots:
    void init() { Fresh(); }
    void cleanup() { Folder.reset(); }

    // Reading and writing lines
    void splitsLines_data();
    void splitsLines();
    void loadReplacesWholeContent();
    void failedLoadKeepsContent();
    void saveChangesOnlyLineBreaks_data();
    void saveChangesOnlyLineBreaks();
    void accentedNamesRoundTrip();
    void lineAccessOutOfBounds_data();
    void lineAccessOutOfBounds();
    void putKeepsLength();

    // File failures and the atomic save
    void missingFile();
    void folderInPlaceOfFile();
    void unreadableFile();
    void saveIntoReadOnlyFolder();
    void saveWherePathCannotExist();
    void failedWriteKeepsOldFile();
    void neverWritesWhatItCannotRead_data();
    void neverWritesWhatItCannotRead();
    void saveKeepsPermissionsAndLeavesNoTemporary();
    void onlyRegularFiles();
    void hardLinkedFileIsWrittenInPlace();
    void rootSaveKeepsOwnerAndGroup();
    void leftoverSavesAreRemoved();
    void playersFilesAreKept();
    void saveAmongManyNames();
};

void ScoreFileStoreTest::splitsLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("lone LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("mixed") << QByteArray("a\r\nb\rc\nd\r\n") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("no final break") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("LF then CR is two breaks") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("CR then CR LF") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("empty lines are lines")
        << QByteArray("\r\n\r\nx\r\n\r\n") << QStringList{"", "", "x", ""};
    QTest::newRow("a lone break") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("NUL ends the text")
        << QByteArray("a\r\nb\0c\r\nd\r\n", 11) << QStringList{"a", "b"};
    QTest::newRow("NUL first") << QByteArray("\0a\r\n", 4) << QStringList{};
    QTest::newRow("NUL after a break") << QByteArray("a\r\n\0b", 5) << QStringList{"a"};
    QTest::newRow("no trimming") << QByteArray(" a \r\n\tb\r\n \r\n")
                                 << QStringList{" a ", "\tb", " "};
    QTest::newRow("UTF-8") << QByteArray("Zo\xc3\xab\r\nJos\xc3\xa9 N\xc3\xba\xc3\xb1"
                                         "ez")
                           << QStringList{QStringLiteral("Zoë"), QStringLiteral("José Núñez")};
}

void ScoreFileStoreTest::splitsLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    Folder->Write(FileName, bytes);
    Lines.LoadFromFile(FileName);
    QCOMPARE(LinesOf(Lines), lines);
}

void ScoreFileStoreTest::loadReplacesWholeContent() {
    Folder->Write(QStringLiteral("long.txc"), "1\r\n2\r\n3\r\n4\r\n5\r\n");
    Folder->Write(QStringLiteral("short.txc"), "x\ny\n");
    Lines.LoadFromFile(QStringLiteral("long.txc"));
    QCOMPARE(Lines.Count(), 5);
    Lines.LoadFromFile(QStringLiteral("short.txc"));
    QCOMPARE(LinesOf(Lines), (QStringList{"x", "y"}));
    Lines.Clear();
    QCOMPARE(Lines.Count(), 0);
    QCOMPARE(ErrorOf([&] { Lines.Get(0); }), OutOfBounds(0));
}

void ScoreFileStoreTest::failedLoadKeepsContent() {
    Folder->Write(FileName, "a\r\nb\r\n");
    Lines.LoadFromFile(FileName);
    QVERIFY(ErrorOf([&] {
                Lines.LoadFromFile(QStringLiteral("missing.txc"));
            }).startsWith(QStringLiteral("Cannot open file")));
    QCOMPARE(LinesOf(Lines), (QStringList{"a", "b"}));
}

void ScoreFileStoreTest::saveChangesOnlyLineBreaks_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("already CR LF") << QByteArray("a\r\n\r\nb\r\n") << QByteArray("a\r\n\r\nb\r\n");
    QTest::newRow("mixed breaks") << QByteArray("a\nb\rc\r\n\n")
                                  << QByteArray("a\r\nb\r\nc\r\n\r\n");
    QTest::newRow("no final break") << QByteArray("a\r\nlast") << QByteArray("a\r\nlast\r\n");
    QTest::newRow("blanks and tabs kept")
        << QByteArray("  \n\t x\t\n") << QByteArray("  \r\n\t x\t\r\n");
    // The text ends at a NUL; the bytes from there on are the player's and go back as they were.
    // A NUL inside a line comes back right after the line's text, with no break between.
    QTest::newRow("NUL inside a line")
        << QByteArray("a\r\nAl\0ice\n\0", 12) << QByteArray("a\r\nAl\0ice\n\0", 12);
    QTest::newRow("NUL after a lone LF")
        << QByteArray("a\nb\n\0junk", 10) << QByteArray("a\r\nb\r\n\0junk", 12);
    QTest::newRow("UTF-8 kept") << QByteArray("Ren\xc3\xa9\n") << QByteArray("Ren\xc3\xa9\r\n");
    // A line written in another code page is not valid UTF-8; it must still come back as it was.
    QTest::newRow("invalid UTF-8 kept")
        << QByteArray("caf\xe9\r\n\xff\xfe\r\n") << QByteArray("caf\xe9\r\n\xff\xfe\r\n");
    QTest::newRow("empty file") << QByteArray() << QByteArray();
}

void ScoreFileStoreTest::saveChangesOnlyLineBreaks() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    Folder->Write(FileName, before);
    Lines.LoadFromFile(FileName);
    Lines.SaveToFile(FileName);
    QCOMPARE(Folder->Read(FileName), after);
}

void ScoreFileStoreTest::accentedNamesRoundTrip() {
    Folder->Write(FileName, "x\r\ny\r\n");
    Lines.LoadFromFile(FileName);
    const QString name = QStringLiteral("Åsa Øberg-Müller");
    Lines.Put(1, name);
    Lines.SaveToFile(FileName);
    QCOMPARE(Folder->Read(FileName), QByteArray("x\r\n") + name.toUtf8() + "\r\n");
    ScoreFileStore reloaded;
    reloaded.LoadFromFile(FileName);
    QCOMPARE(reloaded.Get(1), name);
}

void ScoreFileStoreTest::lineAccessOutOfBounds_data() {
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("index");

    QTest::newRow("one past the end") << 3 << 3;
    QTest::newRow("far past the end") << 3 << 40;
    QTest::newRow("negative") << 3 << -1;
    QTest::newRow("empty list") << 0 << 0;
}

void ScoreFileStoreTest::lineAccessOutOfBounds() {
    QFETCH(int, lineCount);
    QFETCH(int, index);
    Folder->Write(FileName, QByteArray("line\r\n").repeated(lineCount));
    Lines.LoadFromFile(FileName);
    QCOMPARE(ErrorOf([&] { Lines.Get(index); }), OutOfBounds(index));
    QCOMPARE(ErrorOf([&] { Lines.Put(index, QStringLiteral("x")); }), OutOfBounds(index));
    QCOMPARE(Lines.Count(), lineCount);
    if (lineCount > 0)
        QCOMPARE(ErrorOf([&] { Lines.Get(lineCount - 1); }), QStringLiteral("no error"));
}

void ScoreFileStoreTest::putKeepsLength() {
    Folder->Write(FileName, "a\r\nb\r\nc\r\n");
    Lines.LoadFromFile(FileName);
    Lines.Put(0, QStringLiteral("first"));
    Lines.Put(2, QString());
    QCOMPARE(LinesOf(Lines), (QStringList{"first", "b", ""}));
}

void ScoreFileStoreTest::missingFile() {
    const QString expected = QStringLiteral("Cannot open file \"%1\". No such file or directory")
                                 .arg(FullPath(FileName));
    QCOMPARE(ErrorOf([&] { ReadSoundSetting(Lines); }), expected);
    QCOMPARE(ErrorOf([&] { Lines.LoadFromFile(FileName); }), expected);
}

void ScoreFileStoreTest::folderInPlaceOfFile() {
    QVERIFY(QDir().mkdir(FileName));
    QCOMPARE(ErrorOf([&] { Lines.LoadFromFile(FileName); }),
             QStringLiteral("Cannot open file \"%1\". Is a directory").arg(FullPath(FileName)));
    Folder->Write(QStringLiteral("other.txc"), "a\r\n");
    Lines.LoadFromFile(QStringLiteral("other.txc"));
    QCOMPARE(ErrorOf([&] { Lines.SaveToFile(FileName); }),
             QStringLiteral("Cannot create file \"%1\". Is a directory").arg(FullPath(FileName)));
    QVERIFY(QFileInfo(FileName).isDir());
    QCOMPARE(QDir(FileName).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void ScoreFileStoreTest::unreadableFile() {
    // Reading a process's memory at address 0 fails with an I/O error, even for root.
    const QString path = QStringLiteral("/proc/self/mem");
    if (!QFile::exists(path))
        QSKIP("/proc/self/mem is not available here");
    const QString error = ErrorOf([&] { Lines.LoadFromFile(path); });
    QVERIFY2(error.startsWith(QStringLiteral("Cannot open file \"/proc/self/mem\". ")),
             qPrintable(error));
    QVERIFY2(error.size() > QStringLiteral("Cannot open file \"/proc/self/mem\". ").size(),
             qPrintable(error));
}

void ScoreFileStoreTest::saveIntoReadOnlyFolder() {
    if (geteuid() == 0)
        QSKIP("Running as root, which writes into a read-only folder anyway; "
              "faults_score_file runs this case as another user");
    Folder->Write(FileName, "a\nb\nc\nns\n");
    QVERIFY(QFile::setPermissions(Folder->Path(), QFile::ReadOwner | QFile::ExeOwner));
    const QString error = ErrorOf([&] { WriteSoundSetting(Lines, true); });
    QFile::setPermissions(Folder->Path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(error, QStringLiteral("no error"));
    QCOMPARE(Folder->Read(FileName), QByteArray("a\r\nb\r\nc\r\ns\r\n"));
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{FileName});
}

void ScoreFileStoreTest::saveWherePathCannotExist() {
    // No file can be made in /proc, not even by root.
    Folder->Write(FileName, "a\r\n");
    Lines.LoadFromFile(FileName);
    const QString prefix = QStringLiteral("Cannot create file \"/proc/highscores.txc\". ");
    const QString error = ErrorOf([&] { Lines.SaveToFile(QStringLiteral("/proc/") + FileName); });
    QVERIFY2(error.startsWith(prefix) && error.size() > prefix.size(), qPrintable(error));
    QVERIFY(!QFile::exists(QStringLiteral("/proc/") + FileName));
}

void ScoreFileStoreTest::failedWriteKeepsOldFile() {
    const QByteArray before = CrLfFile(SampleLines);
    Folder->Write(FileName, before);
    Lines.LoadFromFile(FileName);
    WriteBestTime(Lines, SampleMarker, 0, QStringLiteral("Nobody"), 1);
    QString error;
    {
        // A few bytes get written, then the "disk" is full: a short write, then a failed one.
        FileSizeLimit limit(10);
        QVERIFY(limit.Active);
        error = ErrorOf([&] { Lines.SaveToFile(FileName); });
    }
    QCOMPARE(error, NotSaved("File too large"));
    QCOMPARE(Folder->Read(FileName), before);
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{FileName});
    // Once there is room again the same save goes through.
    Lines.SaveToFile(FileName);
    ScoreFileStore reloaded;
    reloaded.LoadFromFile(FileName);
    QCOMPARE(ReadBestTimes(reloaded, SampleMarker)[0].Name, QStringLiteral("Nobody"));
}

void ScoreFileStoreTest::neverWritesWhatItCannotRead_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("saved");
    // Filled to exactly the largest size a load reads, with lines of the player's own.
    QByteArray full = CrLfFile(SampleLines);
    const QByteArray line = QByteArray(98, 'x') + "\r\n";
    while (full.size() + line.size() <= 1024 * 1024)
        full += line;
    full += QByteArray(1024 * 1024 - full.size() - 2, 'y') + "\r\n";
    QTest::newRow("full, a longer name") << full << QStringLiteral("A longer name") << false;
    QTest::newRow("full, a name as long") << full << QStringLiteral("Abc") << true;
    // Lone LF breaks become CR LF: half the limit of them would grow beyond it.
    QByteArray breaks = CrLfFile(SampleLines) + QByteArray(600 * 1024, '\n');
    QTest::newRow("lone LFs that would double") << breaks << QStringLiteral("Ann") << false;
}

// A save that would make a file larger than a load reads is refused before anything is written;
// the file stays as it was and loads as before.
void ScoreFileStoreTest::neverWritesWhatItCannotRead() {
    QFETCH(QByteArray, file);
    QFETCH(QString, name);
    QFETCH(bool, saved);
    Folder->Write(FileName, file);
    QCOMPARE(ErrorOf([&] { Lines.LoadFromFile(FileName); }), QStringLiteral("no error"));
    WriteBestTime(Lines, SampleMarker, 0, name, 100);
    const QString error = ErrorOf([&] { Lines.SaveToFile(FileName); });
    ScoreFileStore reloaded;
    reloaded.LoadFromFile(FileName);
    if (saved) {
        QCOMPARE(error, QStringLiteral("no error"));
        QCOMPARE(LinesOf(reloaded), LinesOf(Lines));
    } else {
        QCOMPARE(error, NotSaved("It would grow beyond 1 MiB, more than Tolvane reads"));
        QCOMPARE(Folder->Read(FileName), file);
    }
    QCOMPARE(Listing(), QStringList{FileName});
}

void ScoreFileStoreTest::saveKeepsPermissionsAndLeavesNoTemporary() {
    Folder->Write(FileName, "a\r\nb\r\nc\r\ns\r\n");
    const QFile::Permissions permissions =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(FileName, permissions));
    WriteSoundSetting(Lines, false);
    QCOMPARE(Folder->Read(FileName), QByteArray("a\r\nb\r\nc\r\nns\r\n"));
    const QFile::Permissions ownerGroupOther =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
        QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
        QFile::ExeOther;
    QCOMPARE(QFile::permissions(FileName) & ownerGroupOther, permissions);
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{FileName});
}

void ScoreFileStoreTest::onlyRegularFiles() {
    // A named pipe in its place is not written over (reading one: faults_score_file).
    QVERIFY(::mkfifo(QFile::encodeName(FileName).constData(), 0600) == 0);
    Folder->Write(QStringLiteral("other.txc"), "a\r\n");
    Lines.LoadFromFile(QStringLiteral("other.txc"));
    QCOMPARE(ErrorOf([&] { Lines.SaveToFile(FileName); }),
             QStringLiteral("Cannot create file \"%1\". Is a named pipe, not a file")
                 .arg(FullPath(FileName)));
    struct stat status {};
    QVERIFY(::lstat(QFile::encodeName(FileName).constData(), &status) == 0 &&
            S_ISFIFO(status.st_mode));
    // A device, through a link: never read as a score file.
    QVERIFY(QFile::link(QStringLiteral("/dev/null"), QStringLiteral("device.txc")));
    QCOMPARE(ErrorOf([&] { Lines.LoadFromFile(QStringLiteral("device.txc")); }),
             QStringLiteral("Cannot open file \"%1\". Is not a regular file")
                 .arg(FullPath(QStringLiteral("device.txc"))));
}

void ScoreFileStoreTest::hardLinkedFileIsWrittenInPlace() {
    const QByteArray before = CrLfFile(SampleLines);
    Folder->Write(FileName, before);
    QVERIFY(::link(QFile::encodeName(FileName).constData(), "second.txc") == 0);
    Lines.LoadFromFile(FileName);
    // A longer text on a full disk: refused before a byte of the old one changes.
    WriteBestTime(Lines, SampleMarker, 0, QStringLiteral("A much longer name"), 1);
    {
        FileSizeLimit limit(before.size() + 4);
        QVERIFY(limit.Active);
        QCOMPARE(ErrorOf([&] { Lines.SaveToFile(FileName); }), NotSaved("File too large"));
    }
    QCOMPARE(Folder->Read(FileName), before);
    // A shorter one goes through, and both names still show the same file.
    WriteBestTime(Lines, SampleMarker, 0, QStringLiteral("A"), 1);
    Lines.SaveToFile(FileName);
    QCOMPARE(Folder->Read(QStringLiteral("second.txc")), Folder->Read(FileName));
    QCOMPARE(ReadBestTimes(Lines, SampleMarker)[0].Name, QStringLiteral("A"));
    ScoreFileStore reloaded;
    reloaded.LoadFromFile(QStringLiteral("second.txc"));
    QCOMPARE(LinesOf(reloaded), LinesOf(Lines));
    QCOMPARE(QDir().entryList(QDir::Files), (QStringList{FileName, "second.txc"}));
}

void ScoreFileStoreTest::rootSaveKeepsOwnerAndGroup() {
    if (geteuid() != 0)
        QSKIP("Only root can give a file to another user");
    Folder->Write(FileName, "a\r\nb\r\nc\r\ns\r\n");
    QVERIFY(::chown(QFile::encodeName(FileName).constData(), 65534, 65534) == 0);
    WriteSoundSetting(Lines, false);
    QCOMPARE(Folder->Read(FileName), QByteArray("a\r\nb\r\nc\r\nns\r\n"));
    struct stat status {};
    QVERIFY(::stat(QFile::encodeName(FileName).constData(), &status) == 0);
    QCOMPARE(status.st_uid, uid_t(65534));
    QCOMPARE(status.st_gid, gid_t(65534));
}

void ScoreFileStoreTest::leftoverSavesAreRemoved() {
    Folder->Write(FileName, "a\r\nb\r\nc\r\ns\r\n");
    const QString saving = "." + FileName + ".saving-";
    // Whatever its six characters: all capitals, all small, a word, digits.
    const QStringList leftovers = {saving + "ROUXPA", saving + "qwerty", saving + "Backup",
                                   saving + "a1B2c3"};
    // Names that only look alike, and what no leftover save is: kept.
    QStringList kept = {saving + "ABCDE",           saving + "ABCDEFG", saving + "AB-DEF",
                        saving + "LinkEd",          saving + "InUseA",  ".other.txc.saving-ABCDEF",
                        FileName + ".saving-ABCDEF"};
    for (const QString& name : leftovers + kept)
        Folder->Write(name, "whole copy\r\n");
    QVERIFY(QFile::link(saving + "LinkEd", saving + "LinkTo"));
    QVERIFY(QDir().mkdir(saving + "DirAbc"));
    QVERIFY(::link(QFile::encodeName(saving + "LinkEd").constData(),
                   QFile::encodeName(saving + "HardLn").constData()) == 0);
    QVERIFY(::mkfifo(QFile::encodeName(saving + "FifoAb").constData(), 0600) == 0);
    kept += {saving + "LinkTo", saving + "DirAbc", saving + "HardLn", saving + "FifoAb"};
    // A save of another game in progress holds its temporary file locked.
    const int held = ::open(QFile::encodeName(saving + "InUseA").constData(), O_RDONLY);
    QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);
    if (geteuid() == 0) {
        Folder->Write(saving + "OtherU", "another user's\r\n");
        QVERIFY(::chown(QFile::encodeName(saving + "OtherU").constData(), 65534, 65534) == 0);
        kept += saving + "OtherU";
    }
    kept += {FileName, "." + FileName + ".lock"};
    kept.sort();

    QVERIFY(ReadSoundSetting(Lines)); // at start-up
    const QStringList afterStart = Listing();
    {
        // A save's temporary is locked from the moment it has its name: a start meanwhile
        // leaves it.
        const SaveTemporary saving(QFile::encodeName(Folder->Path(FileName)));
        RemoveLeftoverSaves(FileName);
        QCOMPARE(Listing().size(), afterStart.size() + 1);
    }
    Folder->Write(leftovers[0], "whole copy\r\n");
    WriteSoundSetting(Lines, true); // a save leaves it to the next start
    QVERIFY(Listing().contains(leftovers[0]));
    QVERIFY(ReadSoundSetting(Lines));
    const QStringList afterNextStart = Listing();
    ::close(held);
    QCOMPARE(afterStart, kept);
    QCOMPARE(afterNextStart, kept);
}

void ScoreFileStoreTest::playersFilesAreKept() {
    // The score file is a link into another folder, beside the file it leads to lie the player's
    // copies too, and a leftover of a save of that file.
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("real.txc"));
    QVERIFY(QFile::link(target, FileName));
    const QStringList mine = {FileName + ".myCopy", FileName + ".OldOne", FileName + ".XyZabc",
                              FileName + ".AbCdEf", FileName + ".backup"};
    for (const QString& name : mine)
        Folder->Write(name, "the player's\r\n");
    WriteAt(elsewhere.filePath(QStringLiteral("real.txc.myCopy")), "the player's\r\n");
    WriteAt(elsewhere.filePath(QStringLiteral(".real.txc.saving-QWERTY")), "a\r\n");
    // No save of the file the link leads to leaves this one here: it stays.
    Folder->Write("." + FileName + ".saving-ASDFGH", "a\r\n");
    WriteAt(target, "a\r\nb\r\nc\r\ns\r\n");
    QStringList here = mine + QStringList{FileName, "." + FileName + ".saving-ASDFGH"};
    here.sort();

    for (int round = 0; round < 3; ++round) {
        QCOMPARE(ReadSoundSetting(Lines), round % 2 == 0);
        WriteSoundSetting(Lines, round % 2 == 1);
    }
    QCOMPARE(Listing(), here);
    QCOMPARE(Listing(elsewhere.path()),
             (QStringList{".real.txc.lock", "real.txc", "real.txc.myCopy"}));
    for (const QString& name : mine)
        QCOMPARE(Folder->Read(name), QByteArray("the player's\r\n"));
    QCOMPARE(ReadAt(elsewhere.filePath(QStringLiteral("real.txc.myCopy"))),
             QByteArray("the player's\r\n"));
    QVERIFY(QFileInfo(FileName).isSymLink());
    QCOMPARE(ReadAt(target), QByteArray("a\r\nb\r\nc\r\nns\r\n"));
}

// A folder shared with others may hold a great many names of theirs: a save there takes no
// longer than in a folder of its own.
void ScoreFileStoreTest::saveAmongManyNames() {
    Folder->Write(FileName, "a\r\nb\r\nc\r\ns\r\n");
    auto msASave = [] {
        ScoreFileStore own;
        WriteSoundSetting(own, true); // the game's start, which reads the folder once
        QElapsedTimer clock;
        clock.start();
        for (int save = 0; save < 4; ++save)
            WriteSoundSetting(own, save % 2 == 0);
        return clock.elapsed() / 4;
    };
    const qint64 alone = msASave();
    for (int name = 0; name < 100000; ++name) {
        const QByteArray planted = "." + FileName.toLatin1() + ".kept" + QByteArray::number(name);
        QVERIFY(FileHandle(::open(planted.constData(), O_CREAT | O_WRONLY, 0644)).Get() >= 0);
    }
    const qint64 among = msASave();
    QVERIFY2(among - alone < 50, qPrintable(QString("%1 ms, alone %2 ms").arg(among).arg(alone)));
}

QTEST_GUILESS_MAIN(ScoreFileStoreTest)
#include "ScoreFileStoreTest.moc"
