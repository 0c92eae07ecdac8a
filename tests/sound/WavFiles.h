// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sound files made on the spot for the sound tests.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// The game's nine sound effects, in the order the start-up checks them.
inline const QStringList Effects = {"pop.wav",  "erase.wav", "notify.wav", "clap.wav", "not.wav",
                                    "best.wav", "pause.wav", "ready.wav",  "solve.wav"};

// Writes samples (interleaved when channels > 1) with libsndfile; `format` is a libsndfile
// format such as SF_FORMAT_WAV | SF_FORMAT_PCM_16.
void WriteSamples(const QString& path, const std::vector<short>& samples, int channels, int rate,
                  int format);

// The 44-byte header of a 16-bit mono 44100 Hz PCM WAV file whose data chunk claims dataBytes.
QByteArray WavHeader(quint32 dataBytes);

// A WAV file whose header claims dataBytes of samples, of which only presentBytes (zeros) are
// there; with `sparse`, the file is extended to its full size without writing the data.
void WriteClaimingWav(const QString& path, quint32 dataBytes, qint64 presentBytes, bool sparse);

// Reads a whole file with libsndfile as 16-bit samples; the test's own reference decoding.
std::vector<short> ReadSamples(const QString& path, int* channels = nullptr, int* rate = nullptr);

// The error text libsndfile itself gives for opening this file, or empty when it opens.
QString ReaderErrorFor(const QString& path);

// Resident memory of this process in bytes.
qint64 ResidentBytes();
