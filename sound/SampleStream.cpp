// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/SampleStream.h"

#include "platform/GameError.h"

#include <QCoreApplication>
#include <QFile>

#include <sndfile.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Enough for a few audio periods per read, whatever the sink asks for.
constexpr qint64 MaxFramesPerRead = 16384;

// What the audio output plays. Outside this the sound server's client library may fail hard
// (a rate of a few hertz has ended the game with a division by zero), so such a file is refused
// when it is opened, like one that cannot be read.
constexpr int LowestRate = 8000;
constexpr int HighestRate = 192000;
constexpr int MostChannels = 8;

// The reader's own words for a failure of the system, so that every open failure reads alike.
[[noreturn]] void ThrowSystemError(int error) {
    throw GameError(
        QCoreApplication::translate("SampleStream", "System error : %1.").arg(QString::fromLocal8Bit(std::strerror(error))));
}

[[noreturn]] void ThrowNotRegular(const QString& fileName) {
    throw GameError(QCoreApplication::translate("SampleStream", "%1 is not a regular file.").arg(fileName));
}

// Opens the file for reading if it is a regular file. A named pipe would block the open for
// good and a device is no sound file, so the file is looked at before it is opened, and once
// more when open in case something else took its place.
int OpenRegularFile(const QString& fileName) {
    const QByteArray path = QFile::encodeName(fileName);
    struct stat status {};
    if (::stat(path.constData(), &status) != 0)
        ThrowSystemError(errno);
    if (!S_ISREG(status.st_mode))
        ThrowNotRegular(fileName);
    const int handle = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0)
        ThrowSystemError(errno);
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(handle);
        ThrowNotRegular(fileName);
    }
    return handle;
}

void CheckPlayable(const QString& fileName, const SF_INFO& info) {
    if (info.samplerate >= LowestRate && info.samplerate <= HighestRate && info.channels >= 1 &&
        info.channels <= MostChannels)
        return;
    throw GameError(
        //: %1 the sound file, %2 its sample rate, %3 its channels
        QCoreApplication::translate("SampleStream",
                                    "%1: the audio output cannot play this format (%2 Hz, "
                                    "channels: %3).")
            .arg(fileName)
            .arg(info.samplerate)
            .arg(info.channels));
}

} // namespace

SampleStream::SampleStream(const QString& fileName) : Handle(OpenRegularFile(fileName)) {
    SF_INFO info{};
    File = sf_open_fd(Handle, SFM_READ, &info, SF_FALSE);
    try {
        if (!File)
            throw GameError(QString::fromUtf8(sf_strerror(nullptr)));
        CheckPlayable(fileName, info);
    } catch (...) {
        if (File)
            sf_close(File);
        ::close(Handle);
        throw;
    }
    ChannelCount = info.channels;
    Rate = info.samplerate;
    FrameBytes = static_cast<qint64>(ChannelCount) * static_cast<qint64>(sizeof(short));
    // A stream of unknown length (a FLAC file without its sample count) claims SF_COUNT_MAX
    // frames; cap it so that the size in bytes stays representable.
    FrameCount = std::min<qint64>(info.frames, std::numeric_limits<qint64>::max() / FrameBytes);
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

SampleStream::~SampleStream() {
    close();
    sf_close(File);
    ::close(Handle);
}

bool SampleStream::seek(qint64 pos) {
    if (pos < 0 || pos > size() || pos % FrameBytes != 0)
        return false;
    if (sf_seek(File, pos / FrameBytes, SEEK_SET) < 0)
        return false;
    Exhausted = false;
    return QIODevice::seek(pos);
}

bool SampleStream::atEnd() const {
    return Exhausted || QIODevice::atEnd();
}

qint64 SampleStream::readData(char* data, qint64 maxSize) {
    const qint64 frames = std::min(maxSize / FrameBytes, MaxFramesPerRead);
    if (frames <= 0 || Exhausted)
        return 0;
    // Read into our own buffer: the caller's bytes need not be aligned for shorts.
    Scratch.resize(static_cast<size_t>(frames * ChannelCount));
    const sf_count_t got = sf_readf_short(File, Scratch.data(), frames);
    if (got <= 0) {
        Exhausted = true;
        return 0;
    }
    const qint64 bytes = got * FrameBytes;
    std::memcpy(data, Scratch.data(), static_cast<size_t>(bytes));
    return bytes;
}

qint64 SampleStream::writeData(const char*, qint64) {
    return -1;
}
