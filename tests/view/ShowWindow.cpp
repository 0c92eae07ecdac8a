// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shows secondary windows over a stand-in main window, as the game would, to look at them on a
// real screen (not a test), one after the other:
//   view_show_window progress|notification|best-times|how-to-play|rules|about ...
// In the language that LANGUAGE and LANG ask for, as the game. "progress" appends the generator's
// lines for a few seconds while holding the event loop.

#include "engine/TextLines.h"
#include "platform/Fonts.h"
#include "platform/Translations.h"
#include "view/AboutWindow.h"
#include "view/BestTimesWindow.h"
#include "view/HelpWindow.h"
#include "view/NoticeWindow.h"
#include "view/ProgressWindow.h"

#include <QApplication>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setApplicationName("Tolvane");
    InstallFontSubstitutes();
    InstallTranslations(application);
    QStringList windows = application.arguments().mid(1);
    if (windows.isEmpty())
        windows << QString();

    QMainWindow main;
    main.setWindowTitle("Tolvane");
    main.resize(400, 470);
    main.move(150, 100);
    main.show();

    ProgressWindow progress(&main);
    NoticeWindow notification(&main);
    BestTimesWindow bestTimes(&main);
    HelpWindow help(&main);
    AboutWindow about(&main);
    ProgressLines progressLines(progress);

    QTimer::singleShot(500, [&] {
        for (const QString& which : windows) {
            if (which == "progress") {
                main.setEnabled(false);
                progress.Show();
                bool please = true;
                for (int attempt = 1; attempt <= 12; ++attempt) {
                    // Busy like the generator: no event is handled in here.
                    std::this_thread::sleep_for(std::chrono::milliseconds(400));
                    progressLines.Append(please ? "PLEASE" : "WAIT");
                    progressLines.Append("Attempt " + std::to_string(attempt));
                    progressLines.Append("Blocks tested: " + std::to_string(attempt * 83117));
                    please = !please;
                }
                progress.Hide();
                main.setEnabled(true);
            } else if (which == "notification") {
                notification.ShowModal();
            } else if (which == "best-times") {
                bestTimes.PlayerNames->setPlainText("Anonymous\n\nMarieke\n\nJohannes Vermeer");
                bestTimes.Times->setPlainText(" 0:4:12\n\n 0:9:57\n\n 24:0:0");
                bestTimes.ShowModal();
            } else if (which == "how-to-play") {
                ShowHowToPlay(help);
            } else if (which == "rules") {
                ShowRules(help);
            } else if (which == "about") {
                about.ShowModal();
            } else {
                std::fprintf(stderr,
                             "usage: view_show_window "
                             "progress|notification|best-times|how-to-play|rules|about ...\n");
            }
        }
        application.quit();
    });
    return application.exec();
}
