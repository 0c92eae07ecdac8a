// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/ScoreFile.h"

#include "engine/Game.h"
#include "platform/GameError.h"
#include "records/KeptChanges.h"
#include "records/PlayerName.h"
#include "records/StrToInt.h"
#include "records/TrustedPath.h"

#include <vector>

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

QString ChangeScoreFile(ScoreFileStore& ScoreLines, const ScoreChange& change, LockWait wait) {
    const ScoreFileLock lock(QString::fromLatin1(ScoreFileName), wait);
    return ChangeLockedScoreFile(ScoreLines, change);
}

namespace {

// Makes in `ScoreLines` the changes of each file of kept changes that can be made whole; the
// files whose changes were made, and whether any changed a line.
std::vector<int> MakeAbandoned(ScoreFileStore& ScoreLines, const AbandonedChanges& abandoned,
                               bool& changed) {
    std::vector<int> made;
    for (int file = 0; file < abandoned.Count(); ++file) {
        // All of one game's changes or none: what cannot be made now waits for a later save.
        ScoreFileStore lines = ScoreLines;
        bool whole = true, changedHere = false;
        for (const QByteArray& entry : abandoned.Entries(file)) {
            const std::optional<ScoreChange> kept = KeptChange(entry);
            try {
                whole = kept.has_value();
                if (whole)
                    changedHere |= kept->Make(lines);
            } catch (const GameError&) {
                whole = false;
            }
            if (!whole)
                break;
        }
        if (!whole)
            continue;
        ScoreLines = lines;
        changed |= changedHere;
        made.push_back(file);
    }
    return made;
}

} // namespace

QString ChangeLockedScoreFile(ScoreFileStore& ScoreLines, const ScoreChange& change) {
    const QString fileName = QString::fromLatin1(ScoreFileName);
    ScoreLines.LoadFromFile(fileName);
    const ScoreFileStore asLoaded = ScoreLines;
    const QByteArray path = FileBehind(fileName, ThrowOpenError);
    AbandonedChanges abandoned(TakeKeptNote(path) ? path : QByteArray());
    bool changed = false;
    std::vector<int> made = MakeAbandoned(ScoreLines, abandoned, changed);
    // Those left for a later save are looked for again then.
    if (int(made.size()) < abandoned.Count())
        NoteKeptChanges(path);
    if (change.Make && change.Make(ScoreLines))
        changed = true;
    try {
        if (changed)
            ScoreLines.SaveToFile(fileName);
    } catch (const GameError& error) {
        if (made.empty())
            throw;
        // Changes of killed games that cannot be saved never hold up this game's own: they stay
        // beside the file for a later save.
        NoteKeptChanges(path);
        ScoreLines = asLoaded;
        if (change.Make && change.Make(ScoreLines))
            ScoreLines.SaveToFile(fileName);
        return error.Message();
    }
    for (const int file : made)
        abandoned.Remove(file);
    return {};
}

bool ReadSoundSetting(ScoreFileStore& ScoreLines) {
    const QString fileName = QString::fromLatin1(ScoreFileName);
    try {
        // No save of another game is halfway while its leftovers are looked for.
        const ScoreFileLock lock(fileName);
        RemoveLeftoverSaves(fileName);
        // Whatever a game ended meanwhile left, also after the note has gone (a restart).
        NoteKeptChanges(FileBehind(fileName, ThrowOpenError));
        try {
            ChangeLockedScoreFile(ScoreLines, {});
        } catch (const GameError&) {
            // The load below tells what is wrong; the kept changes wait for a later save.
        }
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
    return SoundSettingChange([checked] { return checked; });
}

ScoreChange SoundSettingChange(const std::function<bool()>& checkedWhenMade) {
    return {[checkedWhenMade](ScoreFileStore& lines) {
                lines.Put(SoundLine, checkedWhenMade() ? SoundOnText : SoundOffText);
                return true;
            },
            [checkedWhenMade] { return QByteArray(checkedWhenMade() ? "sound s" : "sound ns"); }};
}

ScoreChange BestTimeChange(int level, const QString& name, std::int32_t seconds) {
    return {[=](ScoreFileStore& lines) {
                const int marker = LocateMarker(lines);
                if (seconds >= ReadBestTimes(lines, marker)[level].Seconds)
                    return false;
                WriteBestTime(lines, marker, level, name, seconds);
                return true;
            },
            [=] {
                return "best " + QByteArray::number(level) + ' ' + QByteArray::number(seconds) +
                       ' ' + name.toUtf8().toPercentEncoding();
            }};
}

ScoreChange ResetChange() {
    return {[](ScoreFileStore& lines) {
                ResetBestTimes(lines, LocateMarker(lines));
                return true;
            },
            [] { return QByteArray("reset"); }};
}

std::optional<ScoreChange> KeptChange(const QByteArray& entry) {
    const QList<QByteArray> words = entry.split(' ');
    if (entry == "sound s" || entry == "sound ns")
        return SoundSettingChange(entry == "sound s");
    if (entry == "reset")
        return ResetChange();
    bool levelRead = false, secondsRead = false;
    if (words.size() != 4 || words[0] != "best")
        return std::nullopt;
    const int level = words[1].toInt(&levelRead);
    const std::int32_t seconds = words[2].toInt(&secondsRead);
    const QString name = QString::fromUtf8(QByteArray::fromPercentEncoding(words[3]));
    // Only what a finished game leaves: a second at least, a name as a record takes it, and
    // written exactly as the game writes it.
    if (!levelRead || !secondsRead || level < 0 || level >= LevelCount || seconds < 1 ||
        NameForRecord(name) != name)
        return std::nullopt;
    ScoreChange change = BestTimeChange(level, name, seconds);
    if (change.Entry() != entry)
        return std::nullopt;
    return change;
}

int LocateMarker(const ScoreFileStore& ScoreLines) {
    // Line 0 is never the marker. Get fails once the search runs past the last line.
    int index = 1;
    while (ScoreLines.Get(index) != MarkerText)
        ++index;
    return index;
}

std::array<BestTimeRecord, LevelCount> ReadBestTimes(const ScoreFileStore& ScoreLines,
                                                     int MarkerIndex) {
    std::array<BestTimeRecord, LevelCount> records{};
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
    ChangeScoreFile(ScoreLines,
                    {[&](ScoreFileStore& lines) { return stored = change.Make(lines); }, {}});
    return stored;
}

void ResetStoredBestTimes(ScoreFileStore& ScoreLines) {
    ChangeScoreFile(ScoreLines, ResetChange());
}
