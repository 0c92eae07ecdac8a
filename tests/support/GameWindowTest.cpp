// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/GameWindowTest.h"

#include "tests/support/ModalHelper.h"

void GameWindowTest::initTestCase() {
    PrepareApplication();
}

void GameWindowTest::init() {
    SeenMessages().clear();
    Session = std::make_unique<GameSession>();
    Session->ShowMainWindow();
}

void GameWindowTest::cleanup() {
    Session.reset();
}
