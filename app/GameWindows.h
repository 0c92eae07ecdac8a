// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The six windows of the game, made once at start-up in this order and kept for the whole run.

class MainWindow;
class ProgressWindow;
class NoticeWindow;
class BestTimesWindow;
class HelpWindow;
class AboutWindow;

struct GameWindows {
    MainWindow* Main = nullptr;
    ProgressWindow* Progress = nullptr;
    NoticeWindow* Notice = nullptr;
    BestTimesWindow* BestTimes = nullptr;
    HelpWindow* Help = nullptr;
    AboutWindow* About = nullptr;
};

extern GameWindows Windows;

// Creates the windows in their order (the main window's start-up runs inside the first) and
// points the generator's two text outputs at their text boxes.
void CreateWindows();

// Destroys them again; the program's end does this, and so does each test.
void DestroyWindows();
