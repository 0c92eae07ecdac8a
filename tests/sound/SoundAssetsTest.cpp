// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The nine effects shipped in assets/: their format, length and level, that they differ and
// suit their events, and that the generator makes exactly these files again.

#include "tests/sound/WavFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sndfile.h>

#include <cmath>
#include <numbers>

#ifndef SOUND_ASSETS_DIR
#error "SOUND_ASSETS_DIR must name the folder of the game's sound files"
#endif
#ifndef MAKE_SOUNDS_PROGRAM
#error "MAKE_SOUNDS_PROGRAM must name the sound generator"
#endif

namespace {

QString Asset(const QString& name) {
    return QDir(SOUND_ASSETS_DIR).filePath(name);
}

std::vector<double> Normalised(const std::vector<short>& samples) {
    std::vector<double> out(samples.size());
    for (size_t i = 0; i < samples.size(); ++i)
        out[i] = samples[i] / 32768.0;
    return out;
}

double PeakOf(const std::vector<double>& s, size_t from = 0, size_t to = SIZE_MAX) {
    double peak = 0;
    for (size_t i = from; i < std::min(to, s.size()); ++i)
        peak = std::max(peak, std::abs(s[i]));
    return peak;
}

double Db(double amplitude) {
    return 20.0 * std::log10(amplitude);
}

// The frequency of a sine with the same ratio of slope to level; for noise it is high.
double RoughFrequency(const std::vector<double>& s, size_t from, size_t to, int rate) {
    double level = 0, slope = 0;
    for (size_t i = from + 1; i < std::min(to, s.size()); ++i) {
        level += s[i] * s[i];
        slope += (s[i] - s[i - 1]) * (s[i] - s[i - 1]);
    }
    return rate / (2 * std::numbers::pi) * std::sqrt(slope / level);
}

} // namespace

class SoundAssetsTest : public QObject {
    Q_OBJECT

  private slots:
    void eachEffectIsAShortMonoPcmFileAtAGoodLevel_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : Effects)
            QTest::newRow(qPrintable(name)) << name;
    }
    void eachEffectIsAShortMonoPcmFileAtAGoodLevel() {
        QFETCH(QString, name);
        SF_INFO info{};
        SNDFILE* file = sf_open(QFile::encodeName(Asset(name)).constData(), SFM_READ, &info);
        QVERIFY2(file, sf_strerror(nullptr));
        sf_close(file);
        QCOMPARE(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        QCOMPARE(info.channels, 1);
        QVERIFY(info.samplerate == 44100 || info.samplerate == 22050);
        const double seconds = static_cast<double>(info.frames) / info.samplerate;
        QVERIFY2(seconds >= 0.1 && seconds <= 0.8, qPrintable(QString::number(seconds)));

        const std::vector<double> s = Normalised(ReadSamples(Asset(name)));
        const double peakDb = Db(PeakOf(s));
        QVERIFY2(peakDb >= -6.0 && peakDb <= -3.0, qPrintable(QString::number(peakDb)));
        double energy = 0;
        for (double x : s)
            energy += x * x;
        const double rmsDb = Db(std::sqrt(energy / s.size()));
        QVERIFY2(rmsDb > -24.0, qPrintable(QString::number(rmsDb))); // audible, not a blip

        // No click: silence at both ends, and no jump in the first or last milliseconds.
        const size_t ms = static_cast<size_t>(info.samplerate / 1000);
        QVERIFY(std::abs(s.front()) < 0.001);
        QVERIFY(PeakOf(s, s.size() - ms) < 0.01);
        QVERIFY(PeakOf(s, 0, ms / 4) < 0.05);
    }

    void effectsDifferFromEachOther() {
        std::vector<std::vector<double>> sounds;
        for (const QString& name : Effects)
            sounds.push_back(Normalised(ReadSamples(Asset(name))));
        for (size_t a = 0; a < sounds.size(); ++a)
            for (size_t b = a + 1; b < sounds.size(); ++b) {
                const size_t n = std::min(sounds[a].size(), sounds[b].size());
                double ab = 0, aa = 0, bb = 0;
                for (size_t i = 0; i < n; ++i) {
                    ab += sounds[a][i] * sounds[b][i];
                    aa += sounds[a][i] * sounds[a][i];
                    bb += sounds[b][i] * sounds[b][i];
                }
                const double correlation = std::abs(ab) / std::sqrt(aa * bb);
                QVERIFY2(correlation < 0.5,
                         qPrintable(Effects[int(a)] + " is like " + Effects[int(b)] + ": " +
                                    QString::number(correlation)));
            }
    }

    void effectsSuitTheirEvents() {
        auto load = [](const QString& name, int* rate) {
            return Normalised(ReadSamples(Asset(name), nullptr, rate));
        };
        int rate = 0;
        // The "wrong" buzz is low; the eraser and the applause are noise, far above any tone.
        const std::vector<double> buzz = load("not.wav", &rate);
        QVERIFY(RoughFrequency(buzz, 0, buzz.size(), rate) < 600);
        for (const QString name : {"erase.wav", "clap.wav"}) {
            const std::vector<double> noise = load(name, &rate);
            QVERIFY2(RoughFrequency(noise, 0, noise.size(), rate) > 2000, qPrintable(name));
        }
        // The run rises: its end is higher than its start.
        const std::vector<double> run = load("solve.wav", &rate);
        const size_t tenth = run.size() / 10;
        QVERIFY(RoughFrequency(run, 0, tenth, rate) * 1.8 <
                RoughFrequency(run, run.size() - 3 * tenth, run.size(), rate));
        // The applause is a crowd, not one clap: loud moments spread over most of its length.
        const std::vector<double> clap = load("clap.wav", &rate);
        int loudSlices = 0;
        const size_t slice = clap.size() / 16;
        for (size_t i = 0; i + slice <= clap.size(); i += slice)
            loudSlices += PeakOf(clap, i, i + slice) > 0.2 ? 1 : 0;
        QVERIFY(loudSlices >= 10);
    }

    void generatorMakesTheSameFilesAgain() {
        QTemporaryDir out;
        QVERIFY(out.isValid());
        QProcess generator;
        generator.start(MAKE_SOUNDS_PROGRAM, {out.path()});
        QVERIFY(generator.waitForFinished(60000));
        QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
        QCOMPARE(generator.exitCode(), 0);
        for (const QString& name : Effects) {
            QFile made(QDir(out.path()).filePath(name)), shipped(Asset(name));
            QVERIFY(made.open(QIODevice::ReadOnly));
            QVERIFY(shipped.open(QIODevice::ReadOnly));
            QVERIFY2(made.readAll() == shipped.readAll(), qPrintable(name + " differs"));
        }
    }
};

QTEST_MAIN(SoundAssetsTest)
#include "SoundAssetsTest.moc"
