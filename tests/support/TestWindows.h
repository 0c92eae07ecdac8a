// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's windows as the tests reach them: the main window, made as the program makes it, and
// its secondary windows, asked for at once so that a test can look at any of them.

#include <functional>

struct Game;
class AboutWindow;
class BestTimesWindow;
class HelpWindow;
class MainWindow;
class NoticeWindow;
class ProgressWindow;

struct GameWindows {
    MainWindow* Main = nullptr;
    ProgressWindow* Progress = nullptr;
    NoticeWindow* Notice = nullptr;
    BestTimesWindow* BestTimes = nullptr;
    HelpWindow* Help = nullptr;
    AboutWindow* About = nullptr;
};

extern GameWindows Windows;

// Makes the main window (by `make`, when given: a test's own kind of it) and its secondary
// windows; DestroyWindows closes them all again.
void CreateWindows(const std::function<MainWindow*()>& make = {});
void DestroyWindows();

// The game the main window plays.
Game& TheGame();
