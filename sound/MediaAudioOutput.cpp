// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/MediaAudioOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace {

QString SinkErrorText(QAudio::Error error) {
    switch (error) {
    case QAudio::NoError:
        return {};
    case QAudio::OpenError:
        return "The audio device cannot play this format";
    case QAudio::IOError:
        return "Writing to the audio device failed";
    case QAudio::UnderrunError:
        return "The audio device ran out of samples";
    case QAudio::FatalError:
        return "The audio device is not available";
    }
    return "Unknown audio device error";
}

} // namespace

bool MediaAudioOutput::HasDevice() {
    // Asking for the output device loads the back end and connects it to the sound server.
    return !QMediaDevices::defaultAudioOutput().isNull();
}

StartedSound MediaAudioOutput::Start(QIODevice& samples, int channels, int sampleRate,
                                     QObject* owner) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return {nullptr, "There is no audio output device"};
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(channels);
    format.setSampleFormat(QAudioFormat::Int16);
    // A fresh sink for every start: a reused one asks the server for a smaller buffer each time
    // until the sound breaks up.
    auto* sink = new QAudioSink(device, format, owner);
    sink->start(&samples);
    return {sink, SinkErrorText(sink->error())};
}

void MediaAudioOutput::Stop(QObject* sink) {
    if (auto* audioSink = qobject_cast<QAudioSink*>(sink))
        audioSink->stop();
}
