// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A long session: many games in one process through the real window, with random play between
// the commands, and the outcome of every event checked: the givens never change, every value and
// tool stays in range, a click changes no cell but the one under the pointer, Submit shows exactly
// when the grid is full, the clock runs only in play, and the phases, windows and score file
// follow the commands. It also measures the resident memory and the time of a new puzzle from the
// first games to the last.
//
//   session_long_test [--games N] [--seed S]    (or TOLVANE_SESSION_GAMES, TOLVANE_SESSION_SEED)
//
// TOLVANE_SESSION_TRACE=1 prints the time and generator attempts of every new puzzle.
//
// The test's choices come from the seed it prints, and the game's generator is seeded from it as
// well, so a failure replays with the same seed (up to where the clock happened to tick).

#include "app/MainWindow.h"
#include "engine/Game.h"
#include "engine/Random.h"
#include "engine/TimeText.h"
#include "records/ScoreFile.h"
#include "tests/support/GamePlay.h"
#include "tests/support/GameSession.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestWindows.h"
#include "view/BestTimesWindow.h"
#include "view/BoardArea.h"
#include "view/NoticeWindow.h"
#include "view/ProgressWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <malloc.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <numeric>
#include <optional>
#include <random>
#include <vector>

namespace {

struct Settings {
    int Games = 50;
    std::uint64_t Seed = 20240611;
};
Settings TheSettings;

// Raised by the checks after an event and caught in the test function itself; it is never thrown
// from inside a Qt call (answers to modal windows only note their failures).
struct SessionFailure {
    QString Why;
};

class Dice {
  public:
    explicit Dice(std::uint64_t seed) : Engine(seed) {}
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(Engine); }
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(Engine) < p; }
    template <class T> void Shuffle(std::vector<T>& items) {
        std::shuffle(items.begin(), items.end(), Engine);
    }

  private:
    std::mt19937_64 Engine;
};

// ---- the board as the player sees it ----

// Whether a point lies on a cell, its frame lines included: a point on the line between two
// cells lies on both.
bool Touches(QPoint at, int cell) {
    const QRect square = CellSquare(cell);
    return at.x() >= square.left() && at.x() <= square.left() + CellPixels &&
           at.y() >= square.top() && at.y() <= square.top() + CellPixels;
}

int BlockOf(int i) {
    return (RowOf(i) - 1) / 3 * 3 + (ColumnOf(i) - 1) / 3 + 1;
}

QString TimeTextFor(int seconds) {
    return QString::fromStdString(TimeTextOf(seconds));
}

int LevelIndex(int shownPerBlock) {
    return LevelOf(shownPerBlock);
}

struct Record {
    QString Name;
    int Seconds = 0;
};

// ---- memory ----

long RssKiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Bytes handed out by malloc and not yet freed: unlike the resident size it does not keep freed
// memory that the allocator holds on to.
long long HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
}

// The lines the progress window holds: no more than its text box shows.
int ProgressLinesKept() {
    return Windows.Progress->Text->document()->blockCount();
}

// The game's main window, counting the generator's progress lines on their way to the window:
// five an attempt.
class CountingMainWindow : public MainWindow {
  public:
    TextLines& ProgressText() override {
        Counter.Shown = &MainWindow::ProgressText();
        return Counter;
    }
    struct LineCounter : TextLines {
        void Append(std::string_view line) override {
            ++Lines;
            Shown->Append(line);
        }
        TextLines* Shown = nullptr;
        long long Lines = 0;
    } Counter;
};

long long ProgressLineCount() {
    return static_cast<CountingMainWindow*>(Windows.Main)->Counter.Lines;
}

struct Sample {
    int Game = 0;
    long Rss = 0;
    long long Heap = 0;
    int Progress = 0;
};

// ---- mouse, sent straight to the client area as the support's ClickAt does ----

enum class ClickStyle { Plain, Double, Right, DragOff };

void Click(QPoint at, ClickStyle style) {
    switch (style) {
    case ClickStyle::Plain:
        ClickAt(at.x(), at.y());
        break;
    case ClickStyle::Double:
        SendMouse(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
        SendMouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        SendMouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        SendMouse(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        SendMouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        break;
    case ClickStyle::Right:
        SendMouse(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
        SendMouse(QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
        SendMouse(QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);
        break;
    case ClickStyle::DragOff: {
        // Pressed on the board, released off the client area: no click.
        const QPointF away(-4, -4);
        SendMouse(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
        SendMouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        SendMouse(QEvent::MouseMove, away, Qt::NoButton, Qt::LeftButton);
        SendMouse(QEvent::MouseButtonRelease, away, Qt::LeftButton, Qt::NoButton);
        break;
    }
    }
}

const char* StyleName(ClickStyle style) {
    switch (style) {
    case ClickStyle::Plain:
        return "click";
    case ClickStyle::Double:
        return "double-click";
    case ClickStyle::Right:
        return "right click";
    case ClickStyle::DragOff:
        return "press and drag off";
    }
    return "?";
}

ClickStyle RandomStyle(Dice& roll) {
    const int r = roll.Between(1, 100);
    return r <= 85   ? ClickStyle::Plain
           : r <= 92 ? ClickStyle::Double
           : r <= 96 ? ClickStyle::Right
                     : ClickStyle::DragOff;
}

void Settle() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The offscreen platform says this for every raise and size hint; it would bury the run's output.
QtMessageHandler PreviousHandler = nullptr;
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith("This plugin does not support"))
        return;
    if (PreviousHandler)
        PreviousHandler(type, context, message);
}

} // namespace

class LongSessionTest : public QObject {
    Q_OBJECT

  public:
    LongSessionTest() : Roll(TheSettings.Seed) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void manyGamesInOneProcess();

  private:
    // What the test expects of the game's phases and records, kept from its commands and answers.
    struct Model {
        OneBased<std::int32_t, 81> Solution;
        OneBased<bool, 81> Given;
        int Level = 4;
        bool Guessing = false;
        bool Playing = false;
        bool Started = false;
        bool Finished = false;
        bool SubmitShown = false;
        int FinishedSeconds = 0;
        int LastSeconds = 0;
        std::array<Record, 3> Records;
    };
    // How the next modal windows are answered.
    struct Plan {
        bool NewGameYes = true;
        bool ClearAllYes = true;
        std::optional<std::vector<char32_t>> Name; // none: Cancel
        bool ResetScores = false;
        bool ResetYes = false;
    };
    // What the modal windows of one event showed.
    struct Seen {
        QStringList Trail;
        qint64 YesAt = -1;
        qint64 GeneratedAt = -1;
        int CorrectSeconds = -1;
        QString CorrectTimeText;
        bool RecordExpected = false;
    };

    // Events.
    void Begin(const QString& what);
    void Done();
    void StartGame(bool yes, int command);
    void ClickEvent(QPoint at, ClickStyle style);
    void ToolButton(int button);
    void Wheel(int delta);
    void ToggleGuessing();
    void Pause();
    void ClearAll(bool yes);
    void Solve();
    void SubmitCorrect(bool viaMenu);
    void SubmitWrong();
    void SubmitIncomplete();
    void BestTimesFromMenu();
    void Wait();

    // Play.
    void PlayGame();
    void RandomEvent();
    void FillGrid(int wrongCell);
    void PlaceInCell(int cell, int value);
    void ChooseToolFor(int value);
    QPoint RandomCellPoint(int cell);
    QPoint RandomBoardPoint();
    QPoint RandomMarginPoint();
    std::vector<char32_t> RandomName();

    // Checks.
    void Expect(bool ok, const QString& what);
    void CheckState();
    void CheckScoreFile();
    void CheckNewPuzzle();
    bool Full() const;
    int Tool() const;

    // Answers.
    void Answer(QWidget* window, qint64 shownAt);
    void AnswerBestTimes();
    void PressButton(QWidget* window, const QString& text);

    void TakeSample(int game);

    std::unique_ptr<GameSession> Session;
    Dice Roll;
    Model M;
    Plan Next;
    Seen Now;
    QStringList Failures;
    QString Action;
    int Game = 0;
    long Events = 0;
    QElapsedTimer Clock;

    // The score file as supplied, and where its best-times block starts.
    QStringList OriginalLines;
    int MarkerIndex = 0;

    std::vector<double> GenerationMs;
    std::vector<int> GenerationAttempts;
    std::vector<Sample> Samples;
    Sample Before;
    long Clicks = 0, NewGames = 0, Submits = 0, Rejections = 0, Solves = 0, Pauses = 0,
         ClearAlls = 0, NewRecords = 0, Resets = 0, Abandoned = 0, Waits = 0;
};

// ---- answers ----

bool LongSessionTest::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow() && window->isModal()) {
            // Answered from its own event loop, which starts right after the show.
            const qint64 shownAt = Clock.nsecsElapsed();
            QPointer<QWidget> guard(window);
            QTimer::singleShot(0, this, [this, guard, shownAt] {
                if (guard && guard->isVisible())
                    Answer(guard, shownAt);
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

void LongSessionTest::PressButton(QWidget* window, const QString& text) {
    if (QAbstractButton* button = FindButton(window, text)) {
        button->click();
        return;
    }
    Expect(false, "window '" + window->windowTitle() + "' has no button " + text);
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->reject();
}

void LongSessionTest::Answer(QWidget* window, qint64 shownAt) {
    // Only a new puzzle and the pause stop the clock under a modal window.
    if (window != Windows.Notice)
        Expect(Windows.Main->Clock.isActive() == TheGame().Playing,
               "under '" + window->windowTitle() + "' the clock does not match play");
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        const QString text = box->text();
        Now.Trail << box->windowTitle() + "|" + text;
        if (text == "Start a new puzzle?") {
            if (Next.NewGameYes)
                Now.YesAt = Clock.nsecsElapsed();
            PressButton(box, Next.NewGameYes ? "Yes" : "No");
        } else if (text == "Clear all inserted values?") {
            PressButton(box, Next.ClearAllYes ? "Yes" : "No");
        } else if (text == "Reset the best scores?") {
            if (Next.ResetYes)
                M.Records.fill({"", 86400});
            PressButton(box, Next.ResetYes ? "Yes" : "No");
        } else if (text.startsWith("Correct. Your time is ")) {
            // Play has stopped, so this is the time the best-times flow compares.
            Expect(!Windows.Main->Clock.isActive() && !TheGame().Playing,
                   "the clock still runs under the result message");
            Now.CorrectSeconds = TheGame().ElapsedSeconds;
            Now.CorrectTimeText = QString::fromStdString(TheGame().TimeText);
            Now.RecordExpected = Now.CorrectSeconds < M.Records[LevelIndex(M.Level)].Seconds;
            PressButton(box, "OK");
        } else if (text == "Puzzle solved incorrectly, press OK to continue.") {
            PressButton(box, "OK");
        } else {
            Expect(false, "unexpected message: " + box->windowTitle() + "|" + text);
            PressButton(box, box->buttons().isEmpty() ? "OK" : box->buttons().first()->text());
        }
        return;
    }
    if (auto* input = qobject_cast<QInputDialog*>(window)) {
        Now.Trail << "Name";
        Expect(input->windowTitle() == "New Best time" && input->textValue() == "Anonymous",
               "the name box is not as designed");
        QString stored = "Anonymous";
        if (Next.Name) {
            const std::vector<char32_t>& name = *Next.Name;
            const qsizetype kept = std::min<qsizetype>(15, qsizetype(name.size()));
            stored = QString::fromUcs4(name.data(), kept);
            TypeAndPress(QString::fromUcs4(name.data(), qsizetype(name.size())), "OK")(input);
        } else {
            PressButton(input, "Cancel");
        }
        M.Records[LevelIndex(M.Level)] = {stored, Now.CorrectSeconds};
        ++NewRecords;
        return;
    }
    if (window == Windows.Notice) {
        const QStringList lines = Windows.Notice->Lines();
        Now.Trail << Windows.Notice->windowTitle() + "|" + lines.join('/');
        if (lines.value(0) == "New puzzle generated.") {
            Now.GeneratedAt = shownAt;
            Expect(!Windows.Main->isEnabled() && !Windows.Main->Clock.isActive() &&
                       !Windows.Progress->isVisible() &&
                       !Windows.Main->windowFlags().testFlag(Qt::WindowMinimizeButtonHint),
                   "waiting for OK, the main window takes input or the clock runs");
        } else {
            Expect(TheGame().Playing && !Windows.Main->Clock.isActive(),
                   "during the pause the clock runs or play has stopped");
        }
        Windows.Notice->OkButton->click();
        return;
    }
    if (window == Windows.BestTimes) {
        Now.Trail << "Best times";
        AnswerBestTimes();
        return;
    }
    Expect(false, QString("unexpected modal window %1 '%2'")
                      .arg(window->metaObject()->className(), window->windowTitle()));
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->reject();
}

void LongSessionTest::AnswerBestTimes() {
    QStringList names, times;
    for (const Record& record : M.Records) {
        names << record.Name;
        times << " " + TimeTextFor(record.Seconds);
    }
    Expect(Windows.BestTimes->PlayerNames->toPlainText() == names.join("\n\n"),
           "best-times window shows names '" + Windows.BestTimes->PlayerNames->toPlainText() +
               "', expected '" + names.join("\n\n") + "'");
    Expect(Windows.BestTimes->Times->toPlainText() == times.join("\n\n"),
           "best-times window shows times '" + Windows.BestTimes->Times->toPlainText() +
               "', expected '" + times.join("\n\n") + "'");
    if (Next.ResetScores) {
        Resets += Next.ResetYes;
        Windows.BestTimes->ResetButton->click(); // asks, and closes on either answer
    } else {
        Windows.BestTimes->OkButton->click();
    }
}

// ---- checks ----

void LongSessionTest::Expect(bool ok, const QString& what) {
    if (!ok)
        Failures << what;
}

bool LongSessionTest::Full() const {
    for (int i = 1; i <= 81; ++i)
        if (TheGame().Entries[i] == 0)
            return false;
    return true;
}

int LongSessionTest::Tool() const {
    return TheGame().SelectedValue;
}

void LongSessionTest::CheckScoreFile() {
    ScoreFileStore lines;
    try {
        lines.LoadFromFile(ScoreFileName);
        const int k = LocateMarker(lines);
        const std::array<BestTimeRecord, LevelCount> read = ReadBestTimes(lines, k);
        Expect(k == MarkerIndex,
               QString("score file: marker at %1, was %2").arg(k).arg(MarkerIndex));
        Expect(
            lines.Count() == OriginalLines.size(),
            QString("score file: %1 lines, was %2").arg(lines.Count()).arg(OriginalLines.size()));
        for (int i = 0; i < std::min<int>(lines.Count(), OriginalLines.size()); ++i)
            if (i <= MarkerIndex || i > MarkerIndex + 6)
                Expect(lines.Get(i) == OriginalLines[i],
                       QString("score file: line %1 changed to '%2'").arg(i).arg(lines.Get(i)));
        for (int j = 0; j < 3; ++j) {
            Expect(read[j].Name == M.Records[j].Name && read[j].Seconds == M.Records[j].Seconds &&
                       lines.Get(k + 2 + 2 * j) == QString::number(M.Records[j].Seconds),
                   QString("score file: level %1 holds '%2' %3, expected '%4' %5")
                       .arg(j)
                       .arg(read[j].Name)
                       .arg(read[j].Seconds)
                       .arg(M.Records[j].Name)
                       .arg(M.Records[j].Seconds));
        }
    } catch (const std::exception& error) {
        Expect(false, QString("score file does not parse: ") + error.what());
    }
}

void LongSessionTest::CheckState() {
    if (M.Started) {
        Expect(TheGame().Solution == M.Solution && TheGame().Given == M.Given,
               "the puzzle changed during the game");
        for (int i = 1; i <= 81; ++i)
            if (TheGame().Given[i])
                Expect(TheGame().Entries[i] == TheGame().Solution[i],
                       QString("given cell %1 changed").arg(i));
    }
    for (int i = 1; i <= 81; ++i) {
        const int entry = TheGame().Entries[i], guess = TheGame().Guesses[i];
        Expect(entry >= 0 && entry <= 9 && guess >= 0 && guess <= 9,
               QString("cell %1 holds entry %2, guess %3").arg(i).arg(entry).arg(guess));
    }

    const int tool = TheGame().SelectedValue;
    Expect(tool == NoTool || (tool >= 1 && tool <= 9) || tool == EraseTool,
           QString("SelectedValue %1").arg(tool));
    QAbstractButton* down = Windows.Main->ToolGroup->checkedButton();
    Expect(tool == NoTool ? down == nullptr
                          : down == Windows.Main->ToolButtons[tool == EraseTool ? 9 : tool - 1],
           "the tool button that is down is not the tool");
    Expect(Windows.Main->GuessingBox->isChecked() == M.Guessing, "\"Just guessing\" is not as set");

    Expect(Windows.Main->SubmitButton->isVisible() == M.SubmitShown,
           QString("Submit button %1, expected %2")
               .arg(Windows.Main->SubmitButton->isVisible() ? "shown" : "hidden",
                    M.SubmitShown ? "shown" : "hidden"));
    Expect(Windows.Main->SubmitItem->isEnabled() == M.SubmitShown,
           "menu item Submit not as the button");

    Expect(TheGame().Playing == M.Playing, QString("Playing is %1").arg(TheGame().Playing));
    Expect(Windows.Main->Clock.isActive() == M.Playing, "the clock does not match the phase");
    Expect(Windows.Main->PauseItem->isEnabled() == M.Playing &&
               Windows.Main->SolveItem->isEnabled() == M.Playing &&
               Windows.Main->ClearAllItem->isEnabled() == M.Playing,
           "Pause, Solve, Clear all not enabled as the phase");
    Expect(Windows.Main->PrintItem->isEnabled() == M.Started,
           "Print enabled before a game or off after");
    if (M.Finished)
        Expect(TheGame().ElapsedSeconds == M.FinishedSeconds, "the clock went on after the end");
    if (M.Playing) {
        Expect(TheGame().ElapsedSeconds >= M.LastSeconds, "the clock went backwards");
        if (TheGame().ElapsedSeconds > 0)
            Expect(Windows.Main->StatusLine->text() ==
                       "Time: " + TimeTextFor(TheGame().ElapsedSeconds),
                   "status line '" + Windows.Main->StatusLine->text() + "'");
        M.LastSeconds = TheGame().ElapsedSeconds;
    }

    Expect(TheGame().ShownPerBlock == M.Level, "the level changed");
    Expect(Windows.Main->EasyItem->isChecked() == (M.Level == 5) &&
               Windows.Main->MediumItem->isChecked() == (M.Level == 4) &&
               Windows.Main->HardItem->isChecked() == (M.Level == 3),
           "the level's check marks");

    Expect(Windows.Main->isEnabled() && QApplication::activeModalWidget() == nullptr &&
               !Windows.Progress->isVisible() && !Windows.Notice->isVisible() &&
               !Windows.BestTimes->isVisible(),
           "a window is left open or the main window is off");
    Expect(Windows.Main->windowFlags().testFlag(Qt::WindowMinimizeButtonHint),
           "the main window has no minimize icon");
    Expect(!TheGame().ResultPending, "a flag of the best-times flow stays set");
    CheckScoreFile();
}

void LongSessionTest::CheckNewPuzzle() {
    // Every row, column and block of the solution holds 1 to 9 once.
    std::array<int, 27> units{};
    for (int i = 1; i <= 81; ++i) {
        const int bit = 1 << TheGame().Solution[i];
        units[RowOf(i) - 1] |= bit;
        units[9 + ColumnOf(i) - 1] |= bit;
        units[18 + BlockOf(i) - 1] |= bit;
    }
    for (int u = 0; u < 27; ++u)
        Expect(units[u] == 0x3FE, QString("the new solution breaks a rule in unit %1").arg(u));
    std::array<int, 9> givens{};
    for (int i = 1; i <= 81; ++i) {
        givens[BlockOf(i) - 1] += TheGame().Given[i];
        Expect(TheGame().Entries[i] == (TheGame().Given[i] ? TheGame().Solution[i] : 0) &&
                   TheGame().Guesses[i] == 0,
               QString("new puzzle: cell %1 does not start as its given or empty").arg(i));
    }
    for (int b = 0; b < 9; ++b)
        Expect(givens[b] == M.Level, QString("new puzzle: block %1 has %2 givens, level %3")
                                         .arg(b + 1)
                                         .arg(givens[b])
                                         .arg(M.Level));
}

// ---- events ----

void LongSessionTest::Begin(const QString& what) {
    Action = what;
    Now = Seen();
}

void LongSessionTest::Done() {
    ++Events;
    CheckState();
    if (!Failures.isEmpty())
        throw SessionFailure{Failures.join("\n  ")};
}

void LongSessionTest::ClickEvent(QPoint at, ClickStyle style) {
    Begin(QString("%1 at %2,%3").arg(StyleName(style)).arg(at.x()).arg(at.y()));
    const auto entries = TheGame().Entries, guesses = TheGame().Guesses;
    Click(at, style);
    Settle();
    ++Clicks;
    for (int i = 1; i <= 81; ++i)
        if (TheGame().Entries[i] != entries[i] || TheGame().Guesses[i] != guesses[i])
            Expect(
                M.Playing && Touches(at, i),
                QString("the click changed cell %1, not under the pointer or not in play").arg(i));
    // Every click in play (a double-click is one) looks at the grid again.
    if (M.Playing && (style == ClickStyle::Plain || style == ClickStyle::Double))
        M.SubmitShown = Full();
    Expect(Now.Trail.isEmpty(), "a click opened " + Now.Trail.join(", "));
    Done();
}

void LongSessionTest::ToolButton(int button) {
    Begin(QString("tool button %1").arg(button));
    ChooseTool(button);
    Settle();
    Expect(Tool() == (button == 10 ? EraseTool : button),
           QString("tool button %1 gave tool %2").arg(button).arg(Tool()));
    Done();
}

void LongSessionTest::Wheel(int delta) {
    Begin(QString("wheel %1").arg(delta));
    const int before = Tool();
    TurnWheel(delta);
    Settle();
    // Only whole notches choose; what they choose is always a digit.
    Expect(Tool() == before || (Tool() >= 1 && Tool() <= 9),
           QString("the wheel went from tool %1 to %2").arg(before).arg(Tool()));
    Done();
}

void LongSessionTest::ToggleGuessing() {
    Begin("Just guessing");
    Windows.Main->GuessingBox->click();
    Settle();
    M.Guessing = !M.Guessing;
    Done();
}

void LongSessionTest::StartGame(bool yes, int command) {
    QAction* items[] = {Windows.Main->NewItem, Windows.Main->EasyItem, Windows.Main->MediumItem,
                        Windows.Main->HardItem};
    Begin(QString("%1, answered %2").arg(items[command]->text(), yes ? "Yes" : "No"));
    Next.NewGameYes = yes;
    const long long progressBefore = ProgressLineCount();
    items[command]->trigger();
    Settle();
    if (!yes) {
        Expect(Now.Trail == QStringList{"Confirm|Start a new puzzle?"},
               "New answered No showed " + Now.Trail.join(", "));
        Done();
        return;
    }
    ++NewGames;
    Expect(Now.Trail == QStringList{"Confirm|Start a new puzzle?",
                                    "Paused|New puzzle generated.//Click OK to start."},
           "New showed " + Now.Trail.join(", "));
    if (Now.YesAt >= 0 && Now.GeneratedAt >= 0) {
        GenerationMs.push_back(double(Now.GeneratedAt - Now.YesAt) / 1e6);
        // Five progress lines for each attempt of the generator.
        GenerationAttempts.push_back(static_cast<int>((ProgressLineCount() - progressBefore) / 5));
        if (qEnvironmentVariableIsSet("TOLVANE_SESSION_TRACE"))
            std::printf("    new game %ld: %.1f ms, %d attempts\n", NewGames, GenerationMs.back(),
                        GenerationAttempts.back());
    }
    if (command > 0)
        M.Level = 6 - command;
    M.Solution = TheGame().Solution;
    M.Given = TheGame().Given;
    CheckNewPuzzle();
    // The tool and the Submit button stay as they were.
    M.Guessing = false;
    M.Playing = M.Started = true;
    M.Finished = false;
    M.LastSeconds = 0;
    Expect(TheGame().ElapsedSeconds <= 1, "a new game starts with time on the clock");
    Done();
}

void LongSessionTest::Pause() {
    Begin("Pause");
    ++Pauses;
    Windows.Main->PauseItem->trigger();
    Settle();
    Expect(Now.Trail == QStringList{"Paused|Game paused//Press OK to continue"},
           "Pause showed " + Now.Trail.join(", "));
    Done();
}

void LongSessionTest::ClearAll(bool yes) {
    Begin(QString("Clear all, answered %1").arg(yes ? "Yes" : "No"));
    ++ClearAlls;
    Next.ClearAllYes = yes;
    Windows.Main->ClearAllItem->trigger();
    Settle();
    Expect(Now.Trail == QStringList{"Confirm|Clear all inserted values?"},
           "Clear all showed " + Now.Trail.join(", "));
    for (int i = 1; i <= 81; ++i)
        if (yes)
            Expect(TheGame().Entries[i] == (M.Given[i] ? M.Solution[i] : 0) &&
                       TheGame().Guesses[i] == 0,
                   QString("Clear all left cell %1").arg(i));
    Done();
}

void LongSessionTest::Solve() {
    Begin("Solve");
    ++Solves;
    Windows.Main->SolveItem->trigger();
    Settle();
    Expect(Now.Trail.isEmpty(), "Solve showed " + Now.Trail.join(", "));
    for (int i = 1; i <= 81; ++i)
        Expect(TheGame().Entries[i] == M.Solution[i], QString("Solve left cell %1").arg(i));
    M.Playing = M.SubmitShown = false;
    M.Finished = true;
    M.FinishedSeconds = TheGame().ElapsedSeconds;
    Expect(Windows.Main->StatusLine->text() == "Solved by computer", "status line after Solve");
    Done();
}

void LongSessionTest::SubmitCorrect(bool viaMenu) {
    Begin(QString("Submit (%1), a correct grid").arg(viaMenu ? "menu" : "button"));
    ++Submits;
    Next.Name.reset();
    if (Roll.Chance(0.7))
        Next.Name = RandomName();
    Next.ResetScores = Roll.Chance(0.3);
    Next.ResetYes = Roll.Chance(0.5);
    if (viaMenu)
        Windows.Main->SubmitItem->trigger();
    else
        Windows.Main->SubmitButton->click();
    Settle();
    const QStringList& trail = Now.Trail;
    int at = 0;
    Expect(trail.value(at++) == "Information|Correct. Your time is " + Now.CorrectTimeText,
           "Submit showed " + trail.join(", "));
    if (Now.CorrectSeconds > 0)
        Expect(Now.CorrectTimeText == TimeTextFor(Now.CorrectSeconds),
               "the time text is not the clock's");
    if (Now.RecordExpected)
        Expect(trail.value(at++) == "Name", "no name asked for a new best time");
    Expect(trail.value(at++) == "Best times", "Submit showed " + trail.join(", "));
    if (Next.ResetScores)
        Expect(trail.value(at++) == "Confirm|Reset the best scores?",
               "Reset scores showed " + trail.join(", "));
    Expect(at == trail.size(), "Submit showed " + trail.join(", "));
    M.Playing = M.SubmitShown = false;
    M.Finished = true;
    M.FinishedSeconds = Now.CorrectSeconds;
    Done();
}

void LongSessionTest::SubmitWrong() {
    Begin("Submit, a wrong grid");
    ++Rejections;
    Windows.Main->SubmitButton->click();
    Settle();
    Expect(Now.Trail == QStringList{"Information|Puzzle solved incorrectly, press OK to continue."},
           "a wrong grid showed " + Now.Trail.join(", "));
    Done();
}

void LongSessionTest::SubmitIncomplete() {
    Begin("Submit, a grid with empty cells");
    Windows.Main->SubmitButton->click();
    Settle();
    Expect(Now.Trail.isEmpty(), "Submit on empty cells showed " + Now.Trail.join(", "));
    Done();
}

void LongSessionTest::BestTimesFromMenu() {
    Begin("Best Times");
    Next.ResetScores = Roll.Chance(0.3);
    Next.ResetYes = Roll.Chance(0.5);
    Windows.Main->BestTimesItem->trigger();
    Settle();
    QStringList expected{"Best times"};
    if (Next.ResetScores)
        expected << "Confirm|Reset the best scores?";
    Expect(Now.Trail == expected, "Best Times showed " + Now.Trail.join(", "));
    Done();
}

void LongSessionTest::Wait() {
    Begin("a second of thought");
    ++Waits;
    const int before = TheGame().ElapsedSeconds;
    QTest::qWait(1100);
    Settle();
    Expect(M.Playing ? TheGame().ElapsedSeconds > before : TheGame().ElapsedSeconds == before,
           QString("the clock went from %1 to %2").arg(before).arg(TheGame().ElapsedSeconds));
    Done();
}

// ---- play ----

QPoint LongSessionTest::RandomCellPoint(int cell) {
    const int column = ColumnOf(cell), row = RowOf(cell);
    return {CellPixels * column + Roll.Between(1, CellPixels - 1),
            CellPixels * row + Roll.Between(1, CellPixels - 1)};
}

QPoint LongSessionTest::RandomMarginPoint() {
    const QSize area = Windows.Main->ClientArea->size();
    for (int attempt = 0; attempt < 50; ++attempt) {
        const QPoint at(Roll.Between(0, area.width() - 1), Roll.Between(0, area.height() - 1));
        const bool onBoard = at.x() >= BoardFirst && at.x() <= BoardLast && at.y() >= BoardFirst &&
                             at.y() <= BoardLast;
        // Only the client area itself: the tool panel and the other children take their own.
        if (!onBoard && Windows.Main->ClientArea->childAt(at) == nullptr)
            return at;
    }
    return {Roll.Between(0, BoardFirst - 1), Roll.Between(0, BoardLast)};
}

QPoint LongSessionTest::RandomBoardPoint() {
    const int line = CellPixels * Roll.Between(2, 9);
    const int edge = Roll.Chance(0.5) ? BoardFirst : BoardLast;
    const int anywhere = Roll.Between(BoardFirst, BoardLast);
    switch (Roll.Between(0, 6)) {
    case 0:
        return CellCentre(Roll.Between(1, 81));
    case 1:
    case 2:
        return RandomCellPoint(Roll.Between(1, 81));
    case 3: // on a line between two cells
        return Roll.Chance(0.5) ? QPoint(line, anywhere) : QPoint(anywhere, line);
    case 4: // where two lines cross
        return {CellPixels * Roll.Between(2, 9), CellPixels * Roll.Between(2, 9)};
    case 5: // on the board's outer edge
        return Roll.Chance(0.5) ? QPoint(edge, anywhere) : QPoint(anywhere, edge);
    default:
        return RandomMarginPoint();
    }
}

std::vector<char32_t> LongSessionTest::RandomName() {
    static const std::u32string pool =
        U"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
        U" -'.éßøЖλ漢字\U0001F600\U0001D11E";
    std::vector<char32_t> name(std::size_t(Roll.Between(0, 20)));
    for (char32_t& c : name)
        c = pool[std::size_t(Roll.Between(0, int(pool.size()) - 1))];
    return name;
}

void LongSessionTest::RandomEvent() {
    static const int deltas[] = {120, -120, 60, -60, 240, -240, 30, -30, 90, -90, 360, -360, 15};
    const int r = Roll.Between(1, 100);
    if (r <= 28) {
        ClickEvent(RandomBoardPoint(), RandomStyle(Roll));
    } else if (r <= 40) {
        ToolButton(Roll.Between(1, 10));
    } else if (r <= 52) {
        Wheel(deltas[Roll.Between(0, int(std::size(deltas)) - 1)]);
    } else if (r <= 59) {
        ToggleGuessing();
    } else if (r <= 70) {
        // Erase a cell that holds something, in either mode.
        std::vector<int> filled;
        for (int i = 1; i <= 81; ++i)
            if (!M.Given[i] && (TheGame().Entries[i] || TheGame().Guesses[i]))
                filled.push_back(i);
        if (Tool() != EraseTool)
            ToolButton(10);
        ClickEvent(filled.empty()
                       ? RandomCellPoint(Roll.Between(1, 81))
                       : RandomCellPoint(filled[Roll.Between(0, int(filled.size()) - 1)]),
                   ClickStyle::Plain);
    } else if (r <= 86) {
        // A value, right or wrong, in a random cell.
        if (Roll.Chance(0.5))
            ToolButton(Roll.Between(1, 9));
        ClickEvent(RandomCellPoint(Roll.Between(1, 81)), ClickStyle::Plain);
    } else if (r <= 89) {
        if (M.Playing)
            Pause();
        else
            ClickEvent(RandomBoardPoint(), ClickStyle::Plain);
    } else if (r <= 92) {
        if (M.Playing)
            ClearAll(Roll.Chance(0.6));
        else
            ClickEvent(RandomBoardPoint(), ClickStyle::Plain);
    } else if (r <= 94) {
        BestTimesFromMenu();
    } else if (r <= 95) {
        Wait();
    } else {
        ClickEvent(RandomMarginPoint(), ClickStyle::Plain);
    }
}

void LongSessionTest::ChooseToolFor(int value) {
    if (value == EraseTool || Roll.Chance(0.5)) {
        if (Tool() != value || Roll.Chance(0.2))
            ToolButton(value == EraseTool ? 10 : value);
        return;
    }
    // By the wheel, whole or half notches, the short way round.
    for (int turns = 0; Tool() != value && turns < 40; ++turns) {
        bool next;
        if (Tool() >= 1 && Tool() <= 9)
            next = (value - Tool() + 9) % 9 <= 4;
        else
            next = value <= 5;
        const int size = Roll.Chance(0.3) ? 60 : 120;
        Wheel(next ? -size : size);
    }
    Expect(Tool() == value, QString("the wheel never reached tool %1").arg(value));
}

void LongSessionTest::PlaceInCell(int cell, int value) {
    if (TheGame().Entries[cell] != 0) {
        ChooseToolFor(EraseTool);
        if (Roll.Chance(0.2))
            ToggleGuessing(); // Erase works in both modes
        ClickEvent(RandomCellPoint(cell), ClickStyle::Plain);
    }
    if (M.Guessing)
        ToggleGuessing();
    ChooseToolFor(value);
    // Now and then on a line that belongs to this cell.
    QPoint at = RandomCellPoint(cell);
    const int column = ColumnOf(cell);
    if (column % 2 == 0 && Roll.Chance(0.15))
        at.setX(CellPixels * (column + Roll.Between(0, 1)));
    ClickEvent(at, Roll.Chance(0.05) ? ClickStyle::Double : ClickStyle::Plain);
    Expect(TheGame().Entries[cell] == value, QString("cell %1 holds %2 after %3 was placed")
                                                 .arg(cell)
                                                 .arg(TheGame().Entries[cell])
                                                 .arg(value));
}

// Puts the solution into every open cell by clicks, `wrongCell` (when not 0) getting a wrong
// value instead, placed last.
void LongSessionTest::FillGrid(int wrongCell) {
    const int wrongValue = wrongCell ? M.Solution[wrongCell] % 9 + 1 : 0;
    std::vector<int> cells;
    for (int i = 1; i <= 81; ++i)
        if (!M.Given[i] && i != wrongCell && TheGame().Entries[i] != M.Solution[i])
            cells.push_back(i);
    Roll.Shuffle(cells);
    for (int i : cells)
        PlaceInCell(i, M.Solution[i]);
    if (wrongCell && TheGame().Entries[wrongCell] != wrongValue)
        PlaceInCell(wrongCell, wrongValue);
    // Nothing was missing: a click beside the board runs the check.
    if (!M.SubmitShown)
        ClickEvent(RandomMarginPoint(), ClickStyle::Plain);
}

void LongSessionTest::PlayGame() {
    static const int commands[] = {0, 0, 0, 0, 0, 0, 1, 2, 3};
    const int command = commands[Roll.Between(0, 8)];
    if (Roll.Chance(0.08))
        StartGame(false, command);
    StartGame(true, command);
    for (int n = Roll.Between(3, 30); n > 0; --n)
        RandomEvent();

    const int ending = Roll.Between(1, 100);
    if (ending <= 10) {
        Solve();
    } else if (ending <= 14) {
        ++Abandoned; // the next New comes during play
    } else {
        std::vector<int> open;
        for (int i = 1; i <= 81; ++i)
            if (!M.Given[i])
                open.push_back(i);
        const int wrongCell = Roll.Chance(0.15) ? open[Roll.Between(0, int(open.size()) - 1)] : 0;
        FillGrid(wrongCell);
        if (wrongCell) {
            SubmitWrong();
            PlaceInCell(wrongCell, M.Solution[wrongCell]);
        }
        if (Roll.Chance(0.06)) {
            // Clear all leaves Submit shown on a grid with empty cells: it does nothing.
            ClearAll(true);
            SubmitIncomplete();
            FillGrid(0);
        }
        if (M.SubmitShown)
            SubmitCorrect(Roll.Chance(0.4));
    }
    for (int n = Roll.Between(0, 4); n > 0; --n)
        RandomEvent();
}

// ---- the run ----

void LongSessionTest::TakeSample(int game) {
    Settle();
    Samples.push_back({game, RssKiB(), HeapInUse(), ProgressLinesKept()});
}

void LongSessionTest::initTestCase() {
    PrepareApplication();
    PreviousHandler = qInstallMessageHandler(QuietHandler);
    std::printf("session: %d games, seed %llu (replay with --games %d --seed %llu)\n",
                TheSettings.Games, static_cast<unsigned long long>(TheSettings.Seed),
                TheSettings.Games, static_cast<unsigned long long>(TheSettings.Seed));
    std::fflush(stdout);
    Session = std::make_unique<GameSession>(GameSession::Files::Supplied, false);
    Session->Start([] { return new CountingMainWindow; });
    TheGame().Draws.Seed(TheSettings.Seed);
    Session->ShowMainWindow();
    qApp->installEventFilter(this);
    Clock.start();

    ScoreFileStore lines;
    try {
        lines.LoadFromFile(ScoreFileName);
        MarkerIndex = LocateMarker(lines);
        for (int i = 0; i < lines.Count(); ++i)
            OriginalLines << lines.Get(i);
        for (int j = 0; j < 3; ++j)
            M.Records[j] = {OriginalLines[MarkerIndex + 1 + 2 * j],
                            OriginalLines[MarkerIndex + 2 + 2 * j].toInt()};
    } catch (const std::exception& error) {
        QFAIL(error.what());
    }
    M.Level = TheGame().ShownPerBlock;
}

void LongSessionTest::cleanupTestCase() {
    qApp->removeEventFilter(this);
    Session.reset();
    qInstallMessageHandler(PreviousHandler);
}

void LongSessionTest::manyGamesInOneProcess() {
    const int games = TheSettings.Games;
    QElapsedTimer run;
    run.start();
    try {
        // Before the first game: clicks are ignored, the tools and the wheel work.
        for (int n = 0; n < 6; ++n)
            RandomEvent();
        TakeSample(0);
        Before = Samples.back();
        const int every = std::max(1, games / 10);
        for (Game = 1; Game <= games; ++Game) {
            PlayGame();
            TakeSample(Game);
            if (Game % every == 0 || Game == games) {
                const Sample& s = Samples.back();
                std::printf("  game %4d: %7ld events, %6.1f s, RSS %6ld KiB, heap %7lld KiB, "
                            "progress %6d lines\n",
                            Game, Events, double(run.elapsed()) / 1000, s.Rss, s.Heap / 1024,
                            s.Progress);
                std::fflush(stdout);
            }
        }
    } catch (const SessionFailure& failure) {
        QFAIL(qPrintable(QString("seed %1, game %2, event %3 (%4):\n  %5")
                             .arg(TheSettings.Seed)
                             .arg(Game)
                             .arg(Events + 1)
                             .arg(Action, failure.Why)));
    }
    const double seconds = double(run.elapsed()) / 1000;

    // NewGame over the first and the last ten games, also per attempt of the generator, whose
    // count varies from puzzle to puzzle.
    const std::size_t n = GenerationMs.size(), tail = std::min<std::size_t>(10, n);
    auto timing = [&](std::size_t from) {
        double ms = 0, attempts = 0;
        for (std::size_t i = from; i < from + tail; ++i) {
            ms += GenerationMs[i];
            attempts += GenerationAttempts[i];
        }
        return std::pair{ms / double(std::max<std::size_t>(1, tail)), ms / std::max(1.0, attempts)};
    };
    const auto [firstMs, firstPerAttempt] = timing(0);
    const auto [lastMs, lastPerAttempt] = timing(n - tail);

    // Growth is measured from a game past the start, once the caches of fonts, styles and
    // pixmaps have filled.
    const int baseGame = std::max(1, std::min(10, games / 5));
    const int measured = std::max(1, games - baseGame);
    const Sample& base = Samples[std::size_t(baseGame)];
    const Sample& one = Samples[1];
    const Sample& middle = Samples[std::size_t(games / 2)];
    const Sample& end = Samples.back();
    // Whatever the game keeps grows here: nothing is subtracted.
    const double rssGrowthKiB = double(end.Rss - base.Rss);
    const double heapGrowthKiB = double(end.Heap - base.Heap) / 1024;

    std::printf(
        "session: %d games (%ld started, %ld submitted, %ld rejected, %ld solved, %ld left), "
        "%ld events (%ld clicks, %ld pauses, %ld clear all, %ld records, %ld resets, %ld waits) "
        "in %.1f s\n",
        games, NewGames, Submits, Rejections, Solves, Abandoned, Events, Clicks, Pauses, ClearAlls,
        NewRecords, Resets, Waits, seconds);
    std::printf("  RSS KiB: start %ld, game 1 %ld, game %d %ld, game %d %ld\n", Before.Rss, one.Rss,
                middle.Game, middle.Rss, end.Game, end.Rss);
    std::printf("  heap in use KiB: start %lld, game 1 %lld, game %d %lld, game %d %lld\n",
                Before.Heap / 1024, one.Heap / 1024, middle.Game, middle.Heap / 1024, end.Game,
                end.Heap / 1024);
    std::printf("  NewGame (Yes to the notification): first %zu games %.1f ms (%.2f ms an "
                "attempt), last %zu games %.1f ms (%.2f ms an attempt)\n",
                tail, firstMs, firstPerAttempt, tail, lastMs, lastPerAttempt);
    std::printf("  progress window: %d lines kept\n", end.Progress);
    std::printf("  growth from game %d to %d: RSS %.0f KiB (%.1f KiB a game), heap %.0f KiB (%.1f "
                "KiB a game)\n",
                baseGame, games, rssGrowthKiB, rssGrowthKiB / measured, heapGrowthKiB,
                heapGrowthKiB / measured);
    std::fflush(stdout);

#ifdef __SANITIZE_ADDRESS__
    constexpr bool sanitized = true;
#else
    constexpr bool sanitized = false;
#endif
    if (sanitized) {
        std::printf("  memory not judged: AddressSanitizer holds freed memory back\n");
        return;
    }
    // A leak shows as growth with every game. The resident size keeps what the allocator holds
    // after a peak and the caches that fill once (pixmaps up to 10 MiB, glyphs): a wide slack.
    // The heap in use counts live blocks only and takes a narrower one, above what Qt's internal
    // arrays add when they double.
    const double rssBoundKiB = 16 * 1024 + 64.0 * measured;
    QVERIFY2(rssGrowthKiB <= rssBoundKiB,
             qPrintable(QString("RSS grew by %1 KiB over %2 games (bound %3 KiB)")
                            .arg(rssGrowthKiB, 0, 'f', 0)
                            .arg(measured)
                            .arg(rssBoundKiB, 0, 'f', 0)));
    const double heapBoundKiB = 4 * 1024 + 16.0 * measured;
    QVERIFY2(heapGrowthKiB <= heapBoundKiB,
             qPrintable(QString("the heap grew by %1 KiB over %2 games (bound %3 "
                                "KiB)")
                            .arg(heapGrowthKiB, 0, 'f', 0)
                            .arg(measured)
                            .arg(heapBoundKiB, 0, 'f', 0)));
}

// Reads --games and --seed (or the environment) and passes the rest on to Qt Test.
int main(int argc, char** argv) {
    if (const char* games = std::getenv("TOLVANE_SESSION_GAMES"))
        TheSettings.Games = std::max(1, std::atoi(games));
    if (const char* seed = std::getenv("TOLVANE_SESSION_SEED"))
        TheSettings.Seed = std::strtoull(seed, nullptr, 10);
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--games") == 0 && i + 1 < argc)
            TheSettings.Games = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc)
            TheSettings.Seed = std::strtoull(argv[++i], nullptr, 10);
        else
            rest.push_back(argv[i]);
    }
    // Qt Test ends a test function after five minutes; a long session needs longer.
    if (qEnvironmentVariableIsEmpty("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT",
                QByteArray::number(std::max(300, 8 * TheSettings.Games) * 1000));
    int restCount = int(rest.size());
    QApplication app(restCount, rest.data());
    app.setAttribute(Qt::AA_Use96Dpi, true);
    LongSessionTest test;
    return QTest::qExec(&test, restCount, rest.data());
}

#include "LongSessionTest.moc"
