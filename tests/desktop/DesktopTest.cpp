// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's windows on a real X server under a real window manager, where the offscreen tests
// cannot look: whether the main window stays mapped, painted and in place through many new
// games, where each secondary window stands when it opens, which window the keyboard reaches,
// and what the title bar offers. Every fact is read from the X server (xwininfo, xprop) and every
// key goes through it (xdotool), so the window manager's focus decides where it lands.

#include "app/Forms.h"
#include "app/TForm1.h"
#include "control/CellInput.h"
#include "engine/GameState.h"
#include "engine/TextLines.h"
#include "tests/support/GameSession.h"
#include "tests/support/ModalHelper.h"
#include "view/BoardArea.h"
#include "view/SecondaryForm.h"
#include "view/TForm2.h"
#include "view/TForm3.h"
#include "view/TForm4.h"
#include "view/TForm6.h"
#include "view/TForm7.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <deque>
#include <functional>
#include <map>

namespace {

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000))
        qFatal("%s did not finish", qPrintable(program));
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QString Id(const QWidget* window) {
    return QString::number(window->winId());
}

bool Mapped(const QWidget* window) {
    return Run("xwininfo", {"-id", Id(window)}).contains("Map State: IsViewable");
}

// The client area on the root window, as xwininfo reports it.
QRect Client(const QWidget* window) {
    const QString info = Run("xwininfo", {"-id", Id(window)});
    const auto number = [&info](const QString& label) {
        return QRegularExpression(label + R"(:\s+(-?\d+))").match(info).captured(1).toInt();
    };
    return {number("Absolute upper-left X"), number("Absolute upper-left Y"), number("Width"),
            number("Height")};
}

// The outer frame: the client area grown by the frame extents.
QRect Frame(const QWidget* window) {
    const QRect client = Client(window);
    const QStringList extents = Run("xprop", {"-id", Id(window), "_NET_FRAME_EXTENTS"})
                                    .section('=', 1)
                                    .split(',', Qt::SkipEmptyParts);
    if (extents.size() != 4)
        return client;
    return client.adjusted(-extents[0].toInt(), -extents[2].toInt(), extents[1].toInt(),
                           extents[3].toInt());
}

QString Property(const QWidget* window, const QString& name) {
    return Run("xprop", {"-id", Id(window), name});
}

// Active for the window manager, and the focus-in reached the game.
bool Active(const QWidget* window) {
    // Qt may not have taken in the focus-in yet (none), but it must not think another window
    // has the focus; a key goes to the window the X server sends it to either way.
    const QWindow* focus = QGuiApplication::focusWindow();
    if (focus && focus != window->windowHandle())
        return false;
    const QString line = Run("xprop", {"-root", "_NET_ACTIVE_WINDOW"});
    const QString id = QRegularExpression("0x[0-9a-f]+").match(line).captured(0);
    return id.toULongLong(nullptr, 16) == window->winId();
}

// A key typed on the keyboard: it reaches the window the window manager gave the focus to.
void Type(const QString& key) {
    QProcess::startDetached("xdotool", {"key", key});
}

// A click of the mouse at a point of the window's client area, through the X server.
void ClickAt(const QWidget* window, QPoint inWindow) {
    const QPoint p = Client(window).topLeft() + inWindow;
    Run("xdotool", {"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "1"});
}

// The colour the X server shows at a point of the window's client area.
QColor ScreenPixel(const QWidget* window, QPoint inWindow) {
    const QPoint p = Client(window).topLeft() + inWindow;
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, p.x(), p.y(), 1, 1)
        .toImage()
        .pixelColor(0, 0);
}

QWidget* ActiveModal() {
    return QApplication::activeModalWidget();
}

QString Describe(QWidget* window) {
    if (auto* box = qobject_cast<QMessageBox*>(window))
        return QString("box \"%1\": %2").arg(box->windowTitle(), box->text());
    return QString("window \"%1\"").arg(window ? window->windowTitle() : "none");
}

// Which window is up and which has the focus, for the window manager and for Qt.
QString FocusReport() {
    const QWindow* focus = QGuiApplication::focusWindow();
    return "up: " + Describe(ActiveModal()) + "; active for the window manager: " +
           Run("xprop", {"-root", "_NET_ACTIVE_WINDOW"}).section('#', 1).trimmed() +
           ", for Qt: " + (focus ? focus->title() : QString("none"));
}

// Steps taken from inside the nested event loops of the game's modal windows: each waits until
// its condition holds, then acts and makes way for the next. A step that waits too long is a
// failure, and the box in the way is closed so that the test goes on.
struct Step {
    QString What;
    std::function<bool()> Ready;
    std::function<void()> Act;
};

class Steps : public QObject {
  public:
    Steps() {
        connect(&Poll, &QTimer::timeout, this, &Steps::Next);
        Poll.start(25);
    }
    void Add(Step step) {
        if (Queue.empty())
            Waiting.start();
        Queue.push_back(std::move(step));
    }
    bool Done() const { return Queue.empty(); }
    QString Pending() const {
        return Queue.empty() ? QString() : "still waiting for " + Queue.front().What;
    }
    QStringList Problems;

  private:
    void Next() {
        if (Queue.empty() || Busy)
            return;
        Busy = true;
        if (Queue.front().Ready()) {
            const Step step = Queue.front();
            Queue.pop_front();
            Waiting.start();
            step.Act();
        } else if (Waiting.elapsed() > 5000) {
            Problems << "waited in vain for " + Queue.front().What + "; " + FocusReport();
            Queue.clear();
            if (QWidget* modal = ActiveModal())
                modal->close();
        }
        Busy = false;
    }
    std::deque<Step> Queue;
    QTimer Poll;
    QElapsedTimer Waiting;
    bool Busy = false;
};

bool IsBox(const QString& text) {
    auto* box = qobject_cast<QMessageBox*>(ActiveModal());
    return box && box->text().startsWith(text) && Active(box);
}

bool IsUp(QWidget* window) {
    return ActiveModal() == window && Active(window);
}

// Watches the generator's progress lines: at the end of the first attempt of every generation
// the progress window is up, the event loop held, and the player sees what the X server has.
class GenerationWatch : public TextLines {
  public:
    explicit GenerationWatch(TextLines* shown) : Shown(shown) {}
    void Append(std::string_view line) override {
        Shown->Append(line);
        if (++Lines % TForm2::LinesPerAttempt == 0 && !Seen && OnAttempt) {
            Seen = true;
            OnAttempt();
        }
    }
    std::function<void()> OnAttempt;
    bool Seen = false;

  private:
    TextLines* Shown;
    long long Lines = 0;
};

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GameSession> Session;
    std::unique_ptr<GenerationWatch> Watch;
    Steps Script;
    QRect MainFrame;
    // Where each secondary window's frame must stand when it opens next.
    std::map<const QWidget*, QRect> Expected;
    QStringList Problems;

    void Expect(bool holds, const QString& problem) {
        if (!holds)
            Problems << problem;
    }

    // First showing: centred over the main window by the outer frames, halves truncated. Later
    // showings: where it was left.
    void CheckPlacement(const QWidget* window) {
        const QRect frame = Frame(window);
        auto known = Expected.find(window);
        const QRect want = known != Expected.end()
                               ? known->second
                               : QRect(CentredOver(Frame(Form1), frame.size()), frame.size());
        Expect(frame == want, QString("%1 opened at %2,%3, not %4,%5")
                                  .arg(window->windowTitle())
                                  .arg(frame.x())
                                  .arg(frame.y())
                                  .arg(want.x())
                                  .arg(want.y()));
        Expected[window] = frame;
    }

    void CheckMainWindowInPlace(const QString& when) {
        Expect(Mapped(Form1), "main window unmapped " + when);
        const QRect frame = Frame(Form1);
        Expect(frame == MainFrame,
               QString("main window moved to %1,%2 %3").arg(frame.x()).arg(frame.y()).arg(when));
    }

    // What the game asks for (the Motif functions) and, where the window manager follows that
    // hint, what it offers. Openbox keeps its minimize button whatever the hint says.
    bool MinimizeOffered() {
        const QStringList motif =
            Property(Form1, "_MOTIF_WM_HINTS").section('=', 1).split(',', Qt::SkipEmptyParts);
        const bool asked = motif.size() >= 2 && (motif[1].trimmed().toUInt(nullptr, 16) & 8u);
        if (qEnvironmentVariable("TOLVANE_DESKTOP_WM") != "icewm")
            return asked;
        const bool offered =
            Property(Form1, "_NET_WM_ALLOWED_ACTIONS").contains("_NET_WM_ACTION_MINIMIZE");
        return asked && offered;
    }

    // A modal game window: placed, reached by the keyboard, and closed by Return on its OK.
    void ReturnOn(QWidget* window, QPoint moveTo = {}) {
        Script.Add({window->windowTitle(), [window] { return IsUp(window); },
                    [this, window, moveTo] {
                        CheckPlacement(window);
                        if (!moveTo.isNull()) {
                            Run("xdotool",
                                {"windowmove", "--sync", Id(window), QString::number(moveTo.x()),
                                 QString::number(moveTo.y())});
                            Expected[window] = Frame(window);
                        }
                        Type("Return");
                    }});
    }

    void ReturnOnBox(const QString& text) {
        Script.Add({"box " + text, [text] { return IsBox(text); }, [] { Type("Return"); }});
    }

    // A menu command as the player gives it: a click on the menu's title, then on the item.
    // The window manager judges a window that opens by the player's last input, so the command
    // must come from the mouse, not from the test's own call.
    void Do(QAction* command) {
        QMenuBar* bar = Form1->menuBar();
        QAction* title = nullptr;
        for (QAction* candidate : bar->actions())
            if (candidate->menu() && candidate->menu()->actions().contains(command))
                title = candidate;
        QVERIFY(title);
        ClickAt(Form1, bar->mapTo(Form1, bar->actionGeometry(title).center()));
        QMenu* menu = title->menu();
        QVERIFY(QTest::qWaitFor([menu] { return menu->isVisible(); }, 3000));
        QTest::qWait(50);
        // A popup menu has no frame; Qt's idea of its place is the X server's.
        const QPoint item = menu->mapToGlobal(menu->actionGeometry(command).center());
        Run("xdotool",
            {"mousemove", QString::number(item.x()), QString::number(item.y()), "click", "1"});
        QVERIFY(QTest::qWaitFor([menu] { return !menu->isVisible(); }, 3000));
        // The command's windows come and go; it has ended when no window is left to answer.
        QVERIFY2(QTest::qWaitFor([this] { return Script.Done() && !ActiveModal(); }, 30000),
                 qPrintable(Script.Pending()));
    }

    // New (or a level) from the menu, answered as a player would with the keyboard.
    void NewGame(QAction* command, bool movePaused = false) {
        Watch->Seen = false;
        ReturnOnBox("Start a new puzzle?");
        Script.Add({"the notification", [] { return IsUp(Form3); },
                    [this] {
                        Expect(!MinimizeOffered(), "minimize offered while the puzzle waits");
                        CheckMainWindowInPlace("while the puzzle waits");
                    }});
        ReturnOn(Form3, movePaused ? QPoint(60, 90) : QPoint());
        Do(command);
        Expect(Watch->Seen, "no attempt watched during the generation");
        // The window manager learns of the restored icon a moment later.
        Expect(QTest::qWaitFor([this] { return MinimizeOffered(); }, 3000),
               "minimize not offered again after the new game");
        CheckMainWindowInPlace("after a new game");
    }

    // During generation: the main window is there and painted, its board area blank.
    void WatchGeneration() {
        Watch->OnAttempt = [this] {
            CheckMainWindowInPlace("during generation");
            // A point of the board that the progress window does not cover.
            const QPoint board = Form1->ClientArea->mapTo(Form1, QPoint(60, 60));
            const QPoint margin = Form1->ClientArea->mapTo(Form1, QPoint(10, 10));
            const QColor face = QApplication::palette().color(QPalette::Button);
            Expect(ScreenPixel(Form1, margin) == face, "main window margin not painted");
            Expect(ScreenPixel(Form1, board) == face, "board area not blank");
            Expect(ScreenPixel(Form1, QPoint(Form1->width() - 5, 5)) == MenuBarColour,
                   "menu bar not painted during generation");
            // The window manager frames the progress window in its own time: the game holds
            // its event loop meanwhile, as it does for the player.
            for (int wait = 0;
                 wait < 40 && Property(Form2, "_NET_FRAME_EXTENTS").contains("not found"); ++wait)
                QThread::msleep(50);
            if (Expected.count(Form2))
                Expect(Frame(Form2) == Expected[Form2], "progress window moved");
            else
                CheckPlacement(Form2);
        };
    }
    QColor MenuBarColour;

  private slots:
    void initTestCase() {
        PrepareApplication();
        // The windows are answered through the X server below, each in its own time; a window
        // none of them answers fails the test after the steps' own wait.
        AllowUnansweredModals(8000);
        Session = std::make_unique<GameSession>();
        Session->ShowMainWindow();
        Watch = std::make_unique<GenerationWatch>(ProgressText);
        ProgressText = Watch.get();
        WatchGeneration();
        QVERIFY(QTest::qWaitFor([] { return Mapped(Form1) && Frame(Form1) != QRect(); }, 5000));
        QTest::qWait(300); // the frame settles
        MainFrame = Frame(Form1);
        MenuBarColour = ScreenPixel(Form1, QPoint(Form1->width() - 5, 5));
    }

    void cleanupTestCase() {
        Session.reset();
        Watch.reset();
    }

    void init() {
        Problems.clear();
        Script.Problems.clear();
    }

    void noMaximizeOffered() {
        const QString allowed = Property(Form1, "_NET_WM_ALLOWED_ACTIONS");
        QVERIFY2(!allowed.contains("MAXIMIZE"), qPrintable(allowed));
        const QString hints = Property(Form1, "WM_NORMAL_HINTS");
        const QString size = QString("%1 by %2").arg(Form1->width()).arg(Form1->height());
        QVERIFY2(hints.contains("minimum size: " + size) && hints.contains("maximum size: " + size),
                 qPrintable(hints));
        // Motif functions: minimize (8) and close (32), never maximize (16).
        const QStringList motif =
            Property(Form1, "_MOTIF_WM_HINTS").section('=', 1).split(',', Qt::SkipEmptyParts);
        QVERIFY(motif.size() >= 2);
        QCOMPARE(motif[1].trimmed().toUInt(nullptr, 16) & 16u, 0u);
    }

    // Twenty new games with pauses, level changes and best-times windows between them.
    void mainWindowStaysThroughTwentyGames() {
        QAction* commands[] = {Form1->NewGame2, Form1->Easy1, Form1->NewGame2, Form1->Hard1,
                               Form1->Medium1};
        for (int game = 1; game <= 20; ++game) {
            NewGame(commands[game % 5], game == 2);
            if (game % 3 == 0) {
                ReturnOn(Form3);
                Do(Form1->Pause1);
            }
            if (game % 7 == 0) {
                ReturnOn(Form4);
                Do(Form1->BestTimes1);
            }
            QVERIFY2(Script.Done() && Script.Problems.isEmpty(),
                     qPrintable(Script.Pending() + Script.Problems.join('\n')));
        }
        QVERIFY2(Problems.isEmpty(), qPrintable(Problems.join('\n')));
    }

    // Return answers OK in the best-times window after a record, from the menu, and after the
    // player has pressed "Reset scores" (and said No) the time before.
    void returnPressesOkInTheBestTimesWindow() {
        NewGame(Form1->NewGame2);
        for (int i = 1; i <= 81; ++i)
            GameState.Entries[i] = Solution[i];
        UpdateSubmit(Form1->View()); // as the click that fills the last cell does
        ReturnOnBox("Correct. Your time is ");
        Script.Add({"the name box", [] { return qobject_cast<QInputDialog*>(ActiveModal()); },
                    [] { Type("Return"); }});
        ReturnOn(Form4);
        Do(Form1->Submit1);
        QVERIFY2(Script.Done() && Script.Problems.isEmpty(),
                 qPrintable(Script.Pending() + Script.Problems.join('\n')));
        QCOMPARE(Form4->Memo2->toPlainText().section('\n', 2, 2), QString("Anonymous"));

        Script.Add({"best times", [] { return IsUp(Form4); },
                    // The player clicks "Reset scores"; its question comes next.
                    [] { ClickAt(Form4, Form4->Button2->geometry().center()); }});
        Script.Add({"the reset question", [] { return IsBox("Reset the best scores?"); },
                    [] {
                        auto* box = qobject_cast<QMessageBox*>(ActiveModal());
                        box->button(QMessageBox::No)->click();
                    }});
        Do(Form1->BestTimes1);
        ReturnOn(Form4, QPoint(500, 40));
        Do(Form1->BestTimes1);
        ReturnOn(Form4);
        Do(Form1->BestTimes1);
        QVERIFY2(Script.Done() && Script.Problems.isEmpty(),
                 qPrintable(Script.Pending() + Script.Problems.join('\n')));
        QCOMPARE(Form4->Memo2->toPlainText().section('\n', 2, 2), QString("Anonymous"));
        QVERIFY2(Problems.isEmpty(), qPrintable(Problems.join('\n')));
    }

    void helpAndAboutOpenCentredThenWhereLeft() {
        for (QAction* command : {Form1->Howtoplay1, Form1->Rules1, Form1->About2}) {
            QWidget* window = command == Form1->About2 ? static_cast<QWidget*>(Form7) : Form6;
            ReturnOn(window, QPoint(40 + 30 * Expected.size(), 50));
            Do(command);
            ReturnOn(window);
            Do(command);
            QVERIFY2(Script.Done() && Script.Problems.isEmpty(),
                     qPrintable(Script.Pending() + Script.Problems.join('\n')));
        }
        QVERIFY2(Problems.isEmpty(), qPrintable(Problems.join('\n')));
    }
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
