// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The score file: line splitting, the sound setting, the best-times block, number conversion,
// the failure texts and the atomic save.

#include "records/ScoreFile.h"
#include "engine/GameState.h"
#include "platform/GameError.h"
#include "records/StrToInt.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <exception>
#include <fcntl.h>
#include <functional>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString FileName = QString::fromLatin1(ScoreFileName);

// The failure's text, or a note that there was none.
QString ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const GameError& error) {
        return error.Message();
    } catch (const std::exception& error) {
        return QStringLiteral("not a GameError: ") + QString::fromUtf8(error.what());
    }
    return QStringLiteral("no error");
}

QStringList LinesOf(const ScoreFileStore& lines) {
    QStringList result;
    for (int i = 0; i < lines.Count(); ++i)
        result.append(lines.Get(i));
    return result;
}

QByteArray CrLfFile(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

QString FullPath(const QString& name) {
    return QDir::currentPath() + QLatin1Char('/') + name;
}

QString OutOfBounds(int index) {
    return QStringLiteral("List index out of bounds (%1)").arg(index);
}

// A score file with lines around the block that the game must carry through: the marker at 5,
// a second "high" further down that is an ordinary line.
const QStringList SampleLines = {
    QStringLiteral("Tolvane"),
    QStringLiteral(" keep me "),
    QString(),
    QStringLiteral("ns"),
    QStringLiteral("notes"),
    QStringLiteral("high"),
    QStringLiteral("Ann"),
    QStringLiteral("100"),
    QStringLiteral("Bob"),
    QStringLiteral("200"),
    QStringLiteral("Cy"),
    QStringLiteral("300"),
    QString(),
    QStringLiteral("high"),
    QStringLiteral("tail"),
};
constexpr int SampleMarker = 5;

// Lowers the size limit of files this process writes, so that the next write fails part way as
// on a full disk. Root is bound by it too.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &Saved);
        PreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = Saved;
        lowered.rlim_cur = bytes;
        Active = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &Saved);
        std::signal(SIGXFSZ, PreviousHandler);
    }
    bool Active = false;

  private:
    rlimit Saved{};
    void (*PreviousHandler)(int) = nullptr;
};

} // namespace

class ScoreFileTest : public QObject {
    Q_OBJECT

  private slots:
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

    // Number conversion
    void acceptsIntegers_data();
    void acceptsIntegers();
    void rejectsNonIntegers_data();
    void rejectsNonIntegers();

    // File failures and the atomic save
    void missingFile();
    void folderInPlaceOfFile();
    void unreadableFile();
    void saveIntoReadOnlyFolder();
    void saveWherePathCannotExist();
    void failedWriteKeepsOldFile();
    void saveKeepsPermissionsAndLeavesNoTemporary();
    void onlyRegularFiles();
    void hardLinkedFileIsWrittenInPlace();
    void rootSaveKeepsOwnerAndGroup();
    void leftoverSavesAreRemoved();
    void lockFileOthersCouldOpenIsNotUsed_data();
    void lockFileOthersCouldOpenIsNotUsed();
    void playersFilesAreKept();
    void suppliedFile();
};

void ScoreFileTest::splitsLines_data() {
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

void ScoreFileTest::splitsLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    TempFolder folder;
    folder.Write(FileName, bytes);
    ScoreFileStore scoreLines;
    scoreLines.LoadFromFile(FileName);
    QCOMPARE(scoreLines.Count(), int(lines.size()));
    QCOMPARE(LinesOf(scoreLines), lines);
}

void ScoreFileTest::loadReplacesWholeContent() {
    TempFolder folder;
    folder.Write(QStringLiteral("long.txc"), "1\r\n2\r\n3\r\n4\r\n5\r\n");
    folder.Write(QStringLiteral("short.txc"), "x\ny\n");
    ScoreFileStore scoreLines;
    scoreLines.LoadFromFile(QStringLiteral("long.txc"));
    QCOMPARE(scoreLines.Count(), 5);
    scoreLines.LoadFromFile(QStringLiteral("short.txc"));
    QCOMPARE(LinesOf(scoreLines), (QStringList{"x", "y"}));
    scoreLines.Clear();
    QCOMPARE(scoreLines.Count(), 0);
    QCOMPARE(ErrorOf([&] { scoreLines.Get(0); }), OutOfBounds(0));
}

void ScoreFileTest::failedLoadKeepsContent() {
    TempFolder folder;
    folder.Write(FileName, "a\r\nb\r\n");
    ScoreFileStore scoreLines;
    scoreLines.LoadFromFile(FileName);
    QVERIFY(ErrorOf([&] {
                scoreLines.LoadFromFile(QStringLiteral("missing.txc"));
            }).startsWith(QStringLiteral("Cannot open file")));
    QCOMPARE(LinesOf(scoreLines), (QStringList{"a", "b"}));
}

void ScoreFileTest::saveChangesOnlyLineBreaks_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("already CR LF") << QByteArray("a\r\n\r\nb\r\n") << QByteArray("a\r\n\r\nb\r\n");
    QTest::newRow("mixed breaks") << QByteArray("a\nb\rc\r\n\n")
                                  << QByteArray("a\r\nb\r\nc\r\n\r\n");
    QTest::newRow("no final break") << QByteArray("a\r\nlast") << QByteArray("a\r\nlast\r\n");
    QTest::newRow("blanks and tabs kept")
        << QByteArray("  \n\t x\t\n") << QByteArray("  \r\n\t x\t\r\n");
    // The text ends at a NUL; the bytes from there on are the player's and go back as they were.
    QTest::newRow("NUL and what follows kept")
        << QByteArray("a\r\nb\0junk\n\0", 11) << QByteArray("a\r\nb\r\n\0junk\n\0", 13);
    QTest::newRow("UTF-8 kept") << QByteArray("Ren\xc3\xa9\n") << QByteArray("Ren\xc3\xa9\r\n");
    // A line written in another code page is not valid UTF-8; it must still come back as it was.
    QTest::newRow("invalid UTF-8 kept")
        << QByteArray("caf\xe9\r\n\xff\xfe\r\n") << QByteArray("caf\xe9\r\n\xff\xfe\r\n");
    QTest::newRow("empty file") << QByteArray() << QByteArray();
}

void ScoreFileTest::saveChangesOnlyLineBreaks() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    TempFolder folder;
    folder.Write(FileName, before);
    ScoreFileStore scoreLines;
    scoreLines.LoadFromFile(FileName);
    scoreLines.SaveToFile(FileName);
    QCOMPARE(folder.Read(FileName), after);
}

void ScoreFileTest::accentedNamesRoundTrip() {
    TempFolder folder;
    folder.Write(FileName, "x\r\ny\r\n");
    ScoreFileStore scoreLines;
    scoreLines.LoadFromFile(FileName);
    const QString name = QStringLiteral("Åsa Øberg-Müller");
    scoreLines.Put(1, name);
    scoreLines.SaveToFile(FileName);
    QCOMPARE(folder.Read(FileName), QByteArray("x\r\n") + name.toUtf8() + "\r\n");
    ScoreFileStore reloaded;
    reloaded.LoadFromFile(FileName);
    QCOMPARE(reloaded.Get(1), name);
}

void ScoreFileTest::lineAccessOutOfBounds_data() {
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("index");

    QTest::newRow("one past the end") << 3 << 3;
    QTest::newRow("far past the end") << 3 << 40;
    QTest::newRow("negative") << 3 << -1;
    QTest::newRow("empty list") << 0 << 0;
}

void ScoreFileTest::lineAccessOutOfBounds() {
    QFETCH(int, lineCount);
    QFETCH(int, index);
    TempFolder folder;
    folder.Write(FileName, QByteArray("line\r\n").repeated(lineCount));
    ScoreFileStore scoreLines;
    scoreLines.LoadFromFile(FileName);
    QCOMPARE(ErrorOf([&] { scoreLines.Get(index); }), OutOfBounds(index));
    QCOMPARE(ErrorOf([&] { scoreLines.Put(index, QStringLiteral("x")); }), OutOfBounds(index));
    QCOMPARE(scoreLines.Count(), lineCount);
    if (lineCount > 0)
        QCOMPARE(ErrorOf([&] { scoreLines.Get(lineCount - 1); }), QStringLiteral("no error"));
}

void ScoreFileTest::putKeepsLength() {
    TempFolder folder;
    folder.Write(FileName, "a\r\nb\r\nc\r\n");
    ScoreFileStore scoreLines;
    scoreLines.LoadFromFile(FileName);
    scoreLines.Put(0, QStringLiteral("first"));
    scoreLines.Put(2, QString());
    QCOMPARE(LinesOf(scoreLines), (QStringList{"first", "b", ""}));
}

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

void ScoreFileTest::acceptsIntegers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");

    QTest::newRow("zero") << QStringLiteral("0") << 0;
    QTest::newRow("a day") << QStringLiteral("86400") << 86400;
    QTest::newRow("plus") << QStringLiteral("+5") << 5;
    QTest::newRow("minus") << QStringLiteral("-7") << -7;
    QTest::newRow("minus zero") << QStringLiteral("-0") << 0;
    QTest::newRow("leading zeros") << QStringLiteral("007") << 7;
    QTest::newRow("largest") << QStringLiteral("2147483647") << 2147483647;
    QTest::newRow("smallest") << QStringLiteral("-2147483648") << (-2147483647 - 1);
    QTest::newRow("many leading zeros") << QStringLiteral("000000000000042") << 42;
}

void ScoreFileTest::acceptsIntegers() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(StrToInt(text), value);
}

void ScoreFileTest::rejectsNonIntegers_data() {
    QTest::addColumn<QString>("text");

    QTest::newRow("trailing letter") << QStringLiteral("12a");
    QTest::newRow("empty") << QString();
    QTest::newRow("leading blank") << QStringLiteral(" 5");
    QTest::newRow("trailing blank") << QStringLiteral("5 ");
    QTest::newRow("inner blank") << QStringLiteral("1 000");
    QTest::newRow("sign only") << QStringLiteral("-");
    QTest::newRow("plus only") << QStringLiteral("+");
    QTest::newRow("two signs") << QStringLiteral("+-1");
    QTest::newRow("hex 0x") << QStringLiteral("0x10");
    QTest::newRow("hex $") << QStringLiteral("$10");
    QTest::newRow("decimal point") << QStringLiteral("1.0");
    QTest::newRow("exponent") << QStringLiteral("1e3");
    QTest::newRow("other digits") << QStringLiteral("٣");
    QTest::newRow("one past the largest") << QStringLiteral("2147483648");
    QTest::newRow("one below the smallest") << QStringLiteral("-2147483649");
    QTest::newRow("2 to the 32") << QStringLiteral("4294967296");
    QTest::newRow("eleven digits") << QStringLiteral("99999999999");
    QTest::newRow("2 to the 64") << QStringLiteral("18446744073709551616");
}

void ScoreFileTest::rejectsNonIntegers() {
    QFETCH(QString, text);
    QCOMPARE(ErrorOf([&] { StrToInt(text); }),
             QStringLiteral("'%1' is not a valid integer value").arg(text));
}

void ScoreFileTest::missingFile() {
    TempFolder folder;
    ScoreFileStore scoreLines;
    const QString expected = QStringLiteral("Cannot open file \"%1\". No such file or directory")
                                 .arg(FullPath(FileName));
    QCOMPARE(ErrorOf([&] { ReadSoundSetting(scoreLines); }), expected);
    QCOMPARE(ErrorOf([&] { scoreLines.LoadFromFile(FileName); }), expected);
}

void ScoreFileTest::folderInPlaceOfFile() {
    TempFolder folder;
    QVERIFY(QDir().mkdir(FileName));
    ScoreFileStore scoreLines;
    QCOMPARE(ErrorOf([&] { scoreLines.LoadFromFile(FileName); }),
             QStringLiteral("Cannot open file \"%1\". Is a directory").arg(FullPath(FileName)));
    folder.Write(QStringLiteral("other.txc"), "a\r\n");
    scoreLines.LoadFromFile(QStringLiteral("other.txc"));
    QCOMPARE(ErrorOf([&] { scoreLines.SaveToFile(FileName); }),
             QStringLiteral("Cannot create file \"%1\". Is a directory").arg(FullPath(FileName)));
    QVERIFY(QFileInfo(FileName).isDir());
    QCOMPARE(QDir(FileName).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void ScoreFileTest::unreadableFile() {
    // Reading a process's memory at address 0 fails with an I/O error, even for root.
    const QString path = QStringLiteral("/proc/self/mem");
    if (!QFile::exists(path))
        QSKIP("/proc/self/mem is not available here");
    ScoreFileStore scoreLines;
    const QString error = ErrorOf([&] { scoreLines.LoadFromFile(path); });
    QVERIFY2(error.startsWith(QStringLiteral("Cannot open file \"/proc/self/mem\". ")),
             qPrintable(error));
    QVERIFY2(error.size() > QStringLiteral("Cannot open file \"/proc/self/mem\". ").size(),
             qPrintable(error));
}

void ScoreFileTest::saveIntoReadOnlyFolder() {
    if (geteuid() == 0)
        QSKIP("Running as root, which writes into a read-only folder anyway; "
              "faults_score_file runs this case as another user");
    TempFolder folder;
    folder.Write(FileName, "a\nb\nc\nns\n");
    QVERIFY(QFile::setPermissions(folder.Path(), QFile::ReadOwner | QFile::ExeOwner));
    ScoreFileStore scoreLines;
    const QString error = ErrorOf([&] { WriteSoundSetting(scoreLines, true); });
    QFile::setPermissions(folder.Path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(error, QStringLiteral("no error"));
    QCOMPARE(folder.Read(FileName), QByteArray("a\r\nb\r\nc\r\ns\r\n"));
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{FileName});
}

void ScoreFileTest::saveWherePathCannotExist() {
    // No file can be made in /proc, not even by root.
    TempFolder folder;
    folder.Write(FileName, "a\r\n");
    ScoreFileStore scoreLines;
    scoreLines.LoadFromFile(FileName);
    const QString prefix = QStringLiteral("Cannot create file \"/proc/highscores.txc\". ");
    const QString error =
        ErrorOf([&] { scoreLines.SaveToFile(QStringLiteral("/proc/") + FileName); });
    QVERIFY2(error.startsWith(prefix) && error.size() > prefix.size(), qPrintable(error));
    QVERIFY(!QFile::exists(QStringLiteral("/proc/") + FileName));
}

void ScoreFileTest::failedWriteKeepsOldFile() {
    TempFolder folder;
    const QByteArray before = CrLfFile(SampleLines);
    folder.Write(FileName, before);
    ScoreFileStore scoreLines;
    scoreLines.LoadFromFile(FileName);
    WriteBestTime(scoreLines, SampleMarker, 0, QStringLiteral("Nobody"), 1);
    QString error;
    {
        // A few bytes get written, then the "disk" is full: a short write, then a failed one.
        FileSizeLimit limit(10);
        QVERIFY(limit.Active);
        error = ErrorOf([&] { scoreLines.SaveToFile(FileName); });
    }
    QCOMPARE(error,
             QStringLiteral("Cannot create file \"%1\". File too large").arg(FullPath(FileName)));
    QCOMPARE(folder.Read(FileName), before);
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{FileName});
    // Once there is room again the same save goes through.
    scoreLines.SaveToFile(FileName);
    ScoreFileStore reloaded;
    reloaded.LoadFromFile(FileName);
    QCOMPARE(ReadBestTimes(reloaded, SampleMarker)[0].Name, QStringLiteral("Nobody"));
}

void ScoreFileTest::saveKeepsPermissionsAndLeavesNoTemporary() {
    TempFolder folder;
    folder.Write(FileName, "a\r\nb\r\nc\r\ns\r\n");
    const QFile::Permissions permissions =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(FileName, permissions));
    ScoreFileStore scoreLines;
    WriteSoundSetting(scoreLines, false);
    QCOMPARE(folder.Read(FileName), QByteArray("a\r\nb\r\nc\r\nns\r\n"));
    const QFile::Permissions ownerGroupOther =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
        QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
        QFile::ExeOther;
    QCOMPARE(QFile::permissions(FileName) & ownerGroupOther, permissions);
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{FileName});
}

void ScoreFileTest::onlyRegularFiles() {
    // A named pipe in its place is not written over (reading one: faults_score_file).
    TempFolder folder;
    QVERIFY(::mkfifo(QFile::encodeName(FileName).constData(), 0600) == 0);
    ScoreFileStore scoreLines;
    folder.Write(QStringLiteral("other.txc"), "a\r\n");
    scoreLines.LoadFromFile(QStringLiteral("other.txc"));
    QCOMPARE(ErrorOf([&] { scoreLines.SaveToFile(FileName); }),
             QStringLiteral("Cannot create file \"%1\". Is a named pipe, not a file")
                 .arg(FullPath(FileName)));
    struct stat status {};
    QVERIFY(::lstat(QFile::encodeName(FileName).constData(), &status) == 0 &&
            S_ISFIFO(status.st_mode));
    // A device, through a link: never read as a score file.
    QVERIFY(QFile::link(QStringLiteral("/dev/null"), QStringLiteral("device.txc")));
    QCOMPARE(ErrorOf([&] { scoreLines.LoadFromFile(QStringLiteral("device.txc")); }),
             QStringLiteral("Cannot open file \"%1\". Is not a regular file")
                 .arg(FullPath(QStringLiteral("device.txc"))));
}

void ScoreFileTest::hardLinkedFileIsWrittenInPlace() {
    TempFolder folder;
    const QByteArray before = CrLfFile(SampleLines);
    folder.Write(FileName, before);
    QVERIFY(::link(QFile::encodeName(FileName).constData(), "second.txc") == 0);
    ScoreFileStore scoreLines;
    scoreLines.LoadFromFile(FileName);
    // A longer text on a full disk: refused before a byte of the old one changes.
    WriteBestTime(scoreLines, SampleMarker, 0, QStringLiteral("A much longer name"), 1);
    {
        FileSizeLimit limit(before.size() + 4);
        QVERIFY(limit.Active);
        QCOMPARE(
            ErrorOf([&] { scoreLines.SaveToFile(FileName); }),
            QStringLiteral("Cannot create file \"%1\". File too large").arg(FullPath(FileName)));
    }
    QCOMPARE(folder.Read(FileName), before);
    // A shorter one goes through, and both names still show the same file.
    WriteBestTime(scoreLines, SampleMarker, 0, QStringLiteral("A"), 1);
    scoreLines.SaveToFile(FileName);
    QCOMPARE(folder.Read(QStringLiteral("second.txc")), folder.Read(FileName));
    QCOMPARE(ReadBestTimes(scoreLines, SampleMarker)[0].Name, QStringLiteral("A"));
    ScoreFileStore reloaded;
    reloaded.LoadFromFile(QStringLiteral("second.txc"));
    QCOMPARE(LinesOf(reloaded), LinesOf(scoreLines));
    QCOMPARE(QDir().entryList(QDir::Files), (QStringList{FileName, "second.txc"}));
}

void ScoreFileTest::rootSaveKeepsOwnerAndGroup() {
    if (geteuid() != 0)
        QSKIP("Only root can give a file to another user");
    TempFolder folder;
    folder.Write(FileName, "a\r\nb\r\nc\r\ns\r\n");
    QVERIFY(::chown(QFile::encodeName(FileName).constData(), 65534, 65534) == 0);
    ScoreFileStore scoreLines;
    WriteSoundSetting(scoreLines, false);
    QCOMPARE(folder.Read(FileName), QByteArray("a\r\nb\r\nc\r\nns\r\n"));
    struct stat status {};
    QVERIFY(::stat(QFile::encodeName(FileName).constData(), &status) == 0);
    QCOMPARE(status.st_uid, uid_t(65534));
    QCOMPARE(status.st_gid, gid_t(65534));
}

namespace {

void WriteAt(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("Cannot write %s", qPrintable(path));
}

QByteArray ReadAt(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Cannot read %s", qPrintable(path));
    return file.readAll();
}

// Everything in the folder, sorted, hidden names included.
QStringList Listing(const QString& folder = QStringLiteral(".")) {
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                               QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

} // namespace

void ScoreFileTest::leftoverSavesAreRemoved() {
    TempFolder folder;
    folder.Write(FileName, "a\r\nb\r\nc\r\ns\r\n");
    const QString saving = "." + FileName + ".saving-";
    // Whatever its six characters: all capitals, all small, a word, digits.
    const QStringList leftovers = {saving + "ROUXPA", saving + "qwerty", saving + "Backup",
                                   saving + "a1B2c3"};
    // Names that only look alike, and what no leftover save is: kept.
    QStringList kept = {saving + "ABCDE",           saving + "ABCDEFG", saving + "AB-DEF",
                        saving + "LinkEd",          saving + "InUseA",  ".other.txc.saving-ABCDEF",
                        FileName + ".saving-ABCDEF"};
    for (const QString& name : leftovers + kept)
        folder.Write(name, "whole copy\r\n");
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
        folder.Write(saving + "OtherU", "another user's\r\n");
        QVERIFY(::chown(QFile::encodeName(saving + "OtherU").constData(), 65534, 65534) == 0);
        kept += saving + "OtherU";
    }
    kept += {FileName, "." + FileName + ".lock"};
    kept.sort();

    ScoreFileStore scoreLines;
    QVERIFY(ReadSoundSetting(scoreLines)); // at start-up
    const QStringList afterStart = Listing();
    folder.Write(leftovers[0], "whole copy\r\n");
    WriteSoundSetting(scoreLines, true); // at a save
    const QStringList afterSave = Listing();
    ::close(held);
    QCOMPARE(afterStart, kept);
    QCOMPARE(afterSave, kept);
}

void ScoreFileTest::lockFileOthersCouldOpenIsNotUsed_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("readable by all") << "0644";
    QTest::newRow("with a second name") << "linked";
    QTest::newRow("another user's") << "other user";
}

// A lock file that someone else could have opened is one they could hold: the game does not wait
// for it but saves alone, and leaves it as it is.
void ScoreFileTest::lockFileOthersCouldOpenIsNotUsed() {
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

void ScoreFileTest::playersFilesAreKept() {
    // The score file is a link into another folder, beside the file it leads to lie the player's
    // copies too, and a leftover of a save of that file.
    TempFolder folder;
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("real.txc"));
    QVERIFY(QFile::link(target, FileName));
    const QStringList mine = {FileName + ".myCopy", FileName + ".OldOne", FileName + ".XyZabc",
                              FileName + ".AbCdEf", FileName + ".backup"};
    for (const QString& name : mine)
        folder.Write(name, "the player's\r\n");
    WriteAt(elsewhere.filePath(QStringLiteral("real.txc.myCopy")), "the player's\r\n");
    WriteAt(elsewhere.filePath(QStringLiteral(".real.txc.saving-QWERTY")), "a\r\n");
    // No save of the file the link leads to leaves this one here: it stays.
    folder.Write("." + FileName + ".saving-ASDFGH", "a\r\n");
    WriteAt(target, "a\r\nb\r\nc\r\ns\r\n");
    QStringList here = mine + QStringList{FileName, "." + FileName + ".saving-ASDFGH"};
    here.sort();

    ScoreFileStore scoreLines;
    for (int round = 0; round < 3; ++round) {
        QCOMPARE(ReadSoundSetting(scoreLines), round % 2 == 0);
        WriteSoundSetting(scoreLines, round % 2 == 1);
    }
    QCOMPARE(Listing(), here);
    QCOMPARE(Listing(elsewhere.path()),
             (QStringList{".real.txc.lock", "real.txc", "real.txc.myCopy"}));
    for (const QString& name : mine)
        QCOMPARE(folder.Read(name), QByteArray("the player's\r\n"));
    QCOMPARE(ReadAt(elsewhere.filePath(QStringLiteral("real.txc.myCopy"))),
             QByteArray("the player's\r\n"));
    QVERIFY(QFileInfo(FileName).isSymLink());
    QCOMPARE(ReadAt(target), QByteArray("a\r\nb\r\nc\r\nns\r\n"));
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

QTEST_GUILESS_MAIN(ScoreFileTest)
#include "ScoreFileTest.moc"
