// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/EffectPlayer.h"

#include "sound/AudioOutput.h"
#include "sound/SampleStream.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QPluginLoader>
#include <QThread>

namespace {

constexpr unsigned long ServerSettleMs = 150;

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
    AudioOutput* output = Output();
    if (!output) {
        LastPlayError = OutputMissing;
        TellOnceWhySilent();
        return;
    }
    Stream->seek(0);
    const StartedSound started =
        output->Start(*Stream, Stream->Channels(), Stream->SampleRate(), this);
    Sink = started.Sink;
    LastPlayError = started.Error;
    TellOnceWhySilent();
}

AudioOutput* EffectPlayer::Output() {
    if (LoadedOutput || !OutputMissing.isEmpty())
        return LoadedOutput;
    // Looked for in Qt's library paths, which hold the program's own folder; the module stays
    // loaded until the program ends.
    QPluginLoader module(AudioModuleName);
    LoadedOutput = qobject_cast<AudioOutput*>(module.instance());
    if (!LoadedOutput) {
        QString why = module.errorString();
        if (why.endsWith('.'))
            why.chop(1);
        OutputMissing = "The audio module cannot be loaded: " + why;
    }
    return LoadedOutput;
}

void EffectPlayer::TellOnceWhySilent() {
    if (LastPlayError.isEmpty() || ToldWhySilent)
        return;
    ToldWhySilent = true;
    qWarning("Tolvane plays no sound: %s.", qPrintable(LastPlayError));
}

void EffectPlayer::StartAudioService() {
    AudioOutput* output = Output();
    if (!output)
        LastPlayError = OutputMissing;
    else if (!output->HasDevice())
        LastPlayError = "There is no audio output device";
    TellOnceWhySilent();
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
    LoadedOutput->Stop(Sink);
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
