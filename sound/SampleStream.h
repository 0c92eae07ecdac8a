// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sound file read on demand as 16-bit interleaved samples, for an audio sink to pull from. Only
// the header is read when it opens, so a long or damaged file costs neither memory nor time
// before it plays.

#include <QIODevice>
#include <QString>

#include <memory>
#include <vector>

struct sf_private_tag;

class SampleStream : public QIODevice {
  public:
    // Reads the file's header. Failure throws GameError with the reader's own error text; so do
    // anything but a regular file and a format that the audio output cannot play.
    explicit SampleStream(const QString& fileName);
    ~SampleStream() override;

    // The samples come as 16-bit integers, the channels interleaved.
    int Channels() const { return ChannelCount; }
    int SampleRate() const { return Rate; }
    qint64 Frames() const { return FrameCount; }

    bool isSequential() const override { return false; }
    qint64 size() const override { return FrameCount * FrameBytes; }
    bool seek(qint64 pos) override;
    bool atEnd() const override;

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

  private:
    int Handle = -1;
    sf_private_tag* File = nullptr;
    int ChannelCount = 0;
    int Rate = 0;
    qint64 FrameCount = 0;
    qint64 FrameBytes = 0;
    bool Exhausted = false; // the reader gave no more frames, even if the header promised them
    std::vector<short> Scratch;
};
