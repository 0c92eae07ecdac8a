// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/EffectPlayer.h"

#include "sound/SampleStream.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QThread>

namespace {

constexpr unsigned long ServerSettleMs = 150;

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

EffectPlayer::EffectPlayer(QObject* parent) : QObject(parent) {}

EffectPlayer::~EffectPlayer() {
    Close();
}

void EffectPlayer::Open(const QString& fileName) {
    Close();
    Name = fileName;
    Stream = std::make_unique<SampleStream>(fileName);
}

void EffectPlayer::Play() {
    LastPlayError.clear();
    if (!Stream) {
        LastPlayError = "No sound file is open";
        return;
    }
    ReleaseSink();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        LastPlayError = "There is no audio output device";
        TellOnceWhySilent();
        return;
    }
    // A fresh sink for every start: a reused one asks the server for a smaller buffer each time
    // until the sound breaks up.
    Sink = new QAudioSink(device, Stream->Format(), this);
    Stream->seek(0);
    Sink->start(Stream.get());
    LastPlayError = SinkErrorText(Sink->error());
    TellOnceWhySilent();
}

void EffectPlayer::TellOnceWhySilent() {
    if (LastPlayError.isEmpty() || ToldWhySilent)
        return;
    ToldWhySilent = true;
    qWarning("Tolvane plays no sound: %s.", qPrintable(LastPlayError));
}

void EffectPlayer::StartAudioService() {
    // Asking for the output device loads the back end and connects it to the sound server.
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        LastPlayError = "There is no audio output device";
        TellOnceWhySilent();
    }
}

namespace {

QtMessageHandler HandlerBefore = nullptr;

// The media library's back end tells of a missing sound server in its own uncategorized words;
// the player says it once in the game's.
void PassAllButMediaNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("PulseAudioService:")))
        return;
    HandlerBefore(type, context, text);
}

} // namespace

void EffectPlayer::QuietenMediaLibrary() {
    // The game plays sound only: its back end need not look for video hardware, whose library
    // (VDPAU) complains on the terminal when it finds none. "," names no device type at all.
    for (const char* variable :
         {"QT_FFMPEG_DECODING_HW_DEVICE_TYPES", "QT_FFMPEG_ENCODING_HW_DEVICE_TYPES"})
        if (!qEnvironmentVariableIsSet(variable))
            qputenv(variable, ",");
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia.*=false"));
    if (!HandlerBefore)
        HandlerBefore = qInstallMessageHandler(PassAllButMediaNotes);
}

void EffectPlayer::ReleaseSink() {
    if (!Sink)
        return;
    Sink->stop();
    // Its destructor runs pending events, which must not happen inside the handler that plays
    // the next effect; so it goes from the event loop.
    Sink->deleteLater();
    Sink = nullptr;
}

void EffectPlayer::Shutdown() {
    const bool played = Sink != nullptr;
    Close();
    // The sinks released earlier go now, not after the audio engine.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (played)
        QThread::msleep(ServerSettleMs);
}

void EffectPlayer::Close() {
    ReleaseSink();
    Stream.reset();
}
