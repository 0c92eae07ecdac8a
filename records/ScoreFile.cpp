#include "records/ScoreFile.h"

#include "platform/GameError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <system_error>
#include <unistd.h>

namespace {

const QString SoundOnText = QStringLiteral("s");
const QString SoundOffText = QStringLiteral("ns");
const QString MarkerText = QStringLiteral("high");
constexpr int SoundLine = 3;
constexpr int LevelCount = 3;
// The file holds a few hundred bytes. Far more than that is no score file, and split into lines
// it would take some 25 times its size in memory (a file of line breaks: 50 MB took 1.3 GB).
constexpr qsizetype MostTextBytes = 1024 * 1024;

int NameLine(int MarkerIndex, int level) {
    return MarkerIndex + 1 + 2 * level;
}
int SecondsLine(int MarkerIndex, int level) {
    return MarkerIndex + 2 + 2 * level;
}

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::generic_category().message(error).c_str());
}

[[noreturn]] void ThrowOpenError(const QString& fileName, const QString& reason) {
    throw GameError(QStringLiteral("Cannot open file \"%1\". %2")
                        .arg(QFileInfo(fileName).absoluteFilePath(), reason));
}

[[noreturn]] void ThrowCreateError(const QString& fileName, const QString& reason) {
    throw GameError(QStringLiteral("Cannot create file \"%1\". %2")
                        .arg(QFileInfo(fileName).absoluteFilePath(), reason));
}

// Splits at CR LF, lone CR and lone LF. A break at the very end opens no further line, and the
// text stops at the first NUL byte. CR, LF and NUL never occur inside a multi-byte UTF-8
// character, so splitting the raw bytes is safe.
QList<QByteArray> SplitLines(const QByteArray& bytes) {
    const qsizetype nul = bytes.indexOf('\0');
    const qsizetype size = nul < 0 ? bytes.size() : nul;
    QList<QByteArray> lines;
    qsizetype pos = 0;
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        lines.append(bytes.mid(pos, end - pos));
        pos = end;
        if (pos < size && bytes[pos] == '\r')
            ++pos;
        if (pos < size && bytes[pos] == '\n')
            ++pos;
    }
    return lines;
}

[[noreturn]] void ThrowNotAnInteger(const QString& text) {
    throw GameError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

} // namespace

void TScoreLines::LoadFromFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        // Qt words a folder in its own terms; give the system's reason like every other case.
        ThrowOpenError(fileName,
                       QFileInfo(fileName).isDir() ? SystemReason(EISDIR) : file.errorString());
    }
    // The text ends at the first NUL, so reading stops there; a text beyond the limit is refused.
    QByteArray bytes;
    for (;;) {
        const QByteArray chunk = file.read(64 * 1024);
        if (file.error() != QFileDevice::NoError)
            ThrowOpenError(fileName, file.errorString());
        if (chunk.isEmpty())
            break;
        const qsizetype nul = chunk.indexOf('\0');
        bytes += nul < 0 ? chunk : chunk.left(nul);
        if (bytes.size() > MostTextBytes)
            ThrowOpenError(fileName, SystemReason(EFBIG));
        if (nul >= 0)
            break;
    }
    Lines = SplitLines(bytes);
}

QString TScoreLines::Get(int index) const {
    CheckIndex(index);
    return QString::fromLocal8Bit(Lines[index]);
}

void TScoreLines::Put(int index, const QString& text) {
    CheckIndex(index);
    Lines[index] = text.toLocal8Bit();
}

void TScoreLines::SaveToFile(const QString& fileName) const {
    // QSaveFile words these two cases in its own terms; give the system's reasons instead.
    const QFileInfo target(fileName);
    if (target.isDir())
        ThrowCreateError(fileName, SystemReason(EISDIR));
    if (target.exists() && !target.isWritable())
        ThrowCreateError(fileName, SystemReason(EACCES));

    QByteArray bytes;
    for (const QByteArray& line : Lines) {
        bytes += line;
        bytes += "\r\n";
    }

    // The new content goes to a temporary file beside the old one and replaces it only when
    // complete. Any throw below leaves the old file alone: QSaveFile's destructor removes the
    // temporary file. Unbuffered, because Qt's final flush of a buffered QSaveFile can lose a
    // short write (a full disk) and still commit the truncated file.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        ThrowCreateError(fileName, file.errorString());
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            ThrowCreateError(fileName, file.errorString());
        done += written;
    }
    // commit() syncs too but ignores a failure there, where a late write error shows.
    if (::fsync(file.handle()) != 0) {
        const int error = errno;
        ThrowCreateError(fileName, SystemReason(error));
    }
    if (!file.commit())
        ThrowCreateError(fileName, file.errorString());
}

void TScoreLines::Clear() {
    Lines.clear();
}

int TScoreLines::Count() const {
    return static_cast<int>(Lines.size());
}

void TScoreLines::CheckIndex(int index) const {
    if (index < 0 || index >= Lines.size())
        throw GameError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

bool ReadSoundSetting(TScoreLines& ScoreLines) {
    ScoreLines.LoadFromFile(QString::fromLatin1(ScoreFileName));
    const bool on = ScoreLines.Get(SoundLine) == SoundOnText;
    ScoreLines.Clear();
    return on;
}

void WriteSoundSetting(TScoreLines& ScoreLines, bool checked) {
    const QString fileName = QString::fromLatin1(ScoreFileName);
    ScoreLines.Clear();
    ScoreLines.LoadFromFile(fileName);
    ScoreLines.Put(SoundLine, checked ? SoundOnText : SoundOffText);
    ScoreLines.SaveToFile(fileName);
}

int LocateMarker(const TScoreLines& ScoreLines) {
    // Line 0 is never the marker. Get fails once the search runs past the last line.
    int index = 1;
    while (ScoreLines.Get(index) != MarkerText)
        ++index;
    return index;
}

std::int32_t StrToInt(const QString& text) {
    qsizetype pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    if (pos == text.size())
        ThrowNotAnInteger(text);
    // 2^31 is the largest magnitude any 32-bit value has; stopping there keeps the sum small.
    constexpr std::int64_t Limit = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const char16_t c = text[pos].unicode();
        if (c < u'0' || c > u'9')
            ThrowNotAnInteger(text);
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > Limit)
            ThrowNotAnInteger(text);
    }
    if (!negative && magnitude == Limit)
        ThrowNotAnInteger(text);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::array<BestTimeRecord, 3> ReadBestTimes(const TScoreLines& ScoreLines, int MarkerIndex) {
    std::array<BestTimeRecord, 3> records{};
    for (int level = 0; level < LevelCount; ++level) {
        records[level].Name = ScoreLines.Get(NameLine(MarkerIndex, level));
        records[level].Seconds = StrToInt(ScoreLines.Get(SecondsLine(MarkerIndex, level)));
    }
    return records;
}

void WriteBestTime(TScoreLines& ScoreLines, int MarkerIndex, int level, const QString& name,
                   std::int32_t seconds) {
    Q_ASSERT(level >= 0 && level < LevelCount);
    ScoreLines.Put(NameLine(MarkerIndex, level), name);
    ScoreLines.Put(SecondsLine(MarkerIndex, level), QString::number(seconds));
}

void ResetBestTimes(TScoreLines& ScoreLines, int MarkerIndex) {
    for (int level = 0; level < LevelCount; ++level) {
        ScoreLines.Put(NameLine(MarkerIndex, level), QString());
        ScoreLines.Put(SecondsLine(MarkerIndex, level), QString::fromLatin1(NoBestTime));
    }
}

int LevelOrdinal(int ShownPerBlock) {
    Q_ASSERT(ShownPerBlock >= 3 && ShownPerBlock <= 5);
    return 5 - ShownPerBlock;
}
