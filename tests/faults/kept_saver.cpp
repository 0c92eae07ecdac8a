// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a best time of 10 s for Easy and the sound setting "off" into the score file in the
// working directory through the game's own saves, as the best-times flow and the close do, and
// then runs until it is killed. Run while another holds the score file's lock, the changes are
// kept: it prints "kept" once they are, and the kill test then kills it.
//   kept_saver

#include "control/ScoreSaves.h"
#include "records/ScoreFile.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QWidget window;
    ScoreFileStore lines;
    ScoreSaves saves(lines, window);
    // The player reads the notice and closes it.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            box->accept();
    });
    answer.start(50);
    QTimer::singleShot(0, [&saves] {
        saves.Save(BestTimeChange(0, "Kept", 10));
        saves.Save(SoundSettingChange(false));
        std::printf(saves.Waiting() ? "kept\n" : "saved\n");
        std::fflush(stdout);
    });
    return QApplication::exec();
}
