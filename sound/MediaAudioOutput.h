// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The audio module's one object: the sound output made of Qt's media library.

#include "sound/AudioOutput.h"

#include <QObject>

class MediaAudioOutput : public QObject, public AudioOutput {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "io.github.tolvane.AudioOutput/1")
    Q_INTERFACES(AudioOutput)

  public:
    bool HasDevice() override;
    StartedSound Start(QIODevice& samples, int channels, int sampleRate, QObject* owner) override;
    void Stop(QObject* sink) override;
};
