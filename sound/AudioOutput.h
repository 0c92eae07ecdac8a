// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound output the effect player plays through. Qt's media library behind it brings some
// twenty more libraries into the process, which would hold up the main window's first showing by
// a tenth of the whole start; so the output lives in a module of its own beside the program
// (libtolvane-audio.so), loaded when the first sound is near.

#include <QString>
#include <QtPlugin>

class QIODevice;
class QObject;

// A sound that was started: the media library's sink that plays it, owned by the owner given to
// Start, and why it plays no sound (empty when it plays).
struct StartedSound {
    QObject* Sink = nullptr;
    QString Error;
};

class AudioOutput {
  public:
    virtual ~AudioOutput() = default;

    // Loads the media library's back end and lets it reach the sound server; false when there is
    // no output device.
    virtual bool HasDevice() = 0;

    // Plays 16-bit interleaved samples pulled from `samples` on the default output device, in a
    // sink of its own that `owner` owns. Without a device there is no sink.
    virtual StartedSound Start(QIODevice& samples, int channels, int sampleRate,
                               QObject* owner) = 0;

    // Stops a sink that Start made, at once; deleting it is left to its owner.
    virtual void Stop(QObject* sink) = 0;
};

// The module's file name, without the "lib" and ".so" that the loader adds, and the interface's
// id (repeated in the module's metadata).
inline constexpr char AudioModuleName[] = "tolvane-audio";
#define TOLVANE_AUDIO_OUTPUT_IID "io.github.tolvane.AudioOutput/1"
Q_DECLARE_INTERFACE(AudioOutput, TOLVANE_AUDIO_OUTPUT_IID)
