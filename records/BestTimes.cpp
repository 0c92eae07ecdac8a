// The best time of each level with its holder's name: recorded after a correct solution that beats
// it, shown in the best-times window, and reset from there.

#include "records/BestTimes.h"

#include "app/Forms.h"
#include "app/TForm1.h"
#include "engine/GameState.h"
#include "engine/TimeText.h"
#include "records/ScoreFile.h"
#include "sound/SoundEffects.h"
#include "view/TForm4.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

constexpr int LongestName = 15;

QString TimeTextFor(std::int32_t seconds) {
    return QString::fromStdString(TimeTextOf(seconds));
}

void FillBestTimesWindow(const std::array<BestTimeRecord, 3>& records) {
    Form4->Memo2->setPlainText(records[0].Name + "\n\n" + records[1].Name + "\n\n" +
                               records[2].Name);
    Form4->Memo3->setPlainText(" " + TimeTextFor(records[0].Seconds) + "\n\n " +
                               TimeTextFor(records[1].Seconds) + "\n\n " +
                               TimeTextFor(records[2].Seconds));
}

} // namespace

QString NameForRecord(const QString& typed) {
    QString name = typed;
    for (QChar& c : name)
        if (c == '\r' || c == '\n' || c == QChar(0))
            c = ' ';
    // Count characters, not UTF-16 units: a character outside the basic plane is never split.
    const QList<uint> characters = name.toUcs4();
    if (characters.size() <= LongestName)
        return name;
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()),
                             LongestName);
}

QString AskName(QWidget* parent) {
    QInputDialog box(parent);
    box.setWindowTitle("New Best time");
    box.setLabelText("Best time. Please enter your name");
    box.setInputMode(QInputDialog::TextInput);
    box.setTextValue("Anonymous");
    if (auto* field = box.findChild<QLineEdit*>()) {
        field->setMaxLength(255);
        field->selectAll();
    }
    if (box.exec() != QDialog::Accepted)
        return "Anonymous";
    return box.textValue();
}

void TForm1::ShowBestTimes() {
    // However the flow ends, a finished game's time is offered once: a flow stopped by a failure
    // must not leave it for a later Best Times from the menu to record.
    struct ResultOffered {
        ~ResultOffered() { GameState.ResultPending = false; }
    } resultOffered;
    ResetRequested = false;
    ScoreLines.LoadFromFile(ScoreFileName);
    const int k = LocateMarker(ScoreLines);
    std::array<BestTimeRecord, 3> records = ReadBestTimes(ScoreLines, k);

    if (GameState.ResultPending) {
        const int level = LevelOrdinal(GameState.ShownPerBlock);
        if (GameState.ElapsedSeconds < records[level].Seconds) {
            if (GameState.SoundOn)
                PlayEffect(MediaPlayer1, "best.wav");
            const QString name = NameForRecord(AskName(this));
            WriteBestTime(ScoreLines, k, level, name, GameState.ElapsedSeconds);
            ScoreLines.SaveToFile(ScoreFileName);
        }
        GameState.ResultPending = false;
        // Show what is stored: read the block again at the same place.
        ScoreLines.LoadFromFile(ScoreFileName);
        records = ReadBestTimes(ScoreLines, k);
    }

    FillBestTimesWindow(records);
    Form4->ShowModal();

    if (ResetRequested) {
        ResetBestTimes(ScoreLines, k);
        ScoreLines.SaveToFile(ScoreFileName);
        ResetRequested = false;
    }
}
