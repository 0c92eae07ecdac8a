// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a sound effect. The game's media player opens and plays them as it does
// every effect; then the file is read the way the audio sink pulls from the player's stream
// (there is no sound server here, so nothing else reads it). A file that the reader refuses must
// give its error text and leave nothing open. One that opens must deliver whole frames, never
// more than asked for, come to an end, and start over after a seek to its beginning, as every
// play does.

#include "platform/GameError.h"
#include "sound/EffectPlayer.h"
#include "sound/SampleStream.h"
#include "sound/SoundEffects.h"
#include "tests/fuzz/Reference.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sndfile.h>

#include <bit>
#include <cstdint>
#include <vector>

namespace {

const QString FileName = QStringLiteral("effect.wav");

// Per input, enough to pass through every frame of a small file several times over; a
// compressed file may decode to more, and reading stops there.
constexpr qint64 MostBytesRead = qint64{1} << 22;

EffectPlayer* Player = nullptr;

// libsndfile is not instrumented, so the fuzzer cannot see which kind of file an input reached.
// These counters, which libFuzzer reads as coverage, tell it: one per container and encoding,
// channel count and length class.
#ifdef __clang__
__attribute__((section("__libfuzzer_extra_counters")))
#endif
std::uint8_t KindsReached[4096];

void NoteKind() {
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(FileName).constData(), SFM_READ, &info);
    if (!file)
        return;
    sf_close(file);
    const unsigned container = (info.format & SF_FORMAT_TYPEMASK) >> 16;
    const unsigned encoding = info.format & SF_FORMAT_SUBMASK;
    const unsigned channels = std::min(info.channels, 8);
    const unsigned length =
        std::bit_width(static_cast<std::uint64_t>(std::max<sf_count_t>(info.frames, 0)));
    const unsigned kind = ((container * 131 + encoding) * 9 + channels) * 65 + length;
    ++KindsReached[kind % std::size(KindsReached)];
}

void WriteFile(const std::uint8_t* data, std::size_t size) {
    QFile file(FileName);
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
                    static_cast<qint64>(size),
            "cannot write the input file");
}

// Reads up to `want` bytes in pieces as they come.
QByteArray ReadUpTo(SampleStream& stream, qint64 want) {
    QByteArray bytes;
    std::vector<char> buffer(static_cast<size_t>(want));
    while (bytes.size() < want) {
        const qint64 got = stream.read(buffer.data(), want - bytes.size());
        if (got <= 0)
            break;
        bytes.append(buffer.data(), got);
    }
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Never reach a real sound server, whatever the environment says.
    qputenv("PULSE_SERVER", "unix:/nonexistent");
    static int argc = 1;
    static char name[] = "fuzz_wav_file";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    const QString base = QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static QTemporaryDir folder(base + "/tolvane-fuzz-wav-XXXXXX");
    Require(folder.isValid() && QDir::setCurrent(folder.path()), "no working folder");
    // One player for the whole run, as the game has; each effect closes the one before.
    static EffectPlayer player;
    Player = &player;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WriteFile(data, size);
    try {
        PlayEffect(*Player, FileName);
    } catch (const GameError& error) {
        Require(!error.Message().isEmpty(), "a refused file gives the reader's text");
        Require(!Player->IsOpen(), "a refused file leaves nothing open");
        Require(Player->FileName() == FileName, "the player names the file it tried");
        QString again;
        try {
            SampleStream stream(FileName);
        } catch (const GameError& second) {
            again = second.Message();
        }
        Require(again == error.Message(), "the reader refuses it the same way on its own", again);
        return 0;
    }
    NoteKind();
    Require(Player->IsOpen(), "an opened effect stays open");
    Require(!Player->PlayError().isEmpty(), "without a server, play tells why it is silent");
    // The sinks go from the event loop; let them, or they pile up over the run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    SampleStream stream(FileName);
    const qint64 frameBytes = qint64{2} * stream.Channels();
    Require(stream.Channels() >= 1 && stream.Channels() <= 8 && stream.SampleRate() >= 8000 &&
                stream.SampleRate() <= 192000,
            "an opened file has a format the audio output plays");
    Require(stream.size() >= 0 && stream.size() % frameBytes == 0, "the size is whole frames",
            QString::number(stream.size()));

    // Pieces of the sizes a sink asks for, and odd ones, taken from the input itself.
    std::vector<char> buffer(65536);
    QByteArray first;
    qint64 total = 0;
    for (std::size_t turn = 0; total < MostBytesRead; ++turn) {
        const qint64 piece =
            1 + ((size ? data[turn % size] : 0) * 257 + static_cast<qint64>(turn)) % 65536;
        const qint64 got = stream.read(buffer.data(), piece);
        Require(
            got >= 0 && got <= piece && got % frameBytes == 0,
            "a read gives whole frames, no more than asked",
            QStringLiteral("asked %1, got %2, frames of %3").arg(piece).arg(got).arg(frameBytes));
        if (got == 0) {
            if (piece < frameBytes)
                continue; // too small for one frame
            Require(stream.atEnd(), "a read gives nothing only at the end");
            break;
        }
        if (first.isEmpty())
            first = QByteArray(buffer.data(), got);
        total += got;
    }
    // Every play starts with this seek. Some encodings cannot seek (G.72x ADPCM in AU files);
    // a play does not depend on it, as each effect opens its file afresh. The samples need not
    // be the same as the first time: on a damaged header the reader may seek to another place
    // than it first read from.
    if (!stream.seek(0))
        return 0;
    const QByteArray again = ReadUpTo(stream, first.size());
    Require(again.size() % frameBytes == 0 && again.size() <= first.size(),
            "after the seek whole frames come again", QString::number(again.size()));
    Require(first.isEmpty() || !again.isEmpty(), "a stream that gave samples gives them again");
    return 0;
}
