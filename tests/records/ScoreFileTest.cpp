// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The score file's lines and their meaning: the sound setting, the best-times block, the file
// supplied with the game.

#include "records/ScoreFile.h"
#include "engine/Game.h"
#include "tests/records/ScoreFileChecks.h"

#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>

class ScoreFileTest : public QObject, ScoreFileSetUp {
    Q_OBJECT

  private slots:
    void init() { Fresh(); }
    void cleanup() { Folder.reset(); }

    // Sound setting
    void readsSoundSetting_data();
    void readsSoundSetting();
    void soundSettingNeedsFourLines();
    void writesSoundSetting_data();
    void writesSoundSetting();
    void failedSoundWriteLeavesFile();

    // Best-times block
    void locatesMarker_data();
    void locatesMarker();
    void missingMarker_data();
    void missingMarker();
    void readsBestTimes();
    void badBestTimesBlock_data();
    void badBestTimesBlock();
    void writeBestTimeChangesOnlyItsLines_data();
    void writeBestTimeChangesOnlyItsLines();
    void resetBestTimes();
    void levelOrdinals();

    // Changes that killed games kept beside the file
    void keptChangesOnlyAsTheGameWritesThem_data();
    void keptChangesOnlyAsTheGameWritesThem();
    void keptChangeThatCannotBeSavedHoldsUpNothing();

    // The supplied file
    void suppliedFile();
};

void ScoreFileTest::readsSoundSetting_data() {
    QTest::addColumn<QByteArray>("line3");
    QTest::addColumn<bool>("on");

    QTest::newRow("s") << QByteArray("s") << true;
    QTest::newRow("S") << QByteArray("S") << false;
    QTest::newRow("leading blank") << QByteArray(" s") << false;
    QTest::newRow("trailing blank") << QByteArray("s ") << false;
    QTest::newRow("trailing tab") << QByteArray("s\t") << false;
    QTest::newRow("on") << QByteArray("on") << false;
    QTest::newRow("ns") << QByteArray("ns") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void ScoreFileTest::readsSoundSetting() {
    QFETCH(QByteArray, line3);
    QFETCH(bool, on);
    Folder->Write(FileName, "s\r\ns\r\ns\r\n" + line3 + "\r\nhigh\r\n");
    QCOMPARE(ReadSoundSetting(Lines), on);
    QCOMPARE(Lines.Count(), 0);
    // Line 3 is the setting whatever the line breaks.
    Folder->Write(FileName, "s\ns\rs\r\n" + line3 + "\rhigh");
    QCOMPARE(ReadSoundSetting(Lines), on);
}

void ScoreFileTest::soundSettingNeedsFourLines() {
    Folder->Write(FileName, "a\r\nb\r\ns\r\n");
    QCOMPARE(ErrorOf([&] { ReadSoundSetting(Lines); }), OutOfBounds(3));
    Folder->Write(FileName, "");
    QCOMPARE(ErrorOf([&] { ReadSoundSetting(Lines); }), OutOfBounds(3));
    QCOMPARE(ErrorOf([&] { WriteSoundSetting(Lines, true); }), OutOfBounds(3));
    QCOMPARE(Folder->Read(FileName), QByteArray());
}

void ScoreFileTest::writesSoundSetting_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QByteArray>("after");

    const QByteArray rest = "high\r\n\r\n86400\r\nend";
    const QByteArray restAfter = "high\r\n\r\n86400\r\nend\r\n";
    QTest::newRow("off to on") << "top\r\n\r\n x \r\nns\r\n" + rest << true
                               << "top\r\n\r\n x \r\ns\r\n" + restAfter;
    QTest::newRow("on to off") << "top\r\n\r\n x \r\ns\r\n" + rest << false
                               << "top\r\n\r\n x \r\nns\r\n" + restAfter;
    QTest::newRow("odd text to on")
        << QByteArray("a\nb\nc\nS\n") << true << QByteArray("a\r\nb\r\nc\r\ns\r\n");
    QTest::newRow("on stays on") << QByteArray("a\rb\rc\rs") << true
                                 << QByteArray("a\r\nb\r\nc\r\ns\r\n");
    QTest::newRow("exactly four lines to off")
        << QByteArray("a\r\nb\r\nc\r\ns\r\n") << false << QByteArray("a\r\nb\r\nc\r\nns\r\n");
}

void ScoreFileTest::writesSoundSetting() {
    QFETCH(QByteArray, before);
    QFETCH(bool, checked);
    QFETCH(QByteArray, after);
    Folder->Write(FileName, before);
    // Whatever the list held before is dropped: the file is loaded again.
    Folder->Write(QStringLiteral("other.txc"), "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n");
    Lines.LoadFromFile(QStringLiteral("other.txc"));
    WriteSoundSetting(Lines, checked);
    QCOMPARE(Folder->Read(FileName), after);
    QCOMPARE(ReadSoundSetting(Lines), checked);
}

void ScoreFileTest::failedSoundWriteLeavesFile() {
    QCOMPARE(ErrorOf([&] { WriteSoundSetting(Lines, true); }),
             QStringLiteral("Cannot open file \"%1\". No such file or directory")
                 .arg(FullPath(FileName)));
    QVERIFY(!QFile::exists(FileName));
}

void ScoreFileTest::locatesMarker_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("marker");

    QTest::newRow("line 0 is never the marker")
        << QStringList{"high", "a", "b", "s", "c", "d", "e", "f", "g", "h", "i", "j", "high"} << 12;
    QTest::newRow("at index 1") << QStringList{"x", "high", "high"} << 1;
    QTest::newRow("first one wins")
        << QStringList{"x", "y", "z", "s", "high", "n", "1", "high", "m", "2"} << 4;
    QTest::newRow("case and blanks matter")
        << QStringList{"x", "High", "high ", " high", "HIGH", "high\t", "high"} << 6;
    QTest::newRow("last line") << QStringList{"x", "", "", "", "high"} << 4;
}

void ScoreFileTest::locatesMarker() {
    QFETCH(QStringList, lines);
    QFETCH(int, marker);
    Folder->Write(FileName, CrLfFile(lines));
    Lines.LoadFromFile(FileName);
    QCOMPARE(LocateMarker(Lines), marker);
}

void ScoreFileTest::missingMarker_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("asked");

    QTest::newRow("no marker") << QStringList{"a", "b", "c", "s", "High", "high "} << 6;
    QTest::newRow("only at line 0") << QStringList{"high", "a", "b"} << 3;
    QTest::newRow("single line") << QStringList{"high"} << 1;
    // Line 1 is the first one asked for, even in an empty list.
    QTest::newRow("empty") << QStringList{} << 1;
}

void ScoreFileTest::missingMarker() {
    QFETCH(QStringList, lines);
    QFETCH(int, asked);
    Folder->Write(FileName, CrLfFile(lines));
    Lines.LoadFromFile(FileName);
    QCOMPARE(ErrorOf([&] { LocateMarker(Lines); }), OutOfBounds(asked));
}

void ScoreFileTest::readsBestTimes() {
    QStringList lines = SampleLines;
    lines[6] = QStringLiteral("Zoë");
    lines[8] = QString();
    lines[9] = QStringLiteral("+86400");
    lines[10] = QStringLiteral("A name far longer than fifteen");
    lines[11] = QStringLiteral("-3");
    Folder->Write(FileName, CrLfFile(lines));
    Lines.LoadFromFile(FileName);
    const int marker = LocateMarker(Lines);
    QCOMPARE(marker, SampleMarker);
    const std::array<BestTimeRecord, LevelCount> records = ReadBestTimes(Lines, marker);
    QCOMPARE(records[0].Name, QStringLiteral("Zoë"));
    QCOMPARE(records[0].Seconds, 100);
    QCOMPARE(records[1].Name, QString());
    QCOMPARE(records[1].Seconds, 86400);
    QCOMPARE(records[2].Name, QStringLiteral("A name far longer than fifteen"));
    QCOMPARE(records[2].Seconds, -3);
    QCOMPARE(LinesOf(Lines), lines);
}

void ScoreFileTest::badBestTimesBlock_data() {
    QTest::addColumn<QStringList>("block");
    QTest::addColumn<QString>("error");

    QTest::newRow("five lines after the marker")
        << QStringList{"high", "a", "1", "b", "2", "c"} << OutOfBounds(10);
    QTest::newRow("only the marker") << QStringList{"high"} << OutOfBounds(5);
    QTest::newRow("bad Easy seconds") << QStringList{"high", "a", "12a", "b", "2", "c", "3"}
                                      << QStringLiteral("'12a' is not a valid integer value");
    QTest::newRow("bad Hard seconds") << QStringList{"high", "a", "1", "b", "2", "c", " 5"}
                                      << QStringLiteral("' 5' is not a valid integer value");
    QTest::newRow("empty seconds") << QStringList{"high", "a", "1", "", "", "c", "3"}
                                   << QStringLiteral("'' is not a valid integer value");
    // The lines are read in order, so the bad number comes before the missing lines.
    QTest::newRow("bad number before the end")
        << QStringList{"high", "a", "x"} << QStringLiteral("'x' is not a valid integer value");
    QTest::newRow("a name where seconds belong")
        << QStringList{"high", "1", "2", "3", "Ann", "5", "6"}
        << QStringLiteral("'Ann' is not a valid integer value");
}

void ScoreFileTest::badBestTimesBlock() {
    QFETCH(QStringList, block);
    QFETCH(QString, error);
    Folder->Write(FileName, CrLfFile(QStringList{"top", "", "", "s"} + block));
    Lines.LoadFromFile(FileName);
    const int marker = LocateMarker(Lines);
    QCOMPARE(marker, 4);
    QCOMPARE(ErrorOf([&] { ReadBestTimes(Lines, marker); }), error);
}

void ScoreFileTest::writeBestTimeChangesOnlyItsLines_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QStringList>("expected");

    QStringList easy = SampleLines;
    easy[6] = QStringLiteral("Émile");
    easy[7] = QStringLiteral("59");
    QTest::newRow("Easy") << 0 << QStringLiteral("Émile") << 59 << easy;
    QStringList medium = SampleLines;
    medium[8] = QString();
    medium[9] = QStringLiteral("3725");
    QTest::newRow("Medium, empty name") << 1 << QString() << 3725 << medium;
    QStringList hard = SampleLines;
    hard[10] = QStringLiteral("Anonymous");
    hard[11] = QStringLiteral("-1");
    QTest::newRow("Hard, negative") << 2 << QStringLiteral("Anonymous") << -1 << hard;
}

void ScoreFileTest::writeBestTimeChangesOnlyItsLines() {
    QFETCH(int, level);
    QFETCH(QString, name);
    QFETCH(int, seconds);
    QFETCH(QStringList, expected);
    // LF breaks and no final break: only the breaks may change besides the level's lines.
    QByteArray before = CrLfFile(SampleLines).replace("\r\n", "\n");
    before.chop(1);
    Folder->Write(FileName, before);
    Lines.LoadFromFile(FileName);
    const int marker = LocateMarker(Lines);
    WriteBestTime(Lines, marker, level, name, seconds);
    QCOMPARE(LinesOf(Lines), expected);
    Lines.SaveToFile(FileName);
    QCOMPARE(Folder->Read(FileName), CrLfFile(expected));
    ScoreFileStore reloaded;
    reloaded.LoadFromFile(FileName);
    const std::array<BestTimeRecord, LevelCount> records = ReadBestTimes(reloaded, marker);
    QCOMPARE(records[level].Name, name);
    QCOMPARE(records[level].Seconds, seconds);
}

void ScoreFileTest::resetBestTimes() {
    Folder->Write(FileName, CrLfFile(SampleLines));
    Lines.LoadFromFile(FileName);
    ResetBestTimes(Lines, LocateMarker(Lines));
    QStringList expected = SampleLines;
    for (int line = SampleMarker + 1; line <= SampleMarker + 6; line += 2) {
        expected[line] = QString();
        expected[line + 1] = QStringLiteral("86400");
    }
    QCOMPARE(LinesOf(Lines), expected);
    Lines.SaveToFile(FileName);
    QCOMPARE(Folder->Read(FileName), CrLfFile(expected));
    QVERIFY(Folder->Read(FileName).contains("high\r\n\r\n86400\r\n\r\n86400\r\n\r\n86400\r\n"));

    // A block cut short fails at the first missing line.
    Folder->Write(FileName, "a\r\nhigh\r\nn\r\n1\r\n");
    Lines.LoadFromFile(FileName);
    QCOMPARE(ErrorOf([&] { ResetBestTimes(Lines, 1); }), OutOfBounds(4));
    QCOMPARE(ErrorOf([&] { WriteBestTime(Lines, 1, 1, QStringLiteral("x"), 5); }), OutOfBounds(4));
    QCOMPARE(Folder->Read(FileName), QByteArray("a\r\nhigh\r\nn\r\n1\r\n"));
}

void ScoreFileTest::levelOrdinals() {
    QCOMPARE(LevelOf(5), Easy);
    QCOMPARE(LevelOf(4), Medium);
    QCOMPARE(LevelOf(3), Hard);
}

void ScoreFileTest::suppliedFile() {
    Folder->CopyGameFiles();
    const QByteArray supplied = Folder->Read(FileName);
    QVERIFY(supplied.endsWith("\r\n"));
    QVERIFY(!supplied.contains("\r\r") && !supplied.contains('\0'));
    QCOMPARE(supplied.count('\n'), supplied.count("\r\n"));

    QVERIFY(ReadSoundSetting(Lines));
    Lines.LoadFromFile(FileName);
    QVERIFY(Lines.Count() >= 4);
    const int marker = LocateMarker(Lines);
    QVERIFY(marker > 3);
    for (const BestTimeRecord& record : ReadBestTimes(Lines, marker)) {
        QCOMPARE(record.Name, QString());
        QCOMPARE(record.Seconds, 86400);
    }
    // Saving the supplied file as loaded reproduces it exactly.
    Lines.SaveToFile(FileName);
    QCOMPARE(Folder->Read(FileName), supplied);
}

void ScoreFileTest::keptChangesOnlyAsTheGameWritesThem_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<bool>("made");

    const QByteArray record = "best 1 1 Neighbour%201";
    QTest::newRow("private, a second") << 0600 << record << true;
    QTest::newRow("open to all, rewritten by another user") << 0666 << record << false;
    QTest::newRow("open to the group") << 0660 << record << false;
    QTest::newRow("no time") << 0600 << QByteArray("best 1 0 Neighbour%201") << false;
    QTest::newRow("not as written") << 0600 << QByteArray("best 1 +5 Neighbour") << false;
    QTest::newRow("name too long") << 0600 << QByteArray("best 1 5 Neighbour%20Sixteen") << false;
}

// A file of kept changes is made by the next start only when it is the player's, private and
// holds what a game writes; anything else is left as it is.
void ScoreFileTest::keptChangesOnlyAsTheGameWritesThem() {
    QFETCH(int, mode);
    QFETCH(QByteArray, entry);
    QFETCH(bool, made);
    Folder->Write(FileName, CrLfFile(SampleLines));
    // A game killed earlier kept an Easy record: made first, the oldest first.
    const QString kept = "." + FileName + ".kept-AbC123", older = "." + FileName + ".kept-Older1";
    Folder->Write(kept, "Tolvane kept changes\nreset\n" + entry + "\nend\n");
    Folder->Write(older, "Tolvane kept changes\nbest 0 7 Older\nend\n");
    const timespec past[2] = {{0, UTIME_OMIT}, {1, 0}};
    QVERIFY(::chmod(QFile::encodeName(kept).constData(), mode_t(mode)) == 0 &&
            ::chmod(QFile::encodeName(older).constData(), 0600) == 0 &&
            ::utimensat(AT_FDCWD, QFile::encodeName(older).constData(), past, 0) == 0);
    ReadSoundSetting(Lines);
    QStringList expected = SampleLines;
    expected[SampleMarker + 1] = "Older", expected[SampleMarker + 2] = "7";
    if (made) {
        for (int line = SampleMarker + 1; line <= SampleMarker + 6; line += 2)
            expected[line] = QString(), expected[line + 1] = QString::fromLatin1(NoBestTime);
        expected[SampleMarker + 3] = "Neighbour 1", expected[SampleMarker + 4] = "1";
    }
    QCOMPARE(Folder->Read(FileName), CrLfFile(expected));
    QCOMPARE(QFile::exists(kept), !made);
}

// A kept reset that would make the file larger than the game reads holds up none of the player's
// later saves; it stays beside the file for a later one, and the save says why it was left out.
void ScoreFileTest::keptChangeThatCannotBeSavedHoldsUpNothing() {
    QStringList lines = SampleLines;
    for (int line = SampleMarker + 2; line <= SampleMarker + 6; line += 2)
        lines[line] = "1";
    QByteArray full = CrLfFile(lines);
    full += QByteArray(1024 * 1024 - full.size() - 2, 'n') + "\r\n";
    Folder->Write(FileName, full);
    const QString kept = "." + FileName + ".kept-AbC123";
    Folder->Write(kept, "Tolvane kept changes\nreset\nend\n");
    QVERIFY(::chmod(QFile::encodeName(kept).constData(), 0600) == 0);
    QVERIFY(!ReadSoundSetting(Lines)); // a start tries it too
    QString leftOut;
    QCOMPARE(ErrorOf([&] { leftOut = ChangeScoreFile(Lines, SoundSettingChange(true)); }),
             QStringLiteral("no error"));
    QVERIFY2(leftOut.contains("It would grow beyond 1 MiB"), qPrintable(leftOut));
    QCOMPARE(Folder->Read(FileName), full.replace("\r\nns\r\n", "\r\ns\r\n"));
    QVERIFY(QFile::exists(kept));
}

QTEST_GUILESS_MAIN(ScoreFileTest)
#include "ScoreFileTest.moc"
