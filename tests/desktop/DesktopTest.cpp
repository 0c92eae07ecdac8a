// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's windows on a real X server under a real window manager, where the offscreen tests
// cannot look: whether the main window stays mapped, painted and in place through many new
// games, where each secondary window stands when it opens, which window the keyboard reaches,
// and what the title bar offers. Every fact is read from the X server (xwininfo, xprop) and every
// key goes through it (xdotool), so the window manager's focus decides where it lands. Readings
// are polled until the server agrees, since window managers act in their own time, slower still
// on a busy machine. In a Wayland session the game runs as an X client (XWayland) unless the
// player chose Wayland; then only what a Wayland client can do is checked: that it plays.

#include "platform/Desktop.h"
#include "app/MainWindow.h"
#include "control/CellInput.h"
#include "engine/Game.h"
#include "engine/TextLines.h"
#include "platform/WindowFrame.h"
#include "tests/support/GamePlay.h"
#include "tests/support/GameSession.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestWindows.h"
#include "view/AboutWindow.h"
#include "view/BestTimesWindow.h"
#include "view/BoardArea.h"
#include "view/HelpWindow.h"
#include "view/NoticeWindow.h"
#include "view/ProgressWindow.h"
#include "view/SecondaryWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
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
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>
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

// How long the window manager may take to act on a window on a busy machine: a compositing one
// (mutter, kwin) draws every frame in software here, and with both cores taken mutter once still
// showed the progress window one pixel off, where a move of the game's passes on its way, three
// seconds on. A correct game is seen at once; only a fault waits this long.
constexpr int SettlingMs = 15000;

// Whether `holds` is true of two readings in a row, 50 ms apart, within `ms`. The game's event
// loop is not run meanwhile: the window manager and the X server act on their own.
bool Agrees(const std::function<bool()>& holds, int ms = SettlingMs) {
    QElapsedTimer waiting;
    waiting.start();
    for (int inARow = 0;;) {
        inARow = holds() ? inARow + 1 : 0;
        if (inARow == 2)
            return true;
        if (waiting.elapsed() > ms)
            return false;
        QThread::msleep(50);
    }
}

// The frame once two readings in a row agree (or the last one read when `ms` have passed).
QRect SettledFrame(const QWidget* window, int ms = SettlingMs) {
    QElapsedTimer waiting;
    waiting.start();
    for (QRect last = Frame(window);;) {
        QThread::msleep(50);
        const QRect now = Frame(window);
        if (now == last || waiting.elapsed() > ms)
            return now;
        last = now;
    }
}

// The window carries the game's icon for title bars, task bars and window switchers. openbox
// puts its own on a window that has none, so the first picture must be the first of the game's.
bool HasIcon(const QWidget* window) {
    const QList<QSize> sizes = QGuiApplication::windowIcon().availableSizes();
    // xprop draws the first picture after its size.
    const QString icon = Run("xprop", {"-id", Id(window), "-len", "8", "_NET_WM_ICON"});
    const auto first = QRegularExpression(R"(Icon \((\d+) x (\d+)\))").match(icon);
    return !sizes.isEmpty() && first.hasMatch() &&
           QSize(first.captured(1).toInt(), first.captured(2).toInt()) == sizes.first();
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
    if (id.toULongLong(nullptr, 16) != window->winId())
        return false;
    // The window manager may name the window active a moment before the keyboard's focus
    // follows; a key typed in that moment goes to the window before.
    return Run("xdotool", {"getwindowfocus", "-f"}).trimmed().toULongLong() == window->winId();
}

// A key typed on the keyboard: it reaches the window the window manager gave the focus to.
// Typed whole, let go before the next: the X server drops a key pressed while it is still down,
// so a next key typed as the effect of this one shows, before its release, would be lost.
void Type(const QString& key) {
    Run("xdotool", {"key", key});
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

// Whether the screen shows "Just guessing" ticked: dark pixels inside the box's square, read with
// one quick request to the X server.
bool TickOnScreen() {
    QCheckBox* box = Windows.Main->GuessingBox;
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect inside =
        box->style()
            ->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box)
            .adjusted(3, 3, -3, -3)
            .translated(Client(Windows.Main).topLeft() + box->mapTo(Windows.Main, QPoint()));
    const QImage square =
        QGuiApplication::primaryScreen()
            ->grabWindow(0, inside.x(), inside.y(), inside.width(), inside.height())
            .toImage();
    int dark = 0;
    for (int y = 0; y < square.height(); ++y)
        for (int x = 0; x < square.width(); ++x)
            dark += qGray(square.pixel(x, y)) < 128;
    return dark > 4;
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
        } else if (Waiting.elapsed() > SettlingMs) { // a window given the focus late
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

// Watches the generator's progress lines: at the end of every attempt the progress window is up,
// the event loop held, and the player sees what the X server has.
class GenerationWatch : public TextLines {
  public:
    void Append(std::string_view line) override {
        Shown->Append(line);
        if (++Lines % ProgressWindow::LinesPerAttempt == 0 && OnAttempt)
            OnAttempt(++Attempts);
    }
    // Called with 1 for the first attempt of a generation.
    std::function<void(int attempt)> OnAttempt;
    void NewGeneration() { Attempts = 0; }
    int Attempts = 0;

    // The progress window's own text, which the watch passes every line on to.
    TextLines* Shown = nullptr;

  private:
    long long Lines = 0;
};

// The game's main window with the watch between the generator and the progress window.
class WatchedMainWindow : public MainWindow {
  public:
    TextLines& ProgressText() override {
        Watch.Shown = &MainWindow::ProgressText();
        return Watch;
    }
    GenerationWatch Watch;
};

bool PlatformChosen = false;

bool OnX11() {
    return QGuiApplication::platformName() == "xcb";
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GameSession> Session;
    GenerationWatch* Watch = nullptr;
    Steps Script;
    QRect MainFrame;
    // Where each secondary window's frame must stand when it opens next.
    std::map<const QWidget*, QRect> Expected;
    QStringList Problems;
    QColor MenuBarColour;
    // When the progress window was first seen framed in this generation; whether it was checked.
    QElapsedTimer ProgressFramed;
    bool ProgressChecked = false;
    int Generations = 0;

    void Expect(bool holds, const QString& problem) {
        if (!holds)
            Problems << problem;
    }

    static QString At(QRect frame) { return QString("%1,%2").arg(frame.x()).arg(frame.y()); }

    // First showing: centred over the main window by the outer frames, halves truncated. Later
    // showings: where it was left. Every window carries the game's icon.
    void CheckPlacement(const QWidget* window) {
        auto known = Expected.find(window);
        const auto wanted = [&] {
            if (known != Expected.end())
                return known->second;
            const QSize outer = Frame(window).size();
            return QRect(CentredOver(MainFrame, outer), outer);
        };
        if (Agrees([&] { return Frame(window) == wanted(); })) {
            Expected[window] = wanted();
        } else {
            const QRect frame = SettledFrame(window);
            Problems << QString("%1 opened at %2, not %3")
                            .arg(window->windowTitle(), At(frame), At(wanted()));
            Expected[window] = frame;
        }
        Expect(HasIcon(window), window->windowTitle() + " carries no icon");
    }

    // The player drags the window elsewhere; it must come back there.
    void MoveAsPlayer(const QWidget* window, QPoint to) {
        const QRect before = Frame(window);
        Run("xdotool",
            {"windowmove", "--sync", Id(window), QString::number(to.x()), QString::number(to.y())});
        Agrees([&] { return Frame(window) != before; });
        Expected[window] = SettledFrame(window);
    }

    void CheckMainWindowInPlace(const QString& when) {
        if (Agrees([this] { return Mapped(Windows.Main) && Frame(Windows.Main) == MainFrame; }))
            return;
        Problems << (Mapped(Windows.Main) ? QString("main window moved to %1 %2")
                                                .arg(At(SettledFrame(Windows.Main)), when)
                                          : "main window unmapped " + when);
    }

    // What the game asks for (the Motif functions) and, where the window manager follows that
    // hint, what it offers. Openbox and kwin keep their minimize button whatever the hint says.
    bool MinimizeOffered() {
        const QStringList motif = Property(Windows.Main, "_MOTIF_WM_HINTS")
                                      .section('=', 1)
                                      .split(',', Qt::SkipEmptyParts);
        const bool asked = motif.size() >= 2 && (motif[1].trimmed().toUInt(nullptr, 16) & 8u);
        if (qEnvironmentVariable("TOLVANE_DESKTOP_WM") != "icewm")
            return asked;
        const bool offered =
            Property(Windows.Main, "_NET_WM_ALLOWED_ACTIONS").contains("_NET_WM_ACTION_MINIMIZE");
        return asked && offered;
    }

    // A modal game window: placed, reached by the keyboard, and closed by Return on its OK.
    // It is looked at once the game has taken in its activation: the game puts a window that
    // just opened back in its place then, and a move by the player before that would be undone.
    void ReturnOn(QWidget* window, QPoint moveTo = {}) {
        Script.Add({window->windowTitle(),
                    [window] { return IsUp(window) && window->isActiveWindow(); },
                    [this, window, moveTo] {
                        CheckPlacement(window);
                        if (!moveTo.isNull())
                            MoveAsPlayer(window, moveTo);
                        Type("Return");
                    }});
    }

    void ReturnOnBox(const QString& text) {
        Script.Add({"box " + text, [text] { return IsBox(text); },
                    [this, text] {
                        Expect(HasIcon(ActiveModal()), "box " + text + " carries no icon");
                        Type("Return");
                    }});
    }

    // The popup of a menu is open when Qt shows it and the X server has it mapped.
    static bool MenuOpen(QMenu* menu) { return menu->isVisible() && Mapped(menu); }

    // A menu command as the player gives it: a click on the menu's title, then on the item.
    // The window manager judges a window that opens by the player's last input, so the command
    // must come from the mouse, not from the test's own call. Like a player, the test clicks
    // the title again when the menu did not open (a window manager may take a click that comes
    // while it is still handing the window the focus).
    void Do(QAction* command) {
        QMenuBar* bar = Windows.Main->menuBar();
        QAction* title = nullptr;
        for (QAction* candidate : bar->actions())
            if (candidate->menu() && candidate->menu()->actions().contains(command))
                title = candidate;
        QVERIFY(title);
        // After a modal window closed, the window manager hands the main window the focus back
        // in its own time, or leaves none active (kwin, now and then): the click on the title
        // does it then, as for a player.
        static_cast<void>(QTest::qWaitFor([] { return Active(Windows.Main); }, 2000));
        QMenu* menu = title->menu();
        // A second click on the title of a menu still opening on a loaded machine closes it again.
        for (int click = 0; click < 3 && !MenuOpen(menu); ++click) {
            ClickAt(Windows.Main, bar->mapTo(Windows.Main, bar->actionGeometry(title).center()));
            if (QTest::qWaitFor([menu] { return MenuOpen(menu); }, 5000))
                break;
        }
        QVERIFY2(MenuOpen(menu),
                 qPrintable("menu " + title->text() + " not opened; " + FocusReport()));
        // A popup menu has no frame; Qt's idea of its place is the X server's.
        const QPoint item = menu->mapToGlobal(menu->actionGeometry(command).center());
        Run("xdotool",
            {"mousemove", QString::number(item.x()), QString::number(item.y()), "click", "1"});
        QVERIFY2(QTest::qWaitFor([menu] { return !menu->isVisible(); }, 5000),
                 qPrintable("menu " + title->text() + " not closed by its item"));
        // The command's windows come and go; it has ended when no window is left to answer.
        QVERIFY2(QTest::qWaitFor([this] { return Script.Done() && !ActiveModal(); }, 30000),
                 qPrintable(Script.Pending()));
    }

    // New (or a level) from the menu, answered as a player would with the keyboard.
    void NewGame(QAction* command, bool movePaused = false) {
        Watch->NewGeneration();
        ReturnOnBox("Start a new puzzle?");
        Script.Add({"the notification", [] { return IsUp(Windows.Notice); },
                    [this] {
                        Expect(!MinimizeOffered(), "minimize offered while the puzzle waits");
                        CheckMainWindowInPlace("while the puzzle waits");
                    }});
        ReturnOn(Windows.Notice, movePaused ? QPoint(60, 90) : QPoint());
        Do(command);
        Expect(Watch->Attempts > 0, "no attempt watched during the generation");
        // The window manager learns of the restored icon a moment later.
        Expect(QTest::qWaitFor([this] { return MinimizeOffered(); }, 3000),
               "minimize not offered again after the new game");
        CheckMainWindowInPlace("after a new game");
    }

    // During generation: the main window is there and painted, its board area blank, and the
    // progress window, once framed, where it belongs.
    void WatchGeneration() {
        Watch->OnAttempt = [this](int attempt) {
            if (attempt == 1) {
                CheckMainWindowPainted();
                ++Generations;
                ProgressChecked = false;
                ProgressFramed.invalidate();
            }
            if (!ProgressChecked)
                CheckProgressWindow(attempt);
        };
    }

    void CheckMainWindowPainted() {
        CheckMainWindowInPlace("during generation");
        // A point of the board (its first cell) covered neither by the progress window nor by
        // the shadow kwin draws around it: the shadow reaches 39 px above the window's frame,
        // whose top is 96 px below the top of the board area.
        const QPoint board = Windows.Main->ClientArea->mapTo(Windows.Main, QPoint(60, 45));
        const QPoint margin = Windows.Main->ClientArea->mapTo(Windows.Main, QPoint(10, 10));
        const QColor face = QApplication::palette().color(QPalette::Button);
        const QPoint menuBar(Windows.Main->width() - 5, 5);
        Expect(Agrees([&] { return ScreenPixel(Windows.Main, margin) == face; }),
               "main window margin not painted: " + ScreenPixel(Windows.Main, margin).name());
        Expect(Agrees([&] { return ScreenPixel(Windows.Main, board) == face; }),
               "board area not blank: " + ScreenPixel(Windows.Main, board).name());
        Expect(Agrees([&] { return ScreenPixel(Windows.Main, menuBar) == MenuBarColour; }),
               "menu bar not painted during generation: " +
                   ScreenPixel(Windows.Main, menuBar).name() + " not " + MenuBarColour.name());
    }

    // The window manager frames the progress window in its own time; the game, holding its
    // event loop, puts it by its own frame at its next paint, which at its first showing may
    // come after a short generation has ended (then at the next showing, before the first
    // attempt). So it is checked at the first attempt of every later generation, and in the
    // first one a few paints after it was seen framed, if the generation lasts that long.
    void CheckProgressWindow(int attempt) {
        if (attempt == 1) {
            // The window manager frames it in its own time: the game holds its event loop
            // meanwhile, as it does for the player.
            if (!Agrees([] { return !FrameExtents(*Windows.Progress).isNull(); }))
                return;
            ProgressFramed.start();
            if (Generations == 1)
                return;
        } else if (!ProgressFramed.isValid() ||
                   ProgressFramed.elapsed() < 3 * ProgressWindow::PaintInterval) {
            return;
        }
        ProgressChecked = true;
        CheckPlacement(Windows.Progress);
    }

    // Whether the screen shows the Submit button at `onScreen` (or only the panel there). Read
    // with one quick request to the X server: the game's event loop runs on meanwhile, as it
    // does while a player looks.
    bool SubmitOnScreen(bool shown, QRect onScreen) {
        const QImage screen =
            QGuiApplication::primaryScreen()
                ->grabWindow(0, onScreen.x(), onScreen.y(), onScreen.width(), onScreen.height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        QImage panel(screen.size(), screen.format());
        panel.fill(QApplication::palette().color(QPalette::Button));
        return Windows.Main->SubmitButton->isVisible() == shown && (screen != panel) == shown;
    }

    // The last cell placed with the mouse, erased and placed again: each time the Submit button
    // reaches the screen, or leaves it, within half a second and with no further input (mutter
    // showed a change painted just after the board only once the pointer moved over it).
    void CheckSubmitOnScreen(int last) {
        QToolButton* digit = Windows.Main->ToolButtons[TheGame().Solution[last] - 1];
        QToolButton* erase = Windows.Main->ToolButtons[9];
        const QPoint client = Client(Windows.Main).topLeft();
        const QRect button = Windows.Main->SubmitButton->geometry().translated(
            client + Windows.Main->SubmitButton->parentWidget()->mapTo(Windows.Main, QPoint()));
        const QPoint cell =
            client + Windows.Main->ClientArea->mapTo(Windows.Main, CellCentre(last));
        for (QToolButton* tool : {digit, erase, digit, erase, digit}) {
            ClickAt(Windows.Main, tool->mapTo(Windows.Main, tool->rect().center()));
            QVERIFY(QTest::qWaitFor([tool] { return tool->isChecked(); }, 3000));
            // A player's moment between the tool and the cell: the window manager has taken in
            // everything before the click on the cell.
            QTest::qWait(2000);
            QElapsedTimer clicked;
            clicked.start();
            QProcess::startDetached("xdotool", {"mousemove", QString::number(cell.x()),
                                                QString::number(cell.y()), "click", "1"});
            const bool shown = tool == digit;
            // The first look comes once the game and the window manager have had a moment
            // undisturbed: reading the screen right after the click hid the fault under mutter.
            QTest::qWait(100);
            QVERIFY2(QTest::qWaitFor([&] { return SubmitOnScreen(shown, button); }, 500),
                     qPrintable(QString("Submit %1 the screen %2 ms after the click on the last "
                                        "cell")
                                    .arg(shown ? "not on" : "still on")
                                    .arg(clicked.elapsed())));
        }
    }

    // A key for the menus, and where it must lead: the menu highlighted on the menu bar, open
    // or not, and the item highlighted in it (any where none is named).
    struct MenuKey {
        const char* Key;
        QMenu* Menu;
        bool Open;
        QAction* Item;
    };

    // Types each key once the one before has shown its effect, as a player waits to see (or
    // hear) it.
    bool Keys(std::initializer_list<MenuKey> keys) {
        QMenuBar* bar = Windows.Main->menuBar();
        for (const MenuKey& key : keys) {
            Type(key.Key);
            if (!QTest::qWaitFor(
                    [&] {
                        return bar->activeAction() == key.Menu->menuAction() &&
                               MenuOpen(key.Menu) == key.Open &&
                               (!key.Item || key.Menu->activeAction() == key.Item);
                    },
                    5000)) {
                const QAction* at = bar->activeAction();
                Problems << QString("%1 led to %2, not %3; ")
                                    .arg(key.Key, at ? at->text() : "none", key.Menu->title()) +
                                FocusReport();
                return false;
            }
        }
        return true;
    }

  private slots:
    void initTestCase() {
        PrepareApplication();
        Session = std::make_unique<GameSession>(GameSession::Files::Supplied, false);
        Session->Start([] { return new WatchedMainWindow; });
        Watch = &static_cast<WatchedMainWindow*>(Windows.Main)->Watch;
        Session->ShowMainWindow();
        // The game's own choice, where the player made none: the X display (XWayland in a
        // Wayland session), where the window manager puts each window where the game asks.
        if (!PlatformChosen)
            QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
        if (!OnX11())
            return;
        // The windows are answered through the X server below, each in its own time; a window
        // none of them answers fails the test after the steps' own wait.
        AllowUnansweredModals(SettlingMs + 3000);
        WatchGeneration();
        QVERIFY(QTest::qWaitFor(
            [] { return Mapped(Windows.Main) && Frame(Windows.Main) != QRect(); }, 5000));
        MainFrame = SettledFrame(Windows.Main);
        // XWayland's root window holds no picture of the screen: there only placement is read.
        if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
            return;
        // The colour the game paints its menu bar with, once the screen shows it (a compositing
        // window manager fades a new window in).
        const QPoint menuBar(Windows.Main->width() - 5, 5);
        MenuBarColour = Windows.Main->grab(QRect(menuBar, QSize(1, 1))).toImage().pixelColor(0, 0);
        QVERIFY(QTest::qWaitFor([&] { return ScreenPixel(Windows.Main, menuBar) == MenuBarColour; },
                                10000));
    }

    void cleanupTestCase() {
        Session.reset();
        Watch = nullptr;
    }

    void init() {
        Problems.clear();
        Script.Problems.clear();
        if (!OnX11() && !QByteArray(QTest::currentTestFunction()).startsWith("plays"))
            QSKIP("Only an X server tells where the window manager put a window");
    }

    void mainWindowTitleBar() {
        const QString allowed = Property(Windows.Main, "_NET_WM_ALLOWED_ACTIONS");
        QVERIFY2(!allowed.contains("MAXIMIZE"), qPrintable(allowed));
        const QString hints = Property(Windows.Main, "WM_NORMAL_HINTS");
        const QString size =
            QString("%1 by %2").arg(Windows.Main->width()).arg(Windows.Main->height());
        QVERIFY2(hints.contains("minimum size: " + size) && hints.contains("maximum size: " + size),
                 qPrintable(hints));
        // Motif functions: minimize (8) and close (32), never maximize (16).
        const QStringList motif = Property(Windows.Main, "_MOTIF_WM_HINTS")
                                      .section('=', 1)
                                      .split(',', Qt::SkipEmptyParts);
        QVERIFY(motif.size() >= 2);
        QCOMPARE(motif[1].trimmed().toUInt(nullptr, 16) & 16u, 0u);
        QVERIFY(HasIcon(Windows.Main));
    }

    // Full screen (xfwm4's Alt+F11, kwin's window menu) or maximized, as a pager or a window
    // menu asks for it: the main window keeps its size and its place.
    void mainWindowKeepsItsSize() {
        const QSize designed = Client(Windows.Main).size();
        for (const char* state : {"add,fullscreen", "add,maximized_vert,maximized_horz"}) {
            Run("wmctrl", {"-i", "-r", Id(Windows.Main), "-b", state});
            // The window manager applies the state in its own time, and the game undoes it.
            QTest::qWait(1000);
            const bool kept = QTest::qWaitFor(
                [&] {
                    return Agrees(
                        [&] {
                            const QString now = Property(Windows.Main, "_NET_WM_STATE");
                            return Client(Windows.Main).size() == designed &&
                                   Frame(Windows.Main) == MainFrame &&
                                   !now.contains("FULLSCREEN") && !now.contains("MAXIMIZED");
                        },
                        100);
                },
                5000);
            QVERIFY2(kept, qPrintable(QString("after %1: client area %2 x %3 at %4, %5")
                                          .arg(state)
                                          .arg(Client(Windows.Main).width())
                                          .arg(Client(Windows.Main).height())
                                          .arg(At(Frame(Windows.Main)))
                                          .arg(Property(Windows.Main, "_NET_WM_STATE").trimmed())));
        }
    }

    // Twenty new games with pauses, level changes and best-times windows between them.
    void mainWindowStaysThroughTwentyGames() {
        QAction* commands[] = {Windows.Main->NewItem, Windows.Main->EasyItem, Windows.Main->NewItem,
                               Windows.Main->HardItem, Windows.Main->MediumItem};
        for (int game = 1; game <= 20; ++game) {
            NewGame(commands[game % 5], game == 2);
            if (game % 3 == 0) {
                ReturnOn(Windows.Notice);
                Do(Windows.Main->PauseItem);
            }
            if (game % 7 == 0) {
                ReturnOn(Windows.BestTimes);
                Do(Windows.Main->BestTimesItem);
            }
            QVERIFY2(Script.Done() && Script.Problems.isEmpty(),
                     qPrintable(Script.Pending() + Script.Problems.join('\n')));
        }
        Expect(ProgressChecked, "the progress window was not looked at in the last generation");
        QVERIFY2(Problems.isEmpty(), qPrintable(Problems.join('\n')));
    }

    // The Submit button reaches the screen at once; Return then answers OK in the best-times
    // window after a record, from the menu, and after the player has pressed "Reset scores"
    // (and said No) the time before.
    void submitShowsAndReturnPressesOk() {
        NewGame(Windows.Main->NewItem);
        const int last = FirstOpenCell();
        FillAllEntriesBut(last);
        Windows.Main->ClientArea->ShowBoard();
        CheckSubmitOnScreen(last);
        if (QTest::currentTestFailed())
            return;

        ReturnOnBox("Correct. Your time is ");
        Script.Add({"the name box",
                    [] {
                        auto* box = qobject_cast<QInputDialog*>(ActiveModal());
                        return box && Active(box);
                    },
                    [this] {
                        Expect(HasIcon(ActiveModal()), "the name box carries no icon");
                        Type("Return");
                    }});
        ReturnOn(Windows.BestTimes);
        Do(Windows.Main->SubmitItem);
        QVERIFY2(Script.Done() && Script.Problems.isEmpty(),
                 qPrintable(Script.Pending() + Script.Problems.join('\n')));
        QCOMPARE(Windows.BestTimes->PlayerNames->toPlainText().section('\n', 2, 2),
                 QString("Anonymous"));

        Script.Add({"best times", [] { return IsUp(Windows.BestTimes); },
                    // The player clicks "Reset scores"; its question comes next.
                    [] {
                        ClickAt(Windows.BestTimes,
                                Windows.BestTimes->ResetButton->geometry().center());
                    }});
        Script.Add({"the reset question", [] { return IsBox("Reset the best scores?"); },
                    [] {
                        auto* box = qobject_cast<QMessageBox*>(ActiveModal());
                        box->button(QMessageBox::No)->click();
                    }});
        Do(Windows.Main->BestTimesItem);
        ReturnOn(Windows.BestTimes, QPoint(500, 40));
        Do(Windows.Main->BestTimesItem);
        ReturnOn(Windows.BestTimes);
        Do(Windows.Main->BestTimesItem);
        QVERIFY2(Script.Done() && Script.Problems.isEmpty(),
                 qPrintable(Script.Pending() + Script.Problems.join('\n')));
        QCOMPARE(Windows.BestTimes->PlayerNames->toPlainText().section('\n', 2, 2),
                 QString("Anonymous"));
        QVERIFY2(Problems.isEmpty(), qPrintable(Problems.join('\n')));
    }

    // With a game in progress and a given, an entry and a guess on the board, each tick and
    // untick of "Just guessing", clicked through the X server, shows on the screen within half a
    // second with no further input (under mutter one did not, for seconds).
    void justGuessingReachesTheScreen() {
        NewGame(Windows.Main->NewItem);
        const int entry = FirstOpenCell();
        int guess = entry + 1;
        while (TheGame().Given[guess])
            ++guess;
        const auto click = [](QWidget* widget, QPoint at) {
            ClickAt(Windows.Main, widget->mapTo(Windows.Main, at));
        };
        click(Windows.Main->ToolButtons[7], QPoint(10, 10));
        click(Windows.Main->ClientArea, CellCentre(entry));
        QVERIFY(QTest::qWaitFor([entry] { return TheGame().Entries[entry] == 8; }, 3000));
        for (int time = 1; time <= 10; ++time) {
            QTest::qWait(600); // a player's moment between clicks
            const bool on = time % 2 == 1;
            QElapsedTimer clicked;
            clicked.start();
            click(Windows.Main->GuessingBox, QPoint(8, 8));
            QVERIFY(QTest::qWaitFor([on] { return Windows.Main->GuessingBox->isChecked() == on; },
                                    3000));
            QVERIFY2(QTest::qWaitFor([on] { return TickOnScreen() == on; },
                                     500 - int(clicked.elapsed())),
                     qPrintable(QString("\"Just guessing\" %1 on the screen %2 ms after the click")
                                    .arg(on ? "not ticked" : "still ticked")
                                    .arg(clicked.elapsed())));
            if (time == 1)
                click(Windows.Main->ClientArea, CellCentre(guess));
        }
        QCOMPARE(TheGame().Guesses[guess], 8);
    }

    void helpAndAboutOpenCentredThenWhereLeft() {
        for (QAction* command :
             {Windows.Main->HowToPlayItem, Windows.Main->RulesItem, Windows.Main->AboutItem}) {
            QWidget* window = command == Windows.Main->AboutItem
                                  ? static_cast<QWidget*>(Windows.About)
                                  : Windows.Help;
            ReturnOn(window, QPoint(40 + 30 * Expected.size(), 50));
            Do(command);
            ReturnOn(window);
            Do(command);
            QVERIFY2(Script.Done() && Script.Problems.isEmpty(),
                     qPrintable(Script.Pending() + Script.Problems.join('\n')));
        }
        QVERIFY2(Problems.isEmpty(), qPrintable(Problems.join('\n')));
    }

    // A player without a mouse: Alt, or F10, and the arrow keys start a game and open the
    // rules; Return answers each window on the way.
    void keyboardAloneStartsAGameAndOpensTheRules() {
        const MainWindow& main = *Windows.Main;
        QMenu *game = main.GameMenu, *options = main.OptionsMenu, *help = main.HelpMenu;
        // The pointer rests away from the windows: a menu opening under it would take its
        // highlight from the pointer rather than from the keys.
        Run("xdotool", {"mousemove", "0", "0"});
        for (const bool f10 : {false, true}) {
            const QString way = f10 ? "F10" : "Alt";
            QVERIFY2(QTest::qWaitFor([] { return Active(Windows.Main); }, 5000),
                     qPrintable(way + ": not active; " + FocusReport()));
            // Alt highlights the Game menu on the menu bar; F10 opens it.
            QVERIFY2(
                f10 ? Keys({{"F10", game, true, nullptr}, {"Down", game, true, main.NewItem}})
                    : Keys({{"alt", game, false, nullptr}, {"Down", game, true, main.NewItem}}),
                qPrintable(way + ": " + Problems.join('\n')));
            ReturnOnBox("Start a new puzzle?");
            ReturnOn(Windows.Notice);
            Type("Return");
            QVERIFY2(QTest::qWaitFor([this] { return Script.Done() && !ActiveModal(); }, 30000),
                     qPrintable(way + ": " + Script.Pending()));

            QVERIFY2(QTest::qWaitFor([] { return Active(Windows.Main); }, 5000),
                     qPrintable(way + ": not active after the game; " + FocusReport()));
            QVERIFY2(f10 ? Keys({{"F10", game, true, nullptr},
                                 {"Right", options, true, nullptr},
                                 {"Right", help, true, main.HowToPlayItem},
                                 {"Down", help, true, main.RulesItem}})
                         : Keys({{"alt", game, false, nullptr},
                                 {"Right", options, false, nullptr},
                                 {"Right", help, false, nullptr},
                                 {"Down", help, true, main.HowToPlayItem},
                                 {"Down", help, true, main.RulesItem}}),
                     qPrintable(way + ": " + Problems.join('\n')));
            Script.Add({"the rules",
                        [] { return IsUp(Windows.Help) && Windows.Help->RulesView->isVisible(); },
                        [] { Type("Return"); }});
            Type("Return");
            QVERIFY2(QTest::qWaitFor([this] { return Script.Done() && !ActiveModal(); }, 30000),
                     qPrintable(way + ": " + Script.Pending()));
        }
        QVERIFY2(Script.Problems.isEmpty() && Problems.isEmpty(),
                 qPrintable((Script.Problems + Problems).join('\n')));
    }

    // Started on Wayland by the player's choice, the game plays a whole game there.
    void playsOnWayland() {
        if (QGuiApplication::platformName() != "wayland")
            QSKIP("Not on Wayland");
        StartNewGame();
        QVERIFY(TheGame().Playing);
        FinishGridByClick();
        QVERIFY(Windows.Main->SubmitButton->isVisible());
        AnswerInOrder({Press("OK"), Press("OK"), Press("OK")});
        Windows.Main->SubmitButton->click();
        QVERIFY(!TheGame().Playing);
        QCOMPARE(Windows.BestTimes->PlayerNames->toPlainText().section('\n', 2, 2),
                 QString("Anonymous"));
    }
};

// The entry point chooses the display as the game's own does.
int main(int argc, char** argv) {
    PlatformChosen = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    PreferX11(argc, argv);
    QApplication application(argc, argv);
    DesktopTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "DesktopTest.moc"
