// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Tolvane: a 9 x 9 number-placement puzzle. The entry point creates the windows and runs the
// event loop until the main window closes. The game reads its score file and sounds from the
// working directory.

#include "app/MainWindow.h"
#include "platform/Desktop.h"
#include "platform/Fonts.h"
#include "platform/Translations.h"
#include "sound/EffectPlayer.h"
#include "view/Pictures.h"

#include <QApplication>
#include <QTimer>

namespace {

// Long enough for the main window to be on the screen first; far shorter than a player's first
// click on the board.
constexpr int AudioServiceStartMs = 300;

} // namespace

int main(int argc, char** argv) {
    PreferX11(argc, argv);
    EffectPlayer::QuietenMediaLibrary();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tolvane");
    InstallTranslations(application);
    // The id names the installed desktop entry and the icon; the build defines it.
    PresentToDesktop(QStringLiteral(TOLVANE_APP_ID));
    InstallFontSubstitutes();
    LoadGameResources();
    MainWindow window;
    window.show();
    QTimer::singleShot(AudioServiceStartMs, &window.Player, &EffectPlayer::StartAudioService);
    const int result = QApplication::exec();
    window.Player.Shutdown();
    return result;
}
