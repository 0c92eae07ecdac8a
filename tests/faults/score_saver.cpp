// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saves best times into the score file in the working directory over and over, as the game's
// best-times flow does (load, find the marker, change the Easy record, save), alternating
// between two records so that every save changes the file:
//   score_saver [SAVES]
// Without SAVES it runs until it is killed. It prints "saving" once before the first save and
// "saved N" when it ends by itself; a failure prints the game's text and exits with 1.

#include "platform/GameError.h"
#include "records/ScoreFile.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const long saves = argc > 1 ? std::atol(argv[1]) : -1;
    ScoreLineList ScoreLines;
    std::printf("saving\n");
    std::fflush(stdout);
    long done = 0;
    try {
        for (; saves < 0 || done < saves; ++done) {
            const QString fileName = QString::fromLatin1(ScoreFileName);
            ScoreLines.LoadFromFile(fileName);
            const int marker = LocateMarker(ScoreLines);
            if (done % 2 == 0)
                WriteBestTime(ScoreLines, marker, 0, "Alpha", 100);
            else
                WriteBestTime(ScoreLines, marker, 0, "Beta", 200);
            ScoreLines.SaveToFile(fileName);
        }
    } catch (const GameError& error) {
        std::printf("failed after %ld saves: %s\n", done, qPrintable(error.Message()));
        return 1;
    }
    std::printf("saved %ld\n", done);
    return 0;
}
