// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GameWindows.h"

#include "app/DiagnosticLog.h"
#include "app/MainWindow.h"
#include "engine/TextLines.h"
#include "view/AboutWindow.h"
#include "view/BestTimesWindow.h"
#include "view/BoardArea.h"
#include "view/HelpWindow.h"
#include "view/NoticeWindow.h"
#include "view/Pictures.h"
#include "view/ProgressWindow.h"

#include <memory>

GameWindows Windows;

namespace {

DiagnosticLines Log;
std::unique_ptr<ProgressLines> Progress;
DroppedLines Nowhere;

} // namespace

void CreateWindows() {
    LoadGameResources();
    Windows.Main = new MainWindow;
    Windows.Progress = new ProgressWindow(Windows.Main);
    Windows.Notice = new NoticeWindow(Windows.Main);
    Windows.BestTimes = new BestTimesWindow(Windows.Main);
    Windows.Help = new HelpWindow(Windows.Main);
    Windows.About = new AboutWindow(Windows.Main);
    Windows.Main->Progress = Windows.Progress;
    Windows.Main->Notice = Windows.Notice;
    Windows.Main->BestTimes = Windows.BestTimes;
    Windows.Main->Help = Windows.Help;
    Windows.Main->About = Windows.About;
    Windows.Main->ClientArea->Notification = Windows.Notice;
    Progress = std::make_unique<ProgressLines>(*Windows.Progress);
    DiagnosticLog = &Log;
    ProgressText = Progress.get();
}

void DestroyWindows() {
    DiagnosticLog = &Nowhere;
    ProgressText = &Nowhere;
    Progress.reset();
    // The secondary windows are children of the main window and go with it.
    delete Windows.Main;
    Windows = {};
}
