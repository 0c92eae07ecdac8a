// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/TestWindows.h"

#include "app/MainWindow.h"
#include "view/AboutWindow.h"
#include "view/BestTimesWindow.h"
#include "view/HelpWindow.h"
#include "view/NoticeWindow.h"
#include "view/Pictures.h"
#include "view/ProgressWindow.h"

GameWindows Windows;

void CreateWindows(const std::function<MainWindow*()>& make) {
    LoadGameResources();
    MainWindow* main = make ? make() : new MainWindow;
    Windows = {main,          &main->Progress(), &main->Notice(), &main->BestTimes(),
               &main->Help(), &main->About()};
}

void DestroyWindows() {
    // The secondary windows are children of the main window and go with it.
    delete Windows.Main;
    Windows = {};
}

Game& TheGame() {
    return Windows.Main->CurrentGame;
}
