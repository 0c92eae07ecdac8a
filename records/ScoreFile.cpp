// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/ScoreFile.h"

#include "engine/GameState.h"
#include "records/StrToInt.h"

namespace {

const QString SoundOnText = QStringLiteral("s");
const QString SoundOffText = QStringLiteral("ns");
const QString MarkerText = QStringLiteral("high");
constexpr int SoundLine = 3;

int NameLine(int MarkerIndex, int level) {
    return MarkerIndex + 1 + 2 * level;
}
int SecondsLine(int MarkerIndex, int level) {
    return MarkerIndex + 2 + 2 * level;
}

} // namespace

void ChangeScoreFile(ScoreFileStore& ScoreLines, const ScoreChange& change, LockWait wait) {
    const QString fileName = QString::fromLatin1(ScoreFileName);
    const ScoreFileLock lock(fileName, wait);
    ScoreLines.LoadFromFile(fileName);
    if (change(ScoreLines))
        ScoreLines.SaveToFile(fileName);
}

bool ReadSoundSetting(ScoreFileStore& ScoreLines) {
    const QString fileName = QString::fromLatin1(ScoreFileName);
    try {
        // No save of another game is halfway while its leftovers are looked for.
        const ScoreFileLock lock(fileName);
        RemoveLeftoverSaves(fileName);
    } catch (const ScoreFileBusy&) {
        // A later start removes them.
    }
    ScoreLines.LoadFromFile(fileName);
    const bool on = ScoreLines.Get(SoundLine) == SoundOnText;
    ScoreLines.Clear();
    return on;
}

void WriteSoundSetting(ScoreFileStore& ScoreLines, bool checked) {
    ScoreLines.Clear();
    ChangeScoreFile(ScoreLines, SoundSettingChange(checked));
}

ScoreChange SoundSettingChange(bool checked) {
    return [checked](ScoreFileStore& lines) {
        lines.Put(SoundLine, checked ? SoundOnText : SoundOffText);
        return true;
    };
}

ScoreChange BestTimeChange(int level, const QString& name, std::int32_t seconds) {
    return [=](ScoreFileStore& lines) {
        const int marker = LocateMarker(lines);
        if (seconds >= ReadBestTimes(lines, marker)[level].Seconds)
            return false;
        WriteBestTime(lines, marker, level, name, seconds);
        return true;
    };
}

ScoreChange ResetChange() {
    return [](ScoreFileStore& lines) {
        ResetBestTimes(lines, LocateMarker(lines));
        return true;
    };
}

int LocateMarker(const ScoreFileStore& ScoreLines) {
    // Line 0 is never the marker. Get fails once the search runs past the last line.
    int index = 1;
    while (ScoreLines.Get(index) != MarkerText)
        ++index;
    return index;
}

std::array<BestTimeRecord, 3> ReadBestTimes(const ScoreFileStore& ScoreLines, int MarkerIndex) {
    std::array<BestTimeRecord, 3> records{};
    for (int level = 0; level < LevelCount; ++level) {
        records[level].Name = ScoreLines.Get(NameLine(MarkerIndex, level));
        records[level].Seconds = StrToInt(ScoreLines.Get(SecondsLine(MarkerIndex, level)));
    }
    return records;
}

void WriteBestTime(ScoreFileStore& ScoreLines, int MarkerIndex, int level, const QString& name,
                   std::int32_t seconds) {
    Q_ASSERT(level >= 0 && level < LevelCount);
    ScoreLines.Put(NameLine(MarkerIndex, level), name);
    ScoreLines.Put(SecondsLine(MarkerIndex, level), QString::number(seconds));
}

void ResetBestTimes(ScoreFileStore& ScoreLines, int MarkerIndex) {
    for (int level = 0; level < LevelCount; ++level) {
        ScoreLines.Put(NameLine(MarkerIndex, level), QString());
        ScoreLines.Put(SecondsLine(MarkerIndex, level), QString::fromLatin1(NoBestTime));
    }
}

bool StoreBestTime(ScoreFileStore& ScoreLines, int level, const QString& name,
                   std::int32_t seconds) {
    bool stored = false;
    const ScoreChange change = BestTimeChange(level, name, seconds);
    ChangeScoreFile(ScoreLines, [&](ScoreFileStore& lines) { return stored = change(lines); });
    return stored;
}

void ResetStoredBestTimes(ScoreFileStore& ScoreLines) {
    ChangeScoreFile(ScoreLines, ResetChange());
}
