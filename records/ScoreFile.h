// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The score file: the sound setting (line 3) and the best time of each level (a block of seven
// lines starting with the marker "high"). It is read whole into a list of lines, changed there
// by line index and written back whole; lines the game does not interpret pass through as they
// are. Every failure is thrown as GameError.
//
// Two games may share the file. Each save takes the lock, reads the file again, makes only its
// own change and writes it, so no change that another game has saved is lost.

#include "engine/Game.h"
#include "records/ScoreFileLock.h"
#include "records/ScoreFileStore.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

// Addressed by bare name: the file lives in the working directory.
inline const char* const ScoreFileName = "highscores.txc";

// One game's change to the score file.
struct ScoreChange {
    // Makes the change on the lines of the file as it is now; true when it changed anything.
    std::function<bool(ScoreFileStore&)> Make;
    // The change as a line of a file of kept changes (records/KeptChanges.h), as it would be made
    // now.
    std::function<QByteArray()> Entry;
};

// Under the lock: loads the score file into ScoreLines as it is now, makes the changes that games
// ended before they could save them kept beside it, then lets `change` make this game's change,
// and saves the file when anything changed. Throws ScoreFileBusy, with the file untouched, while
// another holds the lock. When the changes kept by ended games cannot be saved, this game's
// change is saved without them and they stay where they are: the result is then why, and
// otherwise empty.
QString ChangeScoreFile(ScoreFileStore& ScoreLines, const ScoreChange& change,
                        LockWait wait = LockWait::Moment);
// The same with the lock already held.
QString ChangeLockedScoreFile(ScoreFileStore& ScoreLines, const ScoreChange& change);

// The changes that the game saves: the sound setting on line 3 ("s" or "ns"), as it is now or as
// it is when the change is made; a level's new record if its time still beats the stored one (a
// better record that another game set meanwhile stays); the reset of all three records.
ScoreChange SoundSettingChange(bool checked);
ScoreChange SoundSettingChange(const std::function<bool()>& checkedWhenMade);
ScoreChange BestTimeChange(int level, const QString& name, std::int32_t seconds);
ScoreChange ResetChange();
// The change that a file of kept changes holds as `entry`; nothing for a line that is none.
std::optional<ScoreChange> KeptChange(const QByteArray& entry);

// Removes the leftovers of killed saves and saves the changes that killed games kept, then loads
// the score file; only the exact text "s" on line 3 means sound on. Empties the list afterwards.
// While another game is saving, the leftovers wait for a later start: the file itself is always
// whole and can be read.
bool ReadSoundSetting(ScoreFileStore& ScoreLines);

// Empties the list, then loads the score file again, sets line 3 to "s" or "ns" and saves it.
void WriteSoundSetting(ScoreFileStore& ScoreLines, bool checked);

// The index of the first line at index 1 or later that is exactly "high". Without one the
// search runs off the end and fails with "List index out of bounds (N)", N the line count.
int LocateMarker(const ScoreFileStore& ScoreLines);

// One level's record. Level ordinal j (Easy 0, Medium 1, Hard 2) has its name on line
// MarkerIndex + 1 + 2j and its seconds on line MarkerIndex + 2 + 2j.
struct BestTimeRecord {
    QString Name;
    std::int32_t Seconds;
};

// The seconds that stand for no best time yet: a day.
inline const char* const NoBestTime = "86400";

// Reads the six lines after the marker, in order; the first bad line stops the reading.
std::array<BestTimeRecord, LevelCount> ReadBestTimes(const ScoreFileStore& ScoreLines,
                                                     int MarkerIndex);

// These change the lines in memory only; the caller saves the file.
void WriteBestTime(ScoreFileStore& ScoreLines, int MarkerIndex, int level, const QString& name,
                   std::int32_t seconds);
void ResetBestTimes(ScoreFileStore& ScoreLines, int MarkerIndex);

// Stores a level's new record, if its time still beats the one stored now: a better record that
// another game set meanwhile stays. True when it was stored.
bool StoreBestTime(ScoreFileStore& ScoreLines, int level, const QString& name,
                   std::int32_t seconds);

// Resets the records of all three levels in the file as it is now.
void ResetStoredBestTimes(ScoreFileStore& ScoreLines);
