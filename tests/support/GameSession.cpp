// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/GameSession.h"

#include "app/MainWindow.h"
#include "platform/Desktop.h"
#include "platform/Fonts.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestWindows.h"

#include <QApplication>
#include <QTest>

GameSession::GameSession(Files files, bool start) {
    if (files == Files::Supplied)
        Folder.CopyGameFiles();
    if (start)
        Start();
}

GameSession::~GameSession() {
    // The session ends with its test: no answer queued in it may outlive it.
    FinishAnswers();
    if (Started)
        DestroyWindows();
}

void GameSession::Start(const std::function<MainWindow*()>& make) {
    CreateWindows(make);
    Started = true;
}

void GameSession::ShowMainWindow() {
    Windows.Main->show();
    if (!QTest::qWaitForWindowExposed(Windows.Main))
        qFatal("The main window did not come up");
}

void PrepareApplication() {
    QApplication::setApplicationName("Tolvane");
    PresentToDesktop(QStringLiteral(TOLVANE_APP_ID));
    InstallFontSubstitutes();
}
