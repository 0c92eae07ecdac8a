#include "tests/support/GameSession.h"

#include "app/Forms.h"
#include "engine/GameState.h"
#include "platform/Fonts.h"

#include <QApplication>

GameSession::GameSession(Files files, bool start) {
    ResetGameData();
    if (files == Files::Supplied)
        Folder.CopyGameFiles();
    if (start)
        Start();
}

GameSession::~GameSession() {
    if (Started)
        DestroyForms();
}

void GameSession::Start() {
    CreateForms();
    Started = true;
}

void PrepareApplication() {
    QApplication::setApplicationName("Tolvane");
    InstallFontSubstitutes();
}
