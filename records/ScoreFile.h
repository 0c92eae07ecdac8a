// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The score file: the sound setting (line 3) and the best time of each level (a block of seven
// lines starting with the marker "high"). It is read whole into a list of lines, changed there
// by line index and written back whole; lines the game does not interpret pass through as they
// are. Every failure is thrown as GameError.

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>

// Addressed by bare name: the file lives in the working directory.
inline const char* const ScoreFileName = "highscores.txc";

// The score file's lines in memory. Each line keeps the bytes it was read with, so a line that
// is not valid in the system's encoding is still written back exactly as it was.
class ScoreLineList {
  public:
    // Replaces the whole content with the file's lines. Lines end at CR LF, a lone CR or a lone
    // LF; a NUL byte ends the text. A text of more than 1 MiB is refused as too large. On
    // failure the content stays as it was.
    void LoadFromFile(const QString& fileName);
    QString Get(int index) const;
    // Replaces an existing line; the list keeps its length.
    void Put(int index, const QString& text);
    // Writes every line followed by CR LF. The old file is replaced only once the new one is
    // completely on disk, so a crash or a full disk never loses it; after a failure it is left
    // exactly as it was. The new file keeps the old one's owner and group where the process
    // may give them. Written in place instead, as a plain rewrite, are a file with more than
    // one name (hard links), which a replacement would split, and a file in a folder where no
    // file can be made; there only a full disk is caught before the first byte changes.
    // Only a regular file is read or written: anything else in its place is an error.
    void SaveToFile(const QString& fileName) const;
    void Clear();
    int Count() const;

  private:
    void CheckIndex(int index) const;

    QList<QByteArray> Lines;
};

// Removes what saves killed at the wrong moment left beside the file: whole temporary copies
// named like "highscores.txc.AbxyCd", six random letters. Only regular files of this process's
// user with such a name and no other go, none whose letters read as a word, and none that a
// running save holds.
void RemoveLeftoverSaves(const QString& fileName);

// Removes leftover saves, then loads the score file; only the exact text "s" on line 3 means
// sound on. Empties the list afterwards.
bool ReadSoundSetting(ScoreLineList& ScoreLines);

// Loads the score file again, sets line 3 to "s" or "ns" and saves it.
void WriteSoundSetting(ScoreLineList& ScoreLines, bool checked);

// The index of the first line at index 1 or later that is exactly "high". Without one the
// search runs off the end and fails with "List index out of bounds (N)", N the line count.
int LocateMarker(const ScoreLineList& ScoreLines);

// A signed 32-bit decimal: an optional '+' or '-' and at least one digit, nothing else.
std::int32_t StrToInt(const QString& text);

// One level's record. Level ordinal j (Easy 0, Medium 1, Hard 2) has its name on line
// MarkerIndex + 1 + 2j and its seconds on line MarkerIndex + 2 + 2j.
struct BestTimeRecord {
    QString Name;
    std::int32_t Seconds;
};

// The seconds that stand for no best time yet: a day.
inline const char* const NoBestTime = "86400";

// Reads the six lines after the marker, in order; the first bad line stops the reading.
std::array<BestTimeRecord, 3> ReadBestTimes(const ScoreLineList& ScoreLines, int MarkerIndex);

// These change the lines in memory only; the caller saves the file.
void WriteBestTime(ScoreLineList& ScoreLines, int MarkerIndex, int level, const QString& name,
                   std::int32_t seconds);
void ResetBestTimes(ScoreLineList& ScoreLines, int MarkerIndex);

// The level ordinal of a number of givens per block: 5 Easy (0), 4 Medium (1), 3 Hard (2).
int LevelOrdinal(int ShownPerBlock);
