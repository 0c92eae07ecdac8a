// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's one media player. It holds at most one sound file open; opening the next file
// closes the previous one and so cuts off an effect that is still sounding. Playback runs in the
// audio service, and nothing here ever waits for it.

#include <QObject>
#include <QString>

#include <memory>

class AudioOutput;
class SampleStream;

class EffectPlayer : public QObject {
    Q_OBJECT

  public:
    explicit EffectPlayer(QObject* parent = nullptr);
    ~EffectPlayer() override;

    // Closes the open file, then reads the header of the named one (looked up in the working
    // directory). A file that cannot be read, is no regular file or has a format the audio
    // output cannot play throws GameError with the reason; the player then has no file open,
    // but FileName names the file it tried.
    void Open(const QString& fileName);

    // Starts the open file from its beginning and returns at once. When it cannot start (no
    // file open, no sound server or device) nothing is reported; PlayError tells why.
    void Play();

    void Close();

    // Loads the audio module and service, and lets the service reach the sound server ahead of
    // the first effect. On some Qt versions the first start does both, which takes a tenth of a
    // second or more and cuts or delays the effect; after this the first start is as quick as any
    // other. Without an audio output the player says so, once.
    void StartAudioService();

    // Keeps the media library's own notes (its back end's version, hardware it looked for) off
    // the player's terminal; QT_LOGGING_RULES still turns them on. A sound that cannot be played
    // is told once by the player itself. Called before the application is made.
    static void QuietenMediaLibrary();

    // Closes the player for good as the program ends, and gives the sound server a moment to
    // finish closing the last stream: ending the process while it does so can abort it inside
    // the sound library.
    void Shutdown();

    QString FileName() const { return Name; }
    bool IsOpen() const { return Stream != nullptr; }
    QString PlayError() const { return LastPlayError; }

  private:
    // The audio module's output, loaded on the first call; null when it cannot be loaded, and
    // then OutputMissing says why.
    AudioOutput* Output();
    void ReleaseSink();
    void TellOnceWhySilent();

    QString Name;
    std::unique_ptr<SampleStream> Stream;
    AudioOutput* LoadedOutput = nullptr;
    QString OutputMissing;
    QObject* Sink = nullptr;
    QString LastPlayError;
    bool ToldWhySilent = false;
};
