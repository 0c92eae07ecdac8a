// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TForm1.h"

#include "control/BestTimesFlow.h"
#include "control/CellInput.h"
#include "control/GameClock.h"
#include "control/GameFlow.h"
#include "control/HelpCommands.h"
#include "control/SoundCommand.h"
#include "control/StartUp.h"
#include "platform/AutoSize.h"
#include "platform/ClickPaint.h"
#include "platform/Colours.h"
#include "platform/Fonts.h"
#include "platform/MessageBoxes.h"
#include "platform/WindowFrame.h"
#include "view/BoardArea.h"
#include "view/BoardRenderer.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QAction* AddItem(QMenu* menu, const QString& caption, bool enabled = true) {
    QAction* item = menu->addAction(caption);
    item->setEnabled(enabled);
    return item;
}

QAction* AddCheckItem(QMenu* menu, const QString& caption, bool checked) {
    QAction* item = AddItem(menu, caption);
    item->setCheckable(true);
    item->setChecked(checked);
    return item;
}

QFrame* MakePanel(QWidget* parent, QRect geometry) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setGeometry(geometry);
    // Child controls keep the ordinary arrow; the pencil belongs to the board area.
    panel->setCursor(Qt::ArrowCursor);
    return panel;
}

// The pencil cursor of the board area, point and hot spot at the top left.
QCursor PencilCursor() {
    return QCursor(QPixmap(":/cursors/pencil"), 2, 3);
}

} // namespace

TForm1::TForm1() {
    setWindowTitle("Tolvane");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    KeepOnButtonFace(*this);
    setFont(SansSerif(11));

    ClientArea = new BoardArea(this);
    setCentralWidget(ClientArea);
    // The window takes the size of its client area and menu bar; the user cannot resize it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    CreateMenus();
    CreateToolPanel();
    CreateHiddenComponents();
    ConnectHandlers();
    AutoSize(*ClientArea);
    RunHandler([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::CreateMenus() {
    NewGame1 = menuBar()->addMenu("Game");
    NewGame2 = AddItem(NewGame1, "New");
    NewGame1->addSeparator();
    Easy1 = AddCheckItem(NewGame1, "Easy", false);
    Medium1 = AddCheckItem(NewGame1, "Medium", true);
    Hard1 = AddCheckItem(NewGame1, "Hard", false);
    NewGame1->addSeparator();
    Sound1 = AddCheckItem(NewGame1, "Sound", true);
    BestTimes1 = AddItem(NewGame1, "Best Times");
    Print1 = AddItem(NewGame1, "Print", false);
    NewGame1->addSeparator();
    Exit1 = AddItem(NewGame1, "Exit");

    Options1 = menuBar()->addMenu("Options");
    Clearall1 = AddItem(Options1, "Clear all", false);
    Solve1 = AddItem(Options1, "Solve", false);
    Submit1 = AddItem(Options1, "Submit", false);
    Options1->addSeparator();
    Pause1 = AddItem(Options1, "Pause", false);

    Help1 = menuBar()->addMenu("Help");
    Howtoplay1 = AddItem(Help1, "How to play");
    Rules1 = AddItem(Help1, "Rules");
    Help1->addSeparator();
    About2 = AddItem(Help1, "About");
}

void TForm1::CreateToolPanel() {
    Panel1 = MakePanel(ClientArea, QRect(0, 384, 409, 78));
    ToolGroup = new QButtonGroup(this);
    ToolGroup->setExclusive(true);
    for (int n = 1; n <= 10; ++n) {
        auto* button = new QToolButton(Panel1);
        button->setCheckable(true);
        button->setAutoRaise(false);
        button->setFocusPolicy(Qt::NoFocus);
        if (n <= 9) {
            button->setText(QString::number(n));
            button->setFont(SansSerif(13, true));
            button->setGeometry(8 + 24 * (n - 1), 10, 23, 22);
        } else {
            button->setText("Erase");
            button->setFont(SansSerif(11, true));
            button->setGeometry(232, 10, 49, 22);
        }
        ShowPressedOnDarkFace(*button);
        ToolGroup->addButton(button, n);
        SpeedButtons[n - 1] = button;
    }

    CheckBox1 = new QCheckBox("Just guessing", Panel1);
    CheckBox1->setFont(SansSerif(11, true));
    CheckBox1->setGeometry(294, 13, 97, 17);

    Bevel1 = new QFrame(Panel1);
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel1->setGeometry(8, 40, 393, 3);

    Label1 = new QLabel("Click 'Game' to start", Panel1);
    Label1->setFont(SansSerif(11, true));
    Label1->move(11, 52);
    Label1->adjustSize();

    Button2 = new QPushButton("Submit", Panel1);
    Button2->setFont(SansSerif(11, true));
    Button2->setGeometry(161, 51, 81, 19);
    Button2->setAutoDefault(false);
    Button2->hide();

    for (auto* button : Panel1->findChildren<QAbstractButton*>())
        RepaintAfterClick(*button);
}

void TForm1::CreateHiddenComponents() {
    Memo1 = new QPlainTextEdit(ClientArea);
    Memo1->setGeometry(304, 8, 89, 289);
    Memo1->setFont(SansSerif(11));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The log only ever grows: an undo step for every line would add to it with each game.
    Memo1->setUndoRedoEnabled(false);
    Memo1->hide();

    Panel2 = MakePanel(ClientArea, QRect(0, 384, 409, 17));
    Panel2->hide();

    Bevel2 = new QWidget(ClientArea);
    Bevel2->setGeometry(400, 0, 2, 193);

    Timer1.setInterval(1000);
}

// Every handler runs guarded: a failure ends it and shows the standard error box.
void TForm1::ConnectHandlers() {
    const auto bind = [this](QAction* item, void (TForm1::*handler)()) {
        connect(item, &QAction::triggered, this,
                [this, handler] { RunHandler([this, handler] { (this->*handler)(); }); });
    };
    bind(NewGame2, &TForm1::Button1Click);
    bind(Easy1, &TForm1::Easy1Click);
    bind(Medium1, &TForm1::Medium1Click);
    bind(Hard1, &TForm1::Hard1Click);
    bind(BestTimes1, &TForm1::BestTimes1Click);
    bind(Print1, &TForm1::Print1Click);
    bind(Exit1, &TForm1::Exit1Click);
    bind(Clearall1, &TForm1::Clearall1Click);
    bind(Solve1, &TForm1::Solve1Click);
    bind(Submit1, &TForm1::Button2Click);
    bind(Pause1, &TForm1::Pause1Click);
    bind(Howtoplay1, &TForm1::Howtoplay1Click);
    bind(Rules1, &TForm1::Rules1Click);
    bind(About2, &TForm1::About2Click);
    connect(Sound1, &QAction::triggered, this, [this] {
        // The menu has already toggled the mark; the handler decides it.
        Sound1->setChecked(!Sound1->isChecked());
        RunHandler([this] { Sound1Click(); });
    });
    connect(Button2, &QPushButton::clicked, this,
            [this] { RunHandler([this] { Button2Click(); }); });
    connect(ToolGroup, &QButtonGroup::buttonClicked, this,
            [this] { RunHandler([this] { SpeedButton1Click(); }); });
    connect(&Timer1, &QTimer::timeout, this, [this] { RunHandler([this] { Timer1Timer(); }); });
    connect(ClientArea, &BoardArea::Painting, this,
            [this](QPainter& canvas) { RunHandler([&] { FormPaint(canvas); }); });
    connect(ClientArea, &BoardArea::MouseMoved, this,
            [this](int X, int Y) { RunHandler([&] { FormMouseMove(X, Y); }); });
    connect(ClientArea, &BoardArea::Clicked, this, [this] { RunHandler([this] { FormClick(); }); });
    connect(ClientArea, &BoardArea::WheelUp, this,
            [this] { RunHandler([this] { FormMouseWheelUp(); }); });
    connect(ClientArea, &BoardArea::WheelDown, this,
            [this] { RunHandler([this] { FormMouseWheelDown(); }); });
}

GameWindow TForm1::View() {
    return {.Window = this,
            .ClientArea = ClientArea,
            .Panel1 = Panel1,
            .Panel2 = Panel2,
            .SpeedButtons = SpeedButtons,
            .CheckBox1 = CheckBox1,
            .Label1 = Label1,
            .Button2 = Button2,
            .Easy1 = Easy1,
            .Medium1 = Medium1,
            .Hard1 = Hard1,
            .Sound1 = Sound1,
            .Print1 = Print1,
            .Clearall1 = Clearall1,
            .Solve1 = Solve1,
            .Submit1 = Submit1,
            .Pause1 = Pause1,
            .Timer1 = &Timer1,
            .MediaPlayer1 = &MediaPlayer1,
            .ScoreLines = &ScoreLines,
            .Saves = &Saves,
            .Printing = &Printing,
            .ProgressWindow = ProgressWindow,
            .NotificationWindow = NotificationWindow,
            .BestTimesWindow = BestTimesWindow,
            .HelpWindow = HelpWindow,
            .AboutWindow = AboutWindow};
}

void TForm1::FormCreate() {
    ClientArea->setCursor(PencilCursor());
    StartUp(View());
}

void TForm1::FormClose() {
    SaveSoundSetting(View());
}

void TForm1::Button1Click() {
    ConfirmNewGame(View());
}
void TForm1::Easy1Click() {
    ChooseLevel(View(), Easy);
}
void TForm1::Medium1Click() {
    ChooseLevel(View(), Medium);
}
void TForm1::Hard1Click() {
    ChooseLevel(View(), Hard);
}
void TForm1::Sound1Click() {
    ToggleSound(*Sound1);
}
void TForm1::Print1Click() {
    PrintCommand(View());
}
void TForm1::Exit1Click() {
    close();
}
void TForm1::BestTimes1Click() {
    ShowBestTimes(View());
}
void TForm1::Clearall1Click() {
    ClearAll(View());
}
void TForm1::Solve1Click() {
    SolvePuzzle(View());
}
void TForm1::Pause1Click() {
    PauseGame(View());
}
void TForm1::Button2Click() {
    SubmitSolution(View());
}
void TForm1::Howtoplay1Click() {
    ShowHowToPlay(*HelpWindow);
}
void TForm1::Rules1Click() {
    ShowRules(*HelpWindow);
}
void TForm1::About2Click() {
    ShowAbout(*AboutWindow);
}
void TForm1::SpeedButton1Click() {
    TakeToolOfButtons(View());
}
void TForm1::FormPaint(QPainter& canvas) {
    PaintBoard(*ClientArea, canvas);
}
void TForm1::FormMouseMove(int X, int Y) {
    TrackMouse(X, Y);
}
void TForm1::FormClick() {
    ClickCell(View());
}
void TForm1::FormMouseWheelDown() {
    NextTool(View());
}
void TForm1::FormMouseWheelUp() {
    PreviousTool(View());
}
void TForm1::Timer1Timer() {
    TickClock(View());
}

void TForm1::changeEvent(QEvent* event) {
    KeepDesignedSize(*this, *event);
    QMainWindow::changeEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    // A failed write is shown, and the program still ends: there is nothing the player could do
    // from a window that refuses to close. Only a change that waits for another game's save
    // keeps it open, until it is saved or the player lets it go.
    RunHandler([this] { FormClose(); });
    bool mayClose = true;
    RunHandler([this, &mayClose] { mayClose = MayCloseWindow(View()); });
    event->setAccepted(mayClose);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (CentredOnce)
        return;
    CentredOnce = true;
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        const QRect frame = frameGeometry();
        move(area.x() + (area.width() - frame.width()) / 2,
             area.y() + (area.height() - frame.height()) / 2);
    }
}
