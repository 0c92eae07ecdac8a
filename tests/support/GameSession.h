// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One run of the game inside a test: a fresh working folder with the game's files, the
// main window made as at start-up with its secondary windows, and everything destroyed again at the
// end.

#include "tests/support/TempFolder.h"

#include <QPoint>

#include <functional>

class MainWindow;

class GameSession {
  public:
    enum class Files { Supplied, None };
    // With Files::None the folder starts empty; call Start() after preparing it.
    explicit GameSession(Files files = Files::Supplied, bool start = true);
    ~GameSession();

    // Makes the windows; `make`, when given, makes a test's own kind of main window.
    void Start(const std::function<MainWindow*()>& make = {});
    // Shows the main window as the event loop would at start-up, and waits until it is on screen.
    void ShowMainWindow();
    TempFolder Folder;

  private:
    bool Started = false;
};

// Sets up the application as the game's entry point does; call once from initTestCase.
void PrepareApplication();
