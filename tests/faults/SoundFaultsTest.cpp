// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Faults on the sound files while the game plays, through PlayEffect as the game calls it: a
// file that claims a gigabyte of samples, a file removed or replaced between two effects or cut
// short under an open one, a stream that does not tell its length. Each gives at most the
// reader's error in the game's error box, and nothing worse.

#include "platform/GameError.h"
#include "platform/MessageBoxes.h"
#include "sound/EffectPlayer.h"
#include "sound/SampleStream.h"
#include "sound/SoundEffects.h"
#include "tests/sound/WavFiles.h"
#include "tests/support/GameSession.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

#include <sndfile.h>

#include <cstring>
#include <vector>

namespace {

std::vector<short> Tone(int count) {
    std::vector<short> samples(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        samples[static_cast<size_t>(i)] = static_cast<short>((i * 613) % 20000 - 10000);
    return samples;
}

// Reads what a sink would pull, in pieces of `chunk` bytes, up to `most` bytes.
QByteArray Drain(SampleStream& stream, qint64 chunk, qint64 most) {
    QByteArray bytes;
    while (bytes.size() < most) {
        const QByteArray piece = stream.read(chunk);
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    return bytes;
}

} // namespace

class SoundFaultsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // The player must find no sound server here, whatever the environment has.
        qputenv("PULSE_SERVER", "unix:/nonexistent");
        PrepareApplication();
    }

    // "pop.wav" claims a gigabyte of samples and has them all (a sparse file). Clicking away
    // with it costs neither the gigabyte nor the time to read it, and the next effect follows.
    void hugeEffect() {
        TempFolder folder;
        folder.CopyGameFiles();
        const quint32 claimed = 1u << 30;
        WriteClaimingWav("pop.wav", claimed, 4096, true);
        QCOMPARE(QFileInfo("pop.wav").size(), 44 + qint64(claimed));
        EffectPlayer player;
        // What the effect costs, not the media library's back end, which the first play of a
        // session loads on some Qt versions.
        PlayEffect(player, "solve.wav");
        const qint64 before = ResidentBytes();
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 10; ++i) {
            PlayEffect(player, "pop.wav");
            QVERIFY(player.IsOpen());
            QCoreApplication::processEvents();
        }
        PlayEffect(player, "solve.wav");
        QCOMPARE(player.FileName(), QString("solve.wav"));
        const qint64 elapsed = clock.elapsed();
        const qint64 grown = ResidentBytes() - before;
        qInfo("ten plays of a 1 GiB effect and the next effect: %lld ms, %lld KiB more memory",
              elapsed, grown / 1024);
        QVERIFY2(elapsed < 2000, qPrintable(QString("took %1 ms").arg(elapsed)));
        QVERIFY2(grown < 16 * 1024 * 1024, qPrintable(QString("grew by %1 bytes").arg(grown)));

        // A sink asking for far more than a period at once still gets one bounded piece.
        SampleStream stream("pop.wav");
        QCOMPARE(stream.size(), qint64(claimed));
        std::vector<char> buffer(64 * 1024 * 1024);
        const qint64 got = stream.read(buffer.data(), static_cast<qint64>(buffer.size()));
        QVERIFY(got > 0 && got <= 16384 * 2);
        // A few seconds of pulling as a sink does: small pieces, memory flat.
        const qint64 during = ResidentBytes();
        QCOMPARE(Drain(stream, 8820, 44100 * 2 * 5).size(), 44100 * 2 * 5);
        QVERIFY(ResidentBytes() - during < 16 * 1024 * 1024);
    }

    // Between two effects the file goes away or turns into something else: the second effect
    // fails with the reader's own text in the game's error box, the rest of the command is
    // skipped, nothing stays open, and the next effect plays as usual.
    void effectChangedBetweenTwoPlays_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("removed") << "removed";
        QTest::newRow("replaced by garbage") << "garbage";
        QTest::newRow("emptied") << "empty";
        QTest::newRow("cut inside its header") << "cut";
        QTest::newRow("replaced by a folder") << "folder";
        QTest::newRow("replaced by a dangling link") << "dangling link";
    }
    void effectChangedBetweenTwoPlays() {
        QFETCH(QString, change);
        TempFolder folder;
        folder.CopyGameFiles();
        EffectPlayer player;
        PlayEffect(player, "pop.wav");
        QVERIFY(player.IsOpen());

        const QByteArray original = folder.Read("pop.wav");
        QVERIFY(QFile::remove("pop.wav"));
        if (change == "garbage") {
            QByteArray garbage(4096, '\0');
            QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(garbage.data()),
                                          garbage.size() / 4);
            folder.Write("pop.wav", garbage);
        } else if (change == "empty") {
            folder.Write("pop.wav", {});
        } else if (change == "cut") {
            folder.Write("pop.wav", original.left(20));
        } else if (change == "folder") {
            QVERIFY(QDir().mkdir("pop.wav"));
        } else if (change == "dangling link") {
            QVERIFY(QFile::link("gone.wav", "pop.wav"));
        }
        const QString readerText =
            change == "folder" ? "pop.wav is not a regular file." : ReaderErrorFor("pop.wav");
        QVERIFY(!readerText.isEmpty());

        QString caption, text;
        bool afterEffect = false;
        AnswerInOrder({Press("OK", &caption, &text)});
        RunHandler([&] {
            PlayEffect(player, "pop.wav");
            afterEffect = true;
        });
        QCOMPARE(caption, QString("Tolvane"));
        QCOMPARE(text, ErrorBoxText(readerText));
        QVERIFY(!afterEffect);
        QVERIFY(!player.IsOpen());
        QCOMPARE(player.FileName(), QString("pop.wav"));

        PlayEffect(player, "solve.wav");
        QVERIFY(player.IsOpen());
    }

    // The file is cut short while an effect has it open, as the sink reads on: the samples just
    // end. The next effect of it then fails with the reader's text.
    void effectCutShortWhileOpen() {
        TempFolder folder;
        WriteSamples("pop.wav", Tone(44100), 1, 44100, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        EffectPlayer player;
        PlayEffect(player, "pop.wav");
        SampleStream stream("pop.wav");
        QCOMPARE(Drain(stream, 4410, 4410).size(), 4410);
        QVERIFY(QFile::resize("pop.wav", 0));
        const QByteArray rest = Drain(stream, 4410, 44100 * 2);
        QCOMPARE(rest.size() % 2, 0);
        QVERIFY(rest.size() < 44100 * 2);
        QVERIFY(stream.atEnd());
        QCOMPARE(stream.read(4410).size(), 0);

        QString text;
        AnswerInOrder({Press("OK", nullptr, &text)});
        RunHandler([&] { PlayEffect(player, "pop.wav"); });
        QCOMPARE(text, ErrorBoxText(ReaderErrorFor("pop.wav")));
        QVERIFY(!player.IsOpen());
    }

    // A FLAC stream may leave its sample count unknown; the reader then claims the largest
    // count there is. The effect plays all the same: a size that is whole frames, a seek to its
    // beginning, every sample, and then the end.
    void effectOfUnknownLength() {
        TempFolder folder;
        const std::vector<short> samples = Tone(4000);
        WriteSamples("pop.wav", samples, 1, 8000, SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
        // STREAMINFO comes first; its last 36 bits before the MD5 sum are the sample count.
        QByteArray flac = folder.Read("pop.wav");
        QVERIFY(flac.startsWith("fLaC"));
        flac[21] = static_cast<char>(flac[21] & 0xf0);
        for (int i = 22; i < 26; ++i)
            flac[i] = 0;
        QFile::remove("pop.wav");
        folder.Write("pop.wav", flac);
        SF_INFO info{};
        SNDFILE* file = sf_open("pop.wav", SFM_READ, &info);
        QVERIFY(file);
        sf_close(file);
        QCOMPARE(info.frames, SF_COUNT_MAX); // the reader does not know the length

        EffectPlayer player;
        PlayEffect(player, "pop.wav");
        QVERIFY(player.IsOpen());
        SampleStream stream("pop.wav");
        QVERIFY(stream.size() > 0);
        QCOMPARE(stream.size() % 2, 0);
        QVERIFY(stream.seek(0));
        const QByteArray bytes = Drain(stream, 4096, 1 << 20);
        QCOMPARE(bytes.size(), qsizetype(samples.size() * 2));
        QCOMPARE(std::memcmp(bytes.constData(), samples.data(), bytes.size()), 0);
        QVERIFY(stream.atEnd());
        QVERIFY(stream.seek(0));
        QCOMPARE(Drain(stream, 4096, 4096), bytes.left(4096));
    }
};

QTEST_MAIN(SoundFaultsTest)
#include "SoundFaultsTest.moc"
