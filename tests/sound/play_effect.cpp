// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Plays sound effects through the game's media player, for the playback test:
//   play_effect [--gap MS] [--tail MS] FILE...
// Each file is played MS milliseconds after the one before (default 100), all from one player,
// as the game does, and says when. As in the game, the audio service is started first. After the
// last, the program keeps running for the tail (default 1200 ms) so that the sound can end, then
// exits. It prints one line per effect with the time that opening and starting took and the
// player's reason if the sound could not start. Exit status: 0, or 2 when a file could not be
// opened (its error text is printed), or 64 for bad arguments.

#include "platform/GameError.h"
#include "sound/EffectPlayer.h"
#include "sound/SoundEffects.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>

#include <cstdio>

namespace {

void Say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// Plays one effect as the game does and tells how it went; false when the file did not open.
bool PlayAndTell(EffectPlayer& player, const QString& file, qint64 atMs) {
    QElapsedTimer clock;
    clock.start();
    try {
        PlayEffect(player, file);
    } catch (const GameError& error) {
        Say("cannot open " + file + ": " + error.Message());
        return false;
    }
    const QString why = player.PlayError();
    Say(QString("played %1 at %2 ms in %3 ms%4")
            .arg(file)
            .arg(atMs)
            .arg(clock.nsecsElapsed() / 1e6, 0, 'f', 1)
            .arg(why.isEmpty() ? QString() : "; silent: " + why));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    EffectPlayer::QuietenMediaLibrary();
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    int gapMs = 100;
    int tailMs = 1200;
    while (arguments.size() >= 2 && arguments[0].startsWith("--")) {
        bool ok = false;
        const int value = arguments[1].toInt(&ok);
        if (!ok || value < 0)
            break;
        if (arguments[0] == "--gap")
            gapMs = value;
        else if (arguments[0] == "--tail")
            tailMs = value;
        else
            break;
        arguments = arguments.mid(2);
    }
    if (arguments.isEmpty() || arguments[0].startsWith("--")) {
        std::fprintf(stderr, "usage: play_effect [--gap MS] [--tail MS] FILE...\n");
        return 64;
    }

    EffectPlayer player;
    QElapsedTimer warming;
    warming.start();
    player.StartAudioService();
    Say(QString("audio service started in %1 ms").arg(warming.nsecsElapsed() / 1e6, 0, 'f', 1));
    QElapsedTimer sinceStart;
    sinceStart.start();
    // Precise timers: coarse ones may fire 5 % late, which over a few seconds joins two effects.
    for (int i = 0; i < arguments.size(); ++i) {
        const QString file = arguments[i];
        QTimer::singleShot(i * gapMs, Qt::PreciseTimer, &app, [&, file] {
            if (!PlayAndTell(player, file, sinceStart.elapsed()))
                app.exit(2);
        });
    }
    QTimer::singleShot((arguments.size() - 1) * gapMs + tailMs, Qt::PreciseTimer, &app,
                       [&app] { app.exit(0); });
    const int result = app.exec();
    player.Shutdown();
    return result;
}
