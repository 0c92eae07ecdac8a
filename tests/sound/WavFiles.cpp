// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/sound/WavFiles.h"

#include <QFile>
#include <QtEndian>

#include <sndfile.h>

#include <unistd.h>

void WriteSamples(const QString& path, const std::vector<short>& samples, int channels, int rate,
                  int format) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        qFatal("Cannot write %s: %s", qPrintable(path), sf_strerror(nullptr));
    const sf_count_t frames = static_cast<sf_count_t>(samples.size()) / channels;
    if (sf_writef_short(file, samples.data(), frames) != frames)
        qFatal("Short write to %s", qPrintable(path));
    sf_close(file);
}

QByteArray WavHeader(quint32 dataBytes) {
    QByteArray header;
    auto u32 = [&header](quint32 v) {
        char bytes[4];
        qToLittleEndian(v, bytes);
        header.append(bytes, 4);
    };
    auto u16 = [&header](quint16 v) {
        char bytes[2];
        qToLittleEndian(v, bytes);
        header.append(bytes, 2);
    };
    header.append("RIFF");
    u32(36 + dataBytes);
    header.append("WAVEfmt ");
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(44100);
    u32(44100 * 2);
    u16(2);
    u16(16);
    header.append("data");
    u32(dataBytes);
    return header;
}

void WriteClaimingWav(const QString& path, quint32 dataBytes, qint64 presentBytes, bool sparse) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("Cannot write %s", qPrintable(path));
    file.write(WavHeader(dataBytes));
    file.write(QByteArray(presentBytes, '\0'));
    if (sparse && !file.resize(44 + static_cast<qint64>(dataBytes)))
        qFatal("Cannot extend %s", qPrintable(path));
}

std::vector<short> ReadSamples(const QString& path, int* channels, int* rate) {
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        qFatal("Cannot read %s: %s", qPrintable(path), sf_strerror(nullptr));
    std::vector<short> samples(static_cast<size_t>(info.frames * info.channels));
    const sf_count_t got = sf_readf_short(file, samples.data(), info.frames);
    samples.resize(static_cast<size_t>(got * info.channels));
    sf_close(file);
    if (channels)
        *channels = info.channels;
    if (rate)
        *rate = info.samplerate;
    return samples;
}

QString ReaderErrorFor(const QString& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (file) {
        sf_close(file);
        return {};
    }
    return QString::fromUtf8(sf_strerror(nullptr));
}

qint64 ResidentBytes() {
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        qFatal("Cannot read /proc/self/statm");
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}
