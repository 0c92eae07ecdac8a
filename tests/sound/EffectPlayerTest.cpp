// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The media player and the sample stream under it: what opens, what fails with which text, what
// the sink is fed, and that a long or damaged file costs neither time nor memory.

#include "sound/EffectPlayer.h"
#include "platform/GameError.h"
#include "sound/SampleStream.h"
#include "tests/sound/WavFiles.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

#include <sndfile.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

// A recognisable signal: every sample differs from its neighbours.
std::vector<short> Pattern(int count, int step = 37) {
    std::vector<short> samples(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        samples[static_cast<size_t>(i)] = static_cast<short>((i * step) % 65536 - 32768);
    return samples;
}

// Reads the whole stream in pieces of `chunk` bytes, as a sink would.
std::vector<short> Drain(SampleStream& stream, qint64 chunk) {
    QByteArray bytes;
    for (int guard = 0; guard < 1000000 && !stream.atEnd(); ++guard) {
        const QByteArray piece = stream.read(chunk);
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    std::vector<short> samples(static_cast<size_t>(bytes.size()) / sizeof(short));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(short));
    return samples;
}

QString OpenError(EffectPlayer& player, const QString& name) {
    try {
        player.Open(name);
    } catch (const GameError& error) {
        return error.Message();
    }
    return {};
}

} // namespace

class MediaPlayerTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // No test here may reach a real sound server or start one: the player is to find none.
        qputenv("PULSE_SERVER", QFile::encodeName(QDir::tempPath() + "/no-sound-server-here"));
    }

    // --- the sample stream ---

    void streamDeliversTheSamplesInAnyPieces_data() {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("chunk");
        QTest::newRow("mono, whole periods") << 1 << 44100 << 1764;
        QTest::newRow("mono, odd pieces") << 1 << 44100 << 1001;
        QTest::newRow("stereo, odd pieces") << 2 << 22050 << 999;
        QTest::newRow("stereo, one frame") << 2 << 8000 << 4;
        QTest::newRow("mono, huge pieces") << 1 << 44100 << 1000000;
    }
    void streamDeliversTheSamplesInAnyPieces() {
        QFETCH(int, channels);
        QFETCH(int, rate);
        QFETCH(int, chunk);
        TempFolder folder;
        const std::vector<short> samples = Pattern(channels * 30001);
        WriteSamples("a.wav", samples, channels, rate, SF_FORMAT_WAV | SF_FORMAT_PCM_16);

        SampleStream stream("a.wav");
        QCOMPARE(stream.SampleRate(), rate);
        QCOMPARE(stream.Channels(), channels);
        QCOMPARE(stream.Frames(), 30001);
        QCOMPARE(stream.size(), qint64(samples.size() * sizeof(short)));
        QVERIFY(!stream.atEnd());

        QVERIFY(Drain(stream, chunk) == samples);
        QVERIFY(stream.atEnd());
        QCOMPARE(stream.read(chunk).size(), 0);
    }

    void streamDeliversWholeFramesOnly() {
        TempFolder folder;
        WriteSamples("s.wav", Pattern(200), 2, 44100, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        SampleStream stream("s.wav");
        QCOMPARE(stream.read(7).size(), 4);
        QCOMPARE(stream.read(3).size(), 0); // less than a frame: nothing, and no samples lost
        QCOMPARE(stream.pos(), 4);
        QVERIFY(!stream.atEnd());
    }

    void streamConvertsOtherEncodingsToSixteenBits_data() {
        QTest::addColumn<int>("format");
        QTest::newRow("8-bit unsigned") << (SF_FORMAT_WAV | SF_FORMAT_PCM_U8);
        QTest::newRow("24-bit") << (SF_FORMAT_WAV | SF_FORMAT_PCM_24);
        QTest::newRow("float") << (SF_FORMAT_WAV | SF_FORMAT_FLOAT);
        QTest::newRow("mu-law") << (SF_FORMAT_WAV | SF_FORMAT_ULAW);
    }
    void streamConvertsOtherEncodingsToSixteenBits() {
        QFETCH(int, format);
        TempFolder folder;
        const std::vector<short> original = Pattern(5000, 1009);
        WriteSamples("e.wav", original, 1, 44100, format);
        const std::vector<short> reference = ReadSamples("e.wav");

        SampleStream stream("e.wav");
        const std::vector<short> streamed = Drain(stream, 1000);
        QVERIFY(streamed == reference);
        // The encodings lose precision, not the signal: the loudest samples stay loud.
        QVERIFY(*std::max_element(streamed.begin(), streamed.end()) > 30000);
    }

    void streamStartsOverAfterSeekingToTheBeginning() {
        TempFolder folder;
        const std::vector<short> samples = Pattern(10000);
        WriteSamples("r.wav", samples, 1, 44100, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        SampleStream stream("r.wav");
        QCOMPARE(stream.read(5000).size(), 5000);
        QVERIFY(stream.seek(0));
        QVERIFY(Drain(stream, 4096) == samples);
        QVERIFY(stream.atEnd());
        QVERIFY(stream.seek(0)); // after the end, too
        QVERIFY(!stream.atEnd());
        QVERIFY(Drain(stream, 333) == samples);
    }

    void streamRefusesSeeksOffTheFrames() {
        TempFolder folder;
        const std::vector<short> all = Pattern(2000); // 1000 frames of 4 bytes
        WriteSamples("r.wav", all, 2, 44100, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        SampleStream stream("r.wav");
        QVERIFY(!stream.seek(2));    // inside a frame
        QVERIFY(!stream.seek(-4));   // before the start
        QVERIFY(!stream.seek(4004)); // past the end
        QVERIFY(stream.seek(400));
        QCOMPARE(stream.pos(), 400);
        const std::vector<short> rest = Drain(stream, 64);
        QVERIFY(rest == std::vector<short>(all.begin() + 200, all.end()));
    }

    void streamEndsWhereATruncatedFileEnds() {
        // The header promises a megabyte; a thousand bytes are there.
        TempFolder folder;
        WriteClaimingWav("t.wav", 1000000, 1000, false);
        SampleStream stream("t.wav");
        const std::vector<short> got = Drain(stream, 1764);
        QVERIFY(stream.atEnd());
        QVERIFY(got.size() <= 500);
        QVERIFY(std::all_of(got.begin(), got.end(), [](short s) { return s == 0; }));
    }

    void streamOfAMissingFileThrowsTheReadersText() {
        TempFolder folder;
        try {
            SampleStream stream("absent.wav");
            QFAIL("a missing file opened");
        } catch (const GameError& error) {
            QCOMPARE(error.Message(), ReaderErrorFor("absent.wav"));
            QVERIFY(error.Message().contains(QString::fromLocal8Bit(std::strerror(ENOENT))));
        }
    }

    // --- the player ---

    void openKeepsOneFileOpen() {
        TempFolder folder;
        WriteSamples("a.wav", Pattern(1000), 1, 44100, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        WriteSamples("b.wav", Pattern(2000), 1, 22050, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        EffectPlayer player;
        QVERIFY(!player.IsOpen());
        QCOMPARE(player.FileName(), QString());

        player.Open("a.wav");
        QVERIFY(player.IsOpen());
        QCOMPARE(player.FileName(), "a.wav");
        player.Open("b.wav");
        QVERIFY(player.IsOpen());
        QCOMPARE(player.FileName(), "b.wav");

        // Nothing holds on to the file once it is closed: it can go, and come back changed.
        player.Close();
        QVERIFY(!player.IsOpen());
        QCOMPARE(player.FileName(), "b.wav");
        QVERIFY(QFile::remove("b.wav"));
        player.Open("a.wav");
        QVERIFY(player.IsOpen());
    }

    void failedOpenLeavesNothingOpen() {
        TempFolder folder;
        WriteSamples("a.wav", Pattern(1000), 1, 44100, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        EffectPlayer player;
        player.Open("a.wav");
        QVERIFY(!OpenError(player, "gone.wav").isEmpty());
        QVERIFY(!player.IsOpen());
        QCOMPARE(player.FileName(), "gone.wav"); // the file it tried
        player.Play();                           // nothing to play: silent, no failure
        QVERIFY(!player.PlayError().isEmpty());
    }

    void openFailuresCarryTheReadersText_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QByteArray noise(3000, '\0');
        quint32 state = 12345;
        for (char& c : noise) {
            state = state * 1103515245u + 12345u;
            c = static_cast<char>(state >> 24);
        }
        const QByteArray header = WavHeader(8820);
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("random bytes") << noise << true;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("text") << QByteArray("not a sound\r\n") << true;
        QTest::newRow("header cut after RIFF") << header.left(12) << true;
        QTest::newRow("header cut inside fmt") << header.left(20) << true;
        QTest::newRow("header cut before data") << header.left(36) << true;
        QTest::newRow("RIFF with noise") << QByteArray("RIFF\x10\0\0\0WAVE", 12) + noise << true;
    }
    void openFailuresCarryTheReadersText() {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        TempFolder folder;
        if (exists)
            folder.Write("bad.wav", content);
        const QString expected = ReaderErrorFor("bad.wav");
        QVERIFY2(!expected.isEmpty(), "the reader accepts this file");

        EffectPlayer player;
        QCOMPARE(OpenError(player, "bad.wav"), expected);
        QVERIFY(!player.IsOpen());
    }

    // Anything but a regular file is refused without being read; a named pipe would block.
    void opensOnlyRegularFiles_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a named pipe") << "pipe";
        QTest::newRow("a link to a device") << "device";
    }
    void opensOnlyRegularFiles() {
        QFETCH(QString, kind);
        TempFolder folder;
        if (kind == "folder")
            QVERIFY(QDir().mkdir("bad.wav"));
        else if (kind == "pipe")
            QCOMPARE(::mkfifo("bad.wav", 0600), 0);
        else
            QVERIFY(QFile::link("/dev/zero", "bad.wav"));
        EffectPlayer player;
        QCOMPARE(OpenError(player, "bad.wav"), QString("bad.wav is not a regular file."));
        QVERIFY(!player.IsOpen());
    }

    // Rates and channel counts that the audio output cannot play are refused at the open.
    void opensOnlyPlayableFormats_data() {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<bool>("opens");
        QTest::newRow("1 Hz") << 1 << 1 << false;
        QTest::newRow("7999 Hz") << 7999 << 1 << false;
        QTest::newRow("8000 Hz") << 8000 << 1 << true;
        QTest::newRow("192000 Hz") << 192000 << 2 << true;
        QTest::newRow("192001 Hz") << 192001 << 1 << false;
        QTest::newRow("8 channels") << 44100 << 8 << true;
        QTest::newRow("9 channels") << 44100 << 9 << false;
    }
    void opensOnlyPlayableFormats() {
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(bool, opens);
        TempFolder folder;
        WriteSamples("odd.wav", Pattern(channels * 100), channels, rate,
                     SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        EffectPlayer player;
        const QString refusal =
            QString("odd.wav: the audio output cannot play this format (%1 Hz, channels: %2).")
                .arg(rate)
                .arg(channels);
        QCOMPARE(OpenError(player, "odd.wav"), opens ? QString() : refusal);
        QCOMPARE(player.IsOpen(), opens);
    }

    void hugeFileOpensAtOnceInLittleMemory_data() {
        QTest::addColumn<bool>("sparse");
        QTest::newRow("all there (sparse)") << true;
        QTest::newRow("cut short") << false;
    }
    void hugeFileOpensAtOnceInLittleMemory() {
        QFETCH(bool, sparse);
        TempFolder folder;
        const quint32 claimed = 1u << 30; // a gigabyte: about three hours
        WriteClaimingWav("huge.wav", claimed, 4096, sparse);
        EffectPlayer player;
        // What the file costs, not the media library's back end, which the first play of a
        // session loads on some Qt versions.
        WriteSamples("first.wav", Pattern(4410), 1, 44100, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        player.Open("first.wav");
        player.Play();
        const qint64 before = ResidentBytes();
        QElapsedTimer clock;
        clock.start();
        player.Open("huge.wav");
        const qint64 elapsed = clock.elapsed();
        const qint64 grown = ResidentBytes() - before;
        QVERIFY(player.IsOpen());
        QVERIFY2(elapsed < 300, qPrintable(QString("took %1 ms").arg(elapsed)));
        QVERIFY2(grown < 16 * 1024 * 1024, qPrintable(QString("grew by %1 bytes").arg(grown)));
        clock.restart();
        player.Play();
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString("took %1 ms").arg(clock.elapsed())));

        // Reading it as a sink would stays small too.
        SampleStream stream("huge.wav");
        if (sparse)
            QCOMPARE(stream.size(), qint64(claimed));
        for (int i = 0; i < 100; ++i)
            stream.read(8820);
        QVERIFY(ResidentBytes() - before < 16 * 1024 * 1024);
        player.Close();
        QVERIFY(!player.IsOpen());
    }

    void playWithoutASoundServerIsSilentAndQuick() {
        TempFolder folder;
        WriteSamples("a.wav", Pattern(44100), 1, 44100, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        EffectPlayer player;
        player.Open("a.wav");
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 5; ++i) {
            player.Play();
            QVERIFY(!player.PlayError().isEmpty());
            QVERIFY2(!player.PlayError().contains("module"), qPrintable(player.PlayError()));
            QVERIFY(player.IsOpen());
            QCoreApplication::processEvents();
        }
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString("took %1 ms").arg(clock.elapsed())));
        player.Open("a.wav"); // and the next effect opens as usual
        QVERIFY(player.IsOpen());
    }

    // An installation that lost its audio module plays silently and says why.
    void playWithoutTheAudioModuleIsSilent() {
        TempFolder folder;
        WriteSamples("a.wav", Pattern(4410), 1, 44100, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        const QStringList paths = QCoreApplication::libraryPaths();
        QCoreApplication::setLibraryPaths({QDir::currentPath()});
        EffectPlayer player;
        player.StartAudioService();
        player.Open("a.wav");
        player.Play();
        QCoreApplication::setLibraryPaths(paths);
        QVERIFY2(player.PlayError().startsWith("The audio module cannot be loaded: "),
                 qPrintable(player.PlayError()));
        QVERIFY(player.IsOpen());
    }
};

QTEST_MAIN(MediaPlayerTest)
#include "EffectPlayerTest.moc"
