// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts as the game does (the sound setting is read, leftovers of killed saves go), then saves
// best times into the score file in the working directory over and over, as the best-times flow
// does: under the lock, the file read again, one level's record changed, the file saved.
//   score_saver [SAVES [LEVEL]]
// Without LEVEL it alternates the Easy record between two values, so that every save changes the
// file. With LEVEL (0 to 2) it counts that level's seconds up by one per save, as a second game
// saving at the same time would change only its own lines. Without SAVES it runs until it is
// killed. It prints "saving" once before the first save and "saved N" when it ends by itself; a
// failure prints the game's text and exits with 1. A save that finds the other game holding the
// lock for long is made again, as the game makes a kept change.

#include "platform/GameError.h"
#include "records/ScoreFile.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const long saves = argc > 1 ? std::atol(argv[1]) : -1;
    const int counted = argc > 2 ? std::atoi(argv[2]) : -1;
    ScoreFileStore ScoreLines;
    long done = 0;
    try {
        ReadSoundSetting(ScoreLines);
        std::printf("saving\n");
        std::fflush(stdout);
        for (; saves < 0 || done < saves; ++done) {
            const ScoreChange change{[done, counted](ScoreFileStore& lines) {
                                         const int marker = LocateMarker(lines);
                                         if (counted >= 0)
                                             WriteBestTime(
                                                 lines, marker, counted, "Counter",
                                                 ReadBestTimes(lines, marker)[counted].Seconds + 1);
                                         else if (done % 2 == 0)
                                             WriteBestTime(lines, marker, 0, "Alpha", 100);
                                         else
                                             WriteBestTime(lines, marker, 0, "Beta", 200);
                                         return true;
                                     },
                                     {}};
            for (bool saved = false; !saved;) {
                try {
                    ChangeScoreFile(ScoreLines, change);
                    saved = true;
                } catch (const ScoreFileBusy&) {
                }
            }
        }
    } catch (const GameError& error) {
        std::printf("failed after %ld saves: %s\n", done, qPrintable(error.Message()));
        return 1;
    }
    std::printf("saved %ld\n", done);
    return 0;
}
