// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up check of the nine sound files, the Sound switch and playing an effect.

#include "sound/SoundEffects.h"
#include "platform/GameError.h"
#include "sound/EffectPlayer.h"
#include "tests/sound/WavFiles.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <QtTest>

#include <cerrno>
#include <cstring>

namespace {

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
        EffectPlayer player;
        const qsizetype boxesBefore = SeenMessages().size();
        QString caption, text;
        AnswerMessageBox("OK", &caption, &text);

        QVERIFY(!ProbeSoundFiles(player));

        QCOMPARE(caption, "Error");
        QCOMPARE(text, "Some sound files may be missing");
        QCOMPARE(SeenMessages().size(), boxesBefore + 1);
        // Had the check gone on, the player would name a later file: solve.wav.
        QCOMPARE(player.FileName(), Effects[missing]);
        QVERIFY(!player.IsOpen());
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
        EffectPlayer player;
        QString text;
        AnswerMessageBox("OK", nullptr, &text);

        QVERIFY(!ProbeSoundFiles(player));

        QCOMPARE(text, "Some sound files may be missing");
        QCOMPARE(player.FileName(), damaged);

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

    void probeWithAllFilesChangesNothing() {
        TempFolder folder;
        folder.CopyGameFiles();
        for (const QString& name : Effects)
            QVERIFY2(QFile::exists(name), qPrintable(name + " is not among the game's files"));
        EffectPlayer player;
        UnexpectedBoxGuard guard;

        QVERIFY(ProbeSoundFiles(player));

        QVERIFY(!guard.Seen);
        QCOMPARE(player.FileName(), "solve.wav");
        QVERIFY(player.IsOpen());
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
