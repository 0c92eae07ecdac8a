// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up check of the nine sound files, the Sound switch and playing an effect.

#include "sound/SoundEffects.h"
#include "control/SoundCommand.h"
#include "engine/GameState.h"
#include "platform/GameError.h"
#include "sound/EffectPlayer.h"
#include "tests/sound/WavFiles.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TempFolder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <QtTest>

#include <cerrno>
#include <cstring>

namespace {

const QStringList Effects = {"pop.wav",  "erase.wav", "notify.wav", "clap.wav", "not.wav",
                             "best.wav", "pause.wav", "ready.wav",  "solve.wav"};

// The menu item as the main window makes it: checkable, and checked and enabled at first.
struct SoundItem {
    QAction Action{"Sound"};
    SoundItem(bool checked) {
        Action.setCheckable(true);
        Action.setChecked(checked);
        Action.setEnabled(true);
    }
};

// Closes any modal box that shows up while it lives, noting that it came.
class UnexpectedBoxGuard {
  public:
    UnexpectedBoxGuard() {
        QObject::connect(&Timer, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                Seen = true;
                modal->close();
            }
        });
        Timer.start(20);
    }
    bool Seen = false;

  private:
    QTimer Timer;
};

} // namespace

class SoundEffectsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // The tests must not reach a real sound server, nor start one.
        qputenv("PULSE_SERVER", QFile::encodeName(QDir::tempPath() + "/no-sound-server-here"));
    }

    void probeStopsAtTheFirstMissingFile_data() {
        QTest::addColumn<int>("missing");
        for (int i = 0; i < Effects.size(); ++i)
            QTest::newRow(qPrintable(Effects[i])) << i;
    }
    void probeStopsAtTheFirstMissingFile() {
        QFETCH(int, missing);
        TempFolder folder;
        folder.CopyGameFiles();
        QVERIFY(QFile::remove(Effects[missing]));
        GameState.SoundOn = true;
        SoundItem item(true);
        EffectPlayer player;
        const qsizetype boxesBefore = SeenMessages().size();
        QString caption, text;
        AnswerMessageBox("OK", &caption, &text);

        ProbeSoundFiles(player, item.Action);

        QCOMPARE(caption, "Error");
        QCOMPARE(text, "Some sound files may be missing");
        QCOMPARE(SeenMessages().size(), boxesBefore + 1);
        // Had the check gone on, the player would name a later file: solve.wav.
        QCOMPARE(player.FileName(), Effects[missing]);
        QVERIFY(!player.IsOpen());
        QVERIFY(!GameState.SoundOn);
        QVERIFY(!item.Action.isChecked());
        QVERIFY(!item.Action.isEnabled());
    }

    void probeFailsOnADamagedFile_data() {
        QTest::addColumn<QString>("damaged");
        QTest::addColumn<QByteArray>("content");
        QByteArray noise(2000, '\0');
        quint32 state = 99;
        for (char& c : noise) {
            state = state * 1664525u + 1013904223u;
            c = static_cast<char>(state >> 24);
        }
        QTest::newRow("pop.wav, random bytes") << "pop.wav" << noise;
        QTest::newRow("clap.wav, cut header") << "clap.wav" << WavHeader(20000).left(24);
        QTest::newRow("ready.wav, empty") << "ready.wav" << QByteArray();
    }
    void probeFailsOnADamagedFile() {
        QFETCH(QString, damaged);
        QFETCH(QByteArray, content);
        TempFolder folder;
        folder.CopyGameFiles();
        folder.Write(damaged, content);
        // Sound was off in the score file: the check runs all the same.
        GameState.SoundOn = false;
        SoundItem item(false);
        EffectPlayer player;
        QString text;
        AnswerMessageBox("OK", nullptr, &text);

        ProbeSoundFiles(player, item.Action);

        QCOMPARE(text, "Some sound files may be missing");
        QCOMPARE(player.FileName(), damaged);
        QVERIFY(!GameState.SoundOn);
        QVERIFY(!item.Action.isChecked());
        QVERIFY(!item.Action.isEnabled());

        // Played later, the same file fails with the reader's own words.
        const QString expected = ReaderErrorFor(damaged);
        QVERIFY(!expected.isEmpty());
        try {
            PlayEffect(player, damaged);
            QFAIL("a damaged file played");
        } catch (const GameError& error) {
            QCOMPARE(error.Message(), expected);
        }
    }

    void probeWithAllFilesChangesNothing_data() {
        QTest::addColumn<bool>("soundOn");
        QTest::newRow("sound on") << true;
        QTest::newRow("sound off") << false;
    }
    void probeWithAllFilesChangesNothing() {
        QFETCH(bool, soundOn);
        TempFolder folder;
        folder.CopyGameFiles();
        for (const QString& name : Effects)
            QVERIFY2(QFile::exists(name), qPrintable(name + " is not among the game's files"));
        GameState.SoundOn = soundOn;
        SoundItem item(soundOn);
        EffectPlayer player;
        UnexpectedBoxGuard guard;

        ProbeSoundFiles(player, item.Action);

        QVERIFY(!guard.Seen);
        QCOMPARE(GameState.SoundOn, soundOn);
        QCOMPARE(item.Action.isChecked(), soundOn);
        QVERIFY(item.Action.isEnabled());
        QCOMPARE(player.FileName(), "solve.wav");
        QVERIFY(player.IsOpen());
    }

    void sound1ClickTogglesMarkAndSetting_data() {
        QTest::addColumn<bool>("startOn");
        QTest::newRow("from on") << true;
        QTest::newRow("from off") << false;
    }
    void sound1ClickTogglesMarkAndSetting() {
        QFETCH(bool, startOn);
        TempFolder folder;
        folder.CopyGameFiles();
        const QStringList filesBefore = QDir(folder.Path()).entryList(QDir::Files, QDir::Name);
        const QByteArray scoresBefore = folder.Read("highscores.txc");
        GameState.SoundOn = startOn;
        SoundItem item(startOn);

        ToggleSound(item.Action);
        QCOMPARE(item.Action.isChecked(), !startOn);
        QCOMPARE(GameState.SoundOn, !startOn);
        ToggleSound(item.Action);
        QCOMPARE(item.Action.isChecked(), startOn);
        QCOMPARE(GameState.SoundOn, startOn);
        QVERIFY(item.Action.isEnabled());

        // The setting is saved when the game closes, not now.
        QCOMPARE(QDir(folder.Path()).entryList(QDir::Files, QDir::Name), filesBefore);
        QCOMPARE(folder.Read("highscores.txc"), scoresBefore);
    }

    void sound1ClickFollowsTheMarkNotTheSetting() {
        // After an unreadable score file, sound is off while the item is still checked: the
        // first click unchecks it.
        GameState.SoundOn = false;
        SoundItem item(true);
        ToggleSound(item.Action);
        QVERIFY(!item.Action.isChecked());
        QVERIFY(!GameState.SoundOn);
    }

    void playEffectOfAMissingFileThrowsTheReadersText() {
        TempFolder folder;
        folder.CopyGameFiles();
        EffectPlayer player;
        PlayEffect(player, "solve.wav");
        QVERIFY(QFile::remove("pop.wav"));
        try {
            PlayEffect(player, "pop.wav");
            QFAIL("a missing file played");
        } catch (const GameError& error) {
            QCOMPARE(error.Message(), ReaderErrorFor("pop.wav"));
            QVERIFY(error.Message().contains(QString::fromLocal8Bit(std::strerror(ENOENT))));
        }
        QCOMPARE(player.FileName(), "pop.wav");
        QVERIFY(!player.IsOpen()); // solve.wav was closed first
    }

    void playEffectReplacesTheOpenFileAndReturnsAtOnce() {
        TempFolder folder;
        folder.CopyGameFiles();
        EffectPlayer player;
        QElapsedTimer clock;
        clock.start();
        for (const QString& name : Effects) {
            PlayEffect(player, name);
            QCOMPARE(player.FileName(), name);
            QVERIFY(player.IsOpen());
        }
        // No server here, so nothing sounds; and nothing waits for a sound either.
        QVERIFY(!player.PlayError().isEmpty());
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString("took %1 ms").arg(clock.elapsed())));
    }
};

QTEST_MAIN(SoundEffectsTest)
#include "SoundEffectsTest.moc"
