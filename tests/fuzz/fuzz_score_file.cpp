// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The score file from arbitrary bytes, through the steps of the game's saves: load, find the
// marker, read the best times, change a level's record, reset the block or write the sound
// setting, save and load again. The file on disk after the save must hold exactly the lines
// read, byte for byte, with only the lines the step aims at changed; a step that fails must
// leave the file as it was.
//
// Input: action byte (level 0-2, 3 reset, 4 sound), name length byte, the name (UTF-8), four
// bytes of seconds (little-endian), then the file.

#include "platform/GameError.h"
#include "records/PlayerName.h"
#include "records/ScoreFile.h"
#include "tests/fuzz/Reference.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace {

using Lines = std::vector<QByteArray>;

const QString FileName = QString::fromLatin1(ScoreFileName);

// The game's list lives for the whole run, so stale content from the previous input must go.
ScoreFileStore ScoreLines;

struct Input {
    int Action = 0;
    int NameLength = 0;
    QString Name;
    std::int32_t Seconds = 0;
    QByteArray File;
};

Input Parse(const std::uint8_t* data, std::size_t size) {
    Input input;
    std::size_t pos = 0;
    auto take = [&](std::size_t n) {
        const std::size_t got = std::min(n, size - pos);
        const QByteArray bytes(reinterpret_cast<const char*>(data + pos),
                               static_cast<qsizetype>(got));
        pos += got;
        return bytes;
    };
    const QByteArray head = take(2);
    input.Action = head.size() > 0 ? static_cast<unsigned char>(head[0]) % 5 : 0;
    input.NameLength = head.size() > 1 ? static_cast<unsigned char>(head[1]) % 24 : 0;
    input.Name = QString::fromUtf8(take(static_cast<std::size_t>(input.NameLength)));
    const QByteArray seconds = take(4);
    std::uint32_t raw = 0;
    std::memcpy(&raw, seconds.leftJustified(4, '\0').constData(), 4);
    input.Seconds = static_cast<std::int32_t>(raw);
    input.File = take(size - pos);
    return input;
}

QByteArray ReadFile() {
    QFile file(FileName);
    Require(file.open(QIODevice::ReadOnly), "the score file cannot be read back");
    return file.readAll();
}

void WriteFile(const QByteArray& bytes) {
    QFile file(FileName);
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                file.write(bytes) == bytes.size(),
            "cannot write the input file");
}

QString OutOfBounds(int index) {
    return QStringLiteral("List index out of bounds (%1)").arg(index);
}

// Runs a step and returns its failure text, or nothing when it went through.
template <typename Step> std::optional<QString> Failure(Step step) {
    try {
        step();
    } catch (const GameError& error) {
        return error.Message();
    }
    return std::nullopt;
}

void RequireLoaded(const Lines& expected, const char* when) {
    Require(ScoreLines.Count() == static_cast<int>(expected.size()), when,
            QStringLiteral("%1 lines loaded, %2 expected")
                .arg(ScoreLines.Count())
                .arg(expected.size()));
    for (int i = 0; i < ScoreLines.Count(); ++i)
        Require(ScoreLines.Get(i) == QString::fromLocal8Bit(expected[static_cast<size_t>(i)]), when,
                QStringLiteral("line %1: '%2'").arg(i).arg(ScoreLines.Get(i)));
}

// The lines, then whatever followed the text from its first NUL on, as it was. A NUL inside a
// line follows that line's text with no break between.
QByteArray Saved(const Lines& lines, const QByteArray& file) {
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    const qsizetype nul = file.indexOf('\0');
    if (nul < 0)
        return bytes;
    if (nul > 0 && file[nul - 1] != '\r' && file[nul - 1] != '\n')
        bytes.chop(2);
    return bytes + file.mid(nul);
}

// The first line at index 1 or later that is exactly "high".
std::optional<int> ReferenceMarker(const Lines& lines) {
    for (size_t i = 1; i < lines.size(); ++i)
        if (lines[i] == "high")
            return static_cast<int>(i);
    return std::nullopt;
}

// What ReadBestTimes must give: the records, or the failure of the first bad line.
void CheckBestTimes(const Lines& lines, int marker) {
    std::optional<QString> expectedFailure;
    std::array<BestTimeRecord, LevelCount> expected{};
    for (int level = 0; level < 3 && !expectedFailure; ++level) {
        const int nameLine = marker + 1 + 2 * level;
        const int secondsLine = nameLine + 1;
        if (nameLine >= static_cast<int>(lines.size())) {
            expectedFailure = OutOfBounds(nameLine);
            break;
        }
        expected[level].Name = QString::fromLocal8Bit(lines[nameLine]);
        if (secondsLine >= static_cast<int>(lines.size())) {
            expectedFailure = OutOfBounds(secondsLine);
            break;
        }
        const QString text = QString::fromLocal8Bit(lines[secondsLine]);
        const std::optional<std::int32_t> seconds = ReferenceInteger(text);
        if (!seconds)
            expectedFailure = "'" + text + "' is not a valid integer value";
        else
            expected[level].Seconds = *seconds;
    }
    std::array<BestTimeRecord, LevelCount> got{};
    const std::optional<QString> failure =
        Failure([&] { got = ReadBestTimes(ScoreLines, marker); });
    Require(failure == expectedFailure, "ReadBestTimes fails as the reference does",
            QStringLiteral("got '%1', expected '%2'")
                .arg(failure.value_or("no failure"), expectedFailure.value_or("no failure")));
    if (failure)
        return;
    for (int level = 0; level < 3; ++level)
        Require(got[level].Name == expected[level].Name &&
                    got[level].Seconds == expected[level].Seconds,
                "ReadBestTimes reads the block", QStringLiteral("level %1").arg(level));
}

// The score file, and the lock file of the saves that took the lock.
void RequireOnlyTheFile(const char* when) {
    QStringList entries = QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                    QDir::Hidden | QDir::System);
    entries.removeAll("." + FileName + ".lock");
    Require(entries == QStringList{FileName}, when, entries.join(", "));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A folder of its own, in memory when possible: the save syncs every time.
    const QString base = QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static QTemporaryDir folder(base + "/tolvane-fuzz-score-XXXXXX");
    Require(folder.isValid() && QDir::setCurrent(folder.path()), "no working folder");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Input input = Parse(data, size);
    WriteFile(input.File);
    const Lines lines = ReferenceLines(input.File);

    const std::optional<QString> loadFailure = Failure([] { ScoreLines.LoadFromFile(FileName); });
    Require(!loadFailure, "a readable file loads", loadFailure.value_or(QString()));
    RequireLoaded(lines, "the loaded lines are the reference's");

    // The marker, or the line count when the search runs off the end.
    const std::optional<int> expectedMarker = ReferenceMarker(lines);
    int marker = -1;
    const std::optional<QString> markerFailure =
        Failure([&] { marker = LocateMarker(ScoreLines); });
    if (expectedMarker) {
        Require(!markerFailure && marker == *expectedMarker, "the marker is found",
                QStringLiteral("at %1, expected %2").arg(marker).arg(*expectedMarker));
        CheckBestTimes(lines, marker);
    } else {
        // The search starts at line 1, so even an empty file fails there.
        Require(markerFailure == OutOfBounds(std::max(1, static_cast<int>(lines.size()))),
                "a missing marker fails with the line count", markerFailure.value_or("none"));
    }

    // The step: the lines it should change on disk, or the index where it must fail.
    Lines expected = lines;
    std::optional<QString> expectedFailure;
    auto put = [&](int index, const QByteArray& bytes) {
        if (expectedFailure)
            return;
        if (index >= static_cast<int>(expected.size()))
            expectedFailure = OutOfBounds(index);
        else
            expected[static_cast<size_t>(index)] = bytes;
    };
    std::optional<QString> failure;
    if (input.Action == 4) {
        const bool on = input.NameLength % 2 == 1;
        put(3, on ? "s" : "ns");
        failure = Failure([&] { WriteSoundSetting(ScoreLines, on); });
    } else {
        if (!expectedMarker)
            return 0;
        if (input.Action == 3) {
            for (int level = 0; level < 3; ++level) {
                put(marker + 1 + 2 * level, "");
                put(marker + 2 + 2 * level, NoBestTime);
            }
            failure = Failure([&] { ResetBestTimes(ScoreLines, marker); });
        } else {
            // The name as the best-times flow hands it over.
            const QString name = NameForRecord(input.Name);
            put(marker + 1 + 2 * input.Action, name.toLocal8Bit());
            put(marker + 2 + 2 * input.Action, QByteArray::number(input.Seconds));
            failure = Failure(
                [&] { WriteBestTime(ScoreLines, marker, input.Action, name, input.Seconds); });
        }
        if (!failure)
            failure = Failure([] { ScoreLines.SaveToFile(FileName); });
    }
    Require(failure == expectedFailure, "the step fails where the reference does",
            QStringLiteral("got '%1', expected '%2'")
                .arg(failure.value_or("no failure"), expectedFailure.value_or("no failure")));

    const QByteArray onDisk = ReadFile();
    if (failure) {
        Require(onDisk == input.File, "a failed step leaves the file as it was", Escaped(onDisk));
    } else {
        const QByteArray saved = Saved(expected, input.File);
        Require(onDisk == saved, "only the aimed-at lines changed",
                "on disk: " + Escaped(onDisk) + "\nexpected: " + Escaped(saved));
        ScoreLines.LoadFromFile(FileName);
        RequireLoaded(expected, "the saved file loads again as saved");
        if (expectedMarker)
            CheckBestTimes(expected, *expectedMarker);
    }
    RequireOnlyTheFile("nothing but the score file is left in the folder");
    return 0;
}
