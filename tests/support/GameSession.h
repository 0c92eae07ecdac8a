// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One run of the game inside a test: a fresh working folder with the game's files, the six
// windows created as at start-up, and everything destroyed again at the end.

#include "tests/support/TempFolder.h"

#include <QPoint>

class GameSession {
  public:
    enum class Files { Supplied, None };
    // With Files::None the folder starts empty; call Start() after preparing it.
    explicit GameSession(Files files = Files::Supplied, bool start = true);
    ~GameSession();

    void Start();
    // Shows the main window as the event loop would at start-up, and waits until it is on screen.
    void ShowMainWindow();
    TempFolder Folder;

  private:
    bool Started = false;
};

// Sets up the application as the game's entry point does; call once from initTestCase.
void PrepareApplication();
