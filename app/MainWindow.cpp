// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "control/BestTimesFlow.h"
#include "control/CellInput.h"
#include "control/GameClock.h"
#include "control/GameFlow.h"
#include "control/HelpCommands.h"
#include "control/SoundCommand.h"
#include "control/StartUp.h"
#include "platform/AutoSize.h"
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

MainWindow::MainWindow() {
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
    RunHandler([this] { Start(); });
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateMenus() {
    GameMenu = menuBar()->addMenu("Game");
    NewItem = AddItem(GameMenu, "New");
    GameMenu->addSeparator();
    EasyItem = AddCheckItem(GameMenu, "Easy", false);
    MediumItem = AddCheckItem(GameMenu, "Medium", true);
    HardItem = AddCheckItem(GameMenu, "Hard", false);
    GameMenu->addSeparator();
    SoundItem = AddCheckItem(GameMenu, "Sound", true);
    BestTimesItem = AddItem(GameMenu, "Best Times");
    PrintItem = AddItem(GameMenu, "Print", false);
    GameMenu->addSeparator();
    ExitItem = AddItem(GameMenu, "Exit");

    OptionsMenu = menuBar()->addMenu("Options");
    ClearAllItem = AddItem(OptionsMenu, "Clear all", false);
    SolveItem = AddItem(OptionsMenu, "Solve", false);
    SubmitItem = AddItem(OptionsMenu, "Submit", false);
    OptionsMenu->addSeparator();
    PauseItem = AddItem(OptionsMenu, "Pause", false);

    HelpMenu = menuBar()->addMenu("Help");
    HowToPlayItem = AddItem(HelpMenu, "How to play");
    RulesItem = AddItem(HelpMenu, "Rules");
    HelpMenu->addSeparator();
    AboutItem = AddItem(HelpMenu, "About");

    // F10 opens the Game menu, as on GTK desktops; Alt keeps Qt's own way to the menu bar.
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(Qt::Key_F10);
    connect(menuKey, &QAction::triggered, this,
            [this] { menuBar()->setActiveAction(GameMenu->menuAction()); });
    addAction(menuKey);
}

void MainWindow::CreateToolPanel() {
    ToolPanel = MakePanel(ClientArea, QRect(0, 384, 409, 78));
    ToolGroup = new QButtonGroup(this);
    ToolGroup->setExclusive(true);
    for (int n = 1; n <= 10; ++n) {
        auto* button = new QToolButton(ToolPanel);
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
        ToolButtons[n - 1] = button;
    }

    GuessingBox = new QCheckBox("Just guessing", ToolPanel);
    GuessingBox->setFont(SansSerif(11, true));
    GuessingBox->setGeometry(294, 13, 97, 17);

    Divider = new QFrame(ToolPanel);
    Divider->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Divider->setGeometry(8, 40, 393, 3);

    StatusLine = new QLabel("Click 'Game' to start", ToolPanel);
    StatusLine->setFont(SansSerif(11, true));
    StatusLine->move(11, 52);
    StatusLine->adjustSize();

    SubmitButton = new QPushButton("Submit", ToolPanel);
    SubmitButton->setFont(SansSerif(11, true));
    SubmitButton->setGeometry(161, 51, 81, 19);
    SubmitButton->setAutoDefault(false);
    SubmitButton->hide();
}

void MainWindow::CreateHiddenComponents() {
    PrintStrip = MakePanel(ClientArea, QRect(0, 384, 409, 17));
    PrintStrip->hide();

    Spacer = new QWidget(ClientArea);
    Spacer->setGeometry(400, 0, 2, 193);

    Clock.setInterval(1000);
}

// Every handler runs guarded: a failure ends it and shows the standard error box.
void MainWindow::ConnectHandlers() {
    const auto bind = [this](QAction* item, void (MainWindow::*handler)()) {
        connect(item, &QAction::triggered, this,
                [this, handler] { RunHandler([this, handler] { (this->*handler)(); }); });
    };
    bind(NewItem, &MainWindow::AskNewGame);
    bind(EasyItem, &MainWindow::ChooseEasy);
    bind(MediumItem, &MainWindow::ChooseMedium);
    bind(HardItem, &MainWindow::ChooseHard);
    bind(BestTimesItem, &MainWindow::OpenBestTimes);
    bind(PrintItem, &MainWindow::Print);
    bind(ExitItem, &MainWindow::Exit);
    bind(ClearAllItem, &MainWindow::ClearEntries);
    bind(SolveItem, &MainWindow::Solve);
    bind(SubmitItem, &MainWindow::Submit);
    bind(PauseItem, &MainWindow::Pause);
    bind(HowToPlayItem, &MainWindow::OpenHowToPlay);
    bind(RulesItem, &MainWindow::OpenRules);
    bind(AboutItem, &MainWindow::OpenAbout);
    connect(SoundItem, &QAction::triggered, this, [this] {
        // The menu has already toggled the mark; the handler decides it.
        SoundItem->setChecked(!SoundItem->isChecked());
        RunHandler([this] { SwitchSound(); });
    });
    connect(SubmitButton, &QPushButton::clicked, this,
            [this] { RunHandler([this] { Submit(); }); });
    // The tool follows the panel however its buttons change: the mouse, or an assistive
    // technology's toggle of a button, which is no click.
    connect(ToolGroup, &QButtonGroup::idToggled, this,
            [this] { RunHandler([this] { ChooseTool(); }); });
    connect(&Clock, &QTimer::timeout, this, [this] { RunHandler([this] { Tick(); }); });
    connect(ClientArea, &BoardArea::Painting, this,
            [this](QPainter& canvas) { RunHandler([&] { PaintBoardArea(canvas); }); });
    connect(ClientArea, &BoardArea::CellClicked, this,
            [this](int row, int column) { RunHandler([&] { ClickBoard(row, column); }); });
    connect(ClientArea, &BoardArea::ClickedBesideBoard, this,
            [this] { RunHandler([this] { ClickBesideBoard(); }); });
    connect(ClientArea, &BoardArea::WheelUp, this, [this] { RunHandler([this] { WheelUp(); }); });
    connect(ClientArea, &BoardArea::WheelDown, this,
            [this] { RunHandler([this] { WheelDown(); }); });
}

GameWindow MainWindow::View() {
    return {.Window = this,
            .ClientArea = ClientArea,
            .ToolPanel = ToolPanel,
            .PrintStrip = PrintStrip,
            .ToolButtons = ToolButtons,
            .GuessingBox = GuessingBox,
            .StatusLine = StatusLine,
            .SubmitButton = SubmitButton,
            .EasyItem = EasyItem,
            .MediumItem = MediumItem,
            .HardItem = HardItem,
            .SoundItem = SoundItem,
            .PrintItem = PrintItem,
            .ClearAllItem = ClearAllItem,
            .SolveItem = SolveItem,
            .SubmitItem = SubmitItem,
            .PauseItem = PauseItem,
            .Clock = &Clock,
            .Player = &Player,
            .ScoreLines = &ScoreLines,
            .Saves = &Saves,
            .Printing = &Printing,
            .Progress = Progress,
            .Notice = Notice,
            .BestTimes = BestTimes,
            .Help = Help,
            .About = About};
}

void MainWindow::Start() {
    ClientArea->setCursor(PencilCursor());
    StartUp(View());
}

void MainWindow::SaveOnClose() {
    SaveSoundSetting(View());
}

void MainWindow::AskNewGame() {
    ConfirmNewGame(View());
}
void MainWindow::ChooseEasy() {
    ChooseLevel(View(), Easy);
}
void MainWindow::ChooseMedium() {
    ChooseLevel(View(), Medium);
}
void MainWindow::ChooseHard() {
    ChooseLevel(View(), Hard);
}
void MainWindow::SwitchSound() {
    ToggleSound(*SoundItem);
}
void MainWindow::Print() {
    PrintCommand(View());
}
void MainWindow::Exit() {
    close();
}
void MainWindow::OpenBestTimes() {
    ShowBestTimes(View());
}
void MainWindow::ClearEntries() {
    ClearAll(View());
}
void MainWindow::Solve() {
    SolvePuzzle(View());
}
void MainWindow::Pause() {
    PauseGame(View());
}
void MainWindow::Submit() {
    SubmitSolution(View());
}
void MainWindow::OpenHowToPlay() {
    ShowHowToPlay(*Help);
}
void MainWindow::OpenRules() {
    ShowRules(*Help);
}
void MainWindow::OpenAbout() {
    ShowAbout(*About);
}
void MainWindow::ChooseTool() {
    TakeToolOfButtons(View());
}
void MainWindow::PaintBoardArea(QPainter& canvas) {
    PaintBoard(*ClientArea, canvas);
}
void MainWindow::ClickBoard(int row, int column) {
    ClickCell(View(), row, column);
}
void MainWindow::ClickBesideBoard() {
    ::ClickBesideBoard(View());
}
void MainWindow::WheelDown() {
    NextTool(View());
}
void MainWindow::WheelUp() {
    PreviousTool(View());
}
void MainWindow::Tick() {
    TickClock(View());
}

void MainWindow::changeEvent(QEvent* event) {
    KeepDesignedSize(*this, *event);
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A failed write is shown, and the program still ends: there is nothing the player could do
    // from a window that refuses to close. Only a change that waits for another game's save
    // keeps it open, until it is saved or the player lets it go.
    RunHandler([this] { SaveOnClose(); });
    bool mayClose = true;
    RunHandler([this, &mayClose] { mayClose = MayCloseWindow(View()); });
    event->setAccepted(mayClose);
}

void MainWindow::showEvent(QShowEvent* event) {
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
