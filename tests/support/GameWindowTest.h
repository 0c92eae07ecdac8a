// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of the tests that play through the main window: a fresh game session with the main
// window on screen before every test function, and nothing left of it afterwards.

#include "tests/support/GameSession.h"

#include <QObject>

#include <memory>

class GameWindowTest : public QObject {
    Q_OBJECT
  protected:
    std::unique_ptr<GameSession> Session;

  private slots:
    void initTestCase();
    void init();
    void cleanup();
};
