// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The score file's lines and their meaning: the sound setting, the best-times block, the file
// supplied with the game.

#include "records/ScoreFile.h"
#include "engine/Game.h"
#include "tests/records/ScoreFileChecks.h"
#include "tests/support/TempFolder.h"

#include <QDateTime>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

class ScoreFileTest : public QObject {
    Q_OBJECT

  private slots:
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
    TempFolder folder;
    folder.Write(FileName, "s\r\ns\r\ns\r\n" + line3 + "\r\nhigh\r\n");
    ScoreFileStore scoreLines;
    QCOMPARE(ReadSoundSetting(scoreLines), on);
    QCOMPARE(scoreLines.Count(), 0);
    // Line 3 is the setting whatever the line breaks.
    folder.Write(FileName, "s\ns\rs\r\n" + line3 + "\rhigh");
    QCOMPARE(ReadSoundSetting(scoreLines), on);
}

void ScoreFileTest::soundSettingNeedsFourLines() {
    TempFolder folder;
    ScoreFileStore scoreLines;
    folder.Write(FileName, "a\r\nb\r\ns\r\n");
    QCOMPARE(ErrorOf([&] { ReadSoundSetting(scoreLines); }), OutOfBounds(3));
    folder.Write(FileName, "");
    QCOMPARE(ErrorOf([&] { ReadSoundSetting(scoreLines); }), OutOfBounds(3));
    QCOMPARE(ErrorOf([&] { WriteSoundSetting(scoreLines, true); }), OutOfBounds(3));
    QCOMPARE(folder.Read(FileName), QByteArray());
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
    TempFolder folder;
    folder.Write(FileName, before);
    // Whatever the list held before is dropped: the file is loaded again.
    folder.Write(QStringLiteral("other.txc"), "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n");
    ScoreFileStore scoreLines;
    scoreLines.LoadFromFile(QStringLiteral("other.txc"));
    WriteSoundSetting(scoreLines, checked);
    QCOMPARE(folder.Read(FileName), after);
    QCOMPARE(ReadSoundSetting(scoreLines), checked);
}

void ScoreFileTest::failedSoundWriteLeavesFile() {
    TempFolder folder;
    ScoreFileStore scoreLines;
    QCOMPARE(ErrorOf([&] { WriteSoundSetting(scoreLines, true); }),
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
    TempFolder folder;
    folder.Write(FileName, CrLfFile(lines));
    ScoreFileStore scoreLines;
    scoreLines.LoadFromFile(FileName);
    QCOMPARE(LocateMarker(scoreLines), marker);
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
    TempFolder folder;
    folder.Write(FileName, CrLfFile(lines));
    ScoreFileStore scoreLines;
    scoreLines.LoadFromFile(FileName);
    QCOMPARE(ErrorOf([&] { LocateMarker(scoreLines); }), OutOfBounds(asked));
}

void ScoreFileTest::readsBestTimes() {
    TempFolder folder;
    QStringList lines = SampleLines;
    lines[6] = QStringLiteral("Zoë");
    lines[8] = QString();
    lines[9] = QStringLiteral("+86400");
    lines[10] = QStringLiteral("A name far longer than fifteen");
    lines[11] = QStringLiteral("-3");
    folder.Write(FileName, CrLfFile(lines));
    ScoreFileStore scoreLines;
    scoreLines.LoadFromFile(FileName);
    const int marker = LocateMarker(scoreLines);
    QCOMPARE(marker, SampleMarker);
    const std::array<BestTimeRecord, 3> records = ReadBestTimes(scoreLines, marker);
    QCOMPARE(records[0].Name, QStringLiteral("Zoë"));
    QCOMPARE(records[0].Seconds, 100);
    QCOMPARE(records[1].Name, QString());
    QCOMPARE(records[1].Seconds, 86400);
    QCOMPARE(records[2].Name, QStringLiteral("A name far longer than fifteen"));
    QCOMPARE(records[2].Seconds, -3);
    QCOMPARE(LinesOf(scoreLines), lines);
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
    TempFolder folder;
    folder.Write(FileName, CrLfFile(QStringList{"top", "", "", "s"} + block));
    ScoreFileStore scoreLines;
    scoreLines.LoadFromFile(FileName);
    const int marker = LocateMarker(scoreLines);
    QCOMPARE(marker, 4);
    QCOMPARE(ErrorOf([&] { ReadBestTimes(scoreLines, marker); }), error);
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
    TempFolder folder;
    // LF breaks and no final break: only the breaks may change besides the level's lines.
    QByteArray before = CrLfFile(SampleLines).replace("\r\n", "\n");
    before.chop(1);
    folder.Write(FileName, before);
    ScoreFileStore scoreLines;
    scoreLines.LoadFromFile(FileName);
    const int marker = LocateMarker(scoreLines);
    WriteBestTime(scoreLines, marker, level, name, seconds);
    QCOMPARE(LinesOf(scoreLines), expected);
    scoreLines.SaveToFile(FileName);
    QCOMPARE(folder.Read(FileName), CrLfFile(expected));
    ScoreFileStore reloaded;
    reloaded.LoadFromFile(FileName);
    const std::array<BestTimeRecord, 3> records = ReadBestTimes(reloaded, marker);
    QCOMPARE(records[level].Name, name);
    QCOMPARE(records[level].Seconds, seconds);
}

void ScoreFileTest::resetBestTimes() {
    TempFolder folder;
    folder.Write(FileName, CrLfFile(SampleLines));
    ScoreFileStore scoreLines;
    scoreLines.LoadFromFile(FileName);
    ResetBestTimes(scoreLines, LocateMarker(scoreLines));
    QStringList expected = SampleLines;
    for (int line = SampleMarker + 1; line <= SampleMarker + 6; line += 2) {
        expected[line] = QString();
        expected[line + 1] = QStringLiteral("86400");
    }
    QCOMPARE(LinesOf(scoreLines), expected);
    scoreLines.SaveToFile(FileName);
    QCOMPARE(folder.Read(FileName), CrLfFile(expected));
    QVERIFY(folder.Read(FileName).contains("high\r\n\r\n86400\r\n\r\n86400\r\n\r\n86400\r\n"));

    // A block cut short fails at the first missing line.
    folder.Write(FileName, "a\r\nhigh\r\nn\r\n1\r\n");
    scoreLines.LoadFromFile(FileName);
    QCOMPARE(ErrorOf([&] { ResetBestTimes(scoreLines, 1); }), OutOfBounds(4));
    QCOMPARE(ErrorOf([&] { WriteBestTime(scoreLines, 1, 1, QStringLiteral("x"), 5); }),
             OutOfBounds(4));
    QCOMPARE(folder.Read(FileName), QByteArray("a\r\nhigh\r\nn\r\n1\r\n"));
}

void ScoreFileTest::levelOrdinals() {
    QCOMPARE(LevelOf(5), Easy);
    QCOMPARE(LevelOf(4), Medium);
    QCOMPARE(LevelOf(3), Hard);
}

void ScoreFileTest::suppliedFile() {
    TempFolder folder;
    folder.CopyGameFiles();
    const QByteArray supplied = folder.Read(FileName);
    QVERIFY(supplied.endsWith("\r\n"));
    QVERIFY(!supplied.contains("\r\r") && !supplied.contains('\0'));
    QCOMPARE(supplied.count('\n'), supplied.count("\r\n"));

    ScoreFileStore scoreLines;
    QVERIFY(ReadSoundSetting(scoreLines));
    scoreLines.LoadFromFile(FileName);
    QVERIFY(scoreLines.Count() >= 4);
    const int marker = LocateMarker(scoreLines);
    QVERIFY(marker > 3);
    for (const BestTimeRecord& record : ReadBestTimes(scoreLines, marker)) {
        QCOMPARE(record.Name, QString());
        QCOMPARE(record.Seconds, 86400);
    }
    // Saving the supplied file as loaded reproduces it exactly.
    scoreLines.SaveToFile(FileName);
    QCOMPARE(folder.Read(FileName), supplied);
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
    QTest::newRow("a time below zero") << 0600 << QByteArray("best 0 -99 Neighbour") << false;
    QTest::newRow("not as the game writes it")
        << 0600 << QByteArray("best 1 +5 Neighbour") << false;
    QTest::newRow("a name longer than a record takes")
        << 0600 << QByteArray("best 1 5 Neighbour%20Sixteen1") << false;
}

// A file of kept changes is made by the next start only when it is the player's, private and
// holds what a game writes; anything else is left as it is.
void ScoreFileTest::keptChangesOnlyAsTheGameWritesThem() {
    QFETCH(int, mode);
    QFETCH(QByteArray, entry);
    QFETCH(bool, made);
    TempFolder folder;
    folder.Write(FileName, CrLfFile(SampleLines));
    const QString kept = "." + FileName + ".kept-AbC123";
    folder.Write(kept, "Tolvane kept changes\nreset\n" + entry + "\nend\n");
    QVERIFY(::chmod(QFile::encodeName(kept).constData(), mode_t(mode)) == 0);
    // A game killed earlier kept an Easy record: made first, the oldest first.
    QFile older("." + FileName + ".kept-Older1");
    QVERIFY(older.open(QIODevice::WriteOnly) &&
            older.write("Tolvane kept changes\nbest 0 7 Older\nend\n") > 0 && older.flush());
    QVERIFY(
        older.setPermissions(QFile::ReadOwner | QFile::WriteOwner) &&
        older.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFile::FileModificationTime));
    older.close();
    ScoreFileStore scoreLines;
    ReadSoundSetting(scoreLines);
    QStringList expected = SampleLines;
    expected[SampleMarker + 1] = "Older", expected[SampleMarker + 2] = "7";
    if (made) {
        for (int line = SampleMarker + 1; line <= SampleMarker + 6; line += 2)
            expected[line] = QString(), expected[line + 1] = QString::fromLatin1(NoBestTime);
        expected[SampleMarker + 3] = "Neighbour 1", expected[SampleMarker + 4] = "1";
    }
    QCOMPARE(folder.Read(FileName), CrLfFile(expected));
    QCOMPARE(QFile::exists(kept), !made);
}

// A kept reset that would make the file larger than the game reads holds up none of the player's
// later saves; it stays beside the file for a later one, and the save says why it was left out.
void ScoreFileTest::keptChangeThatCannotBeSavedHoldsUpNothing() {
    TempFolder folder;
    QStringList lines = SampleLines;
    for (int line = SampleMarker + 2; line <= SampleMarker + 6; line += 2)
        lines[line] = "1";
    QByteArray full = CrLfFile(lines);
    full += QByteArray(1024 * 1024 - full.size() - 2, 'n') + "\r\n";
    folder.Write(FileName, full);
    const QString kept = "." + FileName + ".kept-AbC123";
    folder.Write(kept, "Tolvane kept changes\nreset\nend\n");
    QVERIFY(::chmod(QFile::encodeName(kept).constData(), 0600) == 0);
    ScoreFileStore scoreLines;
    for (const bool on : {true, false}) {
        QString leftOut;
        QCOMPARE(ErrorOf([&] { leftOut = ChangeScoreFile(scoreLines, SoundSettingChange(on)); }),
                 QStringLiteral("no error"));
        QVERIFY2(leftOut.contains("It would grow beyond 1 MiB"), qPrintable(leftOut));
        QCOMPARE(folder.Read(FileName),
                 QByteArray(full).replace("\r\nns\r\n", on ? "\r\ns\r\n" : "\r\nns\r\n"));
    }
    QVERIFY(QFile::exists(kept));
}

QTEST_GUILESS_MAIN(ScoreFileTest)
#include "ScoreFileTest.moc"
