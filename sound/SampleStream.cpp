#include "sound/SampleStream.h"

#include "platform/GameError.h"

#include <QFile>

#include <sndfile.h>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// Enough for a few audio periods per read, whatever the sink asks for.
constexpr qint64 MaxFramesPerRead = 16384;

} // namespace

TSampleStream::TSampleStream(const QString& fileName) {
    SF_INFO info{};
    File = sf_open(QFile::encodeName(fileName).constData(), SFM_READ, &info);
    if (!File)
        throw GameError(QString::fromUtf8(sf_strerror(nullptr)));
    Channels = info.channels;
    SampleRate = info.samplerate;
    FrameBytes = static_cast<qint64>(Channels) * static_cast<qint64>(sizeof(short));
    // A stream of unknown length (a FLAC file without its sample count) claims SF_COUNT_MAX
    // frames; cap it so that the size in bytes stays representable.
    FrameCount = std::min<qint64>(info.frames, std::numeric_limits<qint64>::max() / FrameBytes);
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

TSampleStream::~TSampleStream() {
    close();
    sf_close(File);
}

QAudioFormat TSampleStream::Format() const {
    QAudioFormat format;
    format.setSampleRate(SampleRate);
    format.setChannelCount(Channels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

bool TSampleStream::seek(qint64 pos) {
    if (pos < 0 || pos > size() || pos % FrameBytes != 0)
        return false;
    if (sf_seek(File, pos / FrameBytes, SEEK_SET) < 0)
        return false;
    Exhausted = false;
    return QIODevice::seek(pos);
}

bool TSampleStream::atEnd() const {
    return Exhausted || QIODevice::atEnd();
}

qint64 TSampleStream::readData(char* data, qint64 maxSize) {
    const qint64 frames = std::min(maxSize / FrameBytes, MaxFramesPerRead);
    if (frames <= 0 || Exhausted)
        return 0;
    // Read into our own buffer: the caller's bytes need not be aligned for shorts.
    Scratch.resize(static_cast<size_t>(frames * Channels));
    const sf_count_t got = sf_readf_short(File, Scratch.data(), frames);
    if (got <= 0) {
        Exhausted = true;
        return 0;
    }
    const qint64 bytes = got * FrameBytes;
    std::memcpy(data, Scratch.data(), static_cast<size_t>(bytes));
    return bytes;
}

qint64 TSampleStream::writeData(const char*, qint64) {
    return -1;
}
