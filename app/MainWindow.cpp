// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "control/BestTimesFlow.h"
#include "control/CellInput.h"
#include "control/GameClock.h"
#include "control/GameFlow.h"
#include "control/SoundCommand.h"
#include "control/StartUp.h"
#include "engine/TimeText.h"
#include "platform/AutoSize.h"
#include "platform/ClickPaint.h"
#include "platform/Colours.h"
#include "platform/Fonts.h"
#include "platform/MessageBoxes.h"
#include "platform/MinimizeIcon.h"
#include "platform/WindowFrame.h"
#include "sound/SoundEffects.h"
#include "view/AboutWindow.h"
#include "view/BestTimesWindow.h"
#include "view/BoardAccessibility.h"
#include "view/BoardArea.h"
#include "view/HelpWindow.h"
#include "view/NameBox.h"
#include "view/NoticeWindow.h"
#include "view/ProgressWindow.h"
#include "view/TranslatedLevels.h"

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

#include <chrono>

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

    ClientArea = new BoardArea(CurrentGame, this);
    setCentralWidget(ClientArea);
    // The board and its tool panel stay as designed in a language written right to left.
    ClientArea->setLayoutDirection(Qt::LeftToRight);
    // The window takes the size of its client area and menu bar; the user cannot resize it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    CreateMenus();
    CreateToolPanel();
    CreateHiddenComponents();
    ConnectHandlers();
    AutoSize(*ClientArea);
    // From the board through the tool panel, for a player on the keyboard.
    QWidget::setTabOrder(ClientArea, ToolButtons.front());
    for (int n = 1; n < 10; ++n)
        QWidget::setTabOrder(ToolButtons[n - 1], ToolButtons[n]);
    QWidget::setTabOrder(ToolButtons.back(), GuessingBox);
    QWidget::setTabOrder(GuessingBox, SubmitButton);
    QAccessible::installActivationObserver(this);
    accessibilityActiveChanged(QAccessible::isActive());
    RunHandler([this] { Start(); });
}

MainWindow::~MainWindow() {
    QAccessible::removeActivationObserver(this);
}

void MainWindow::accessibilityActiveChanged(bool active) {
    ClientArea->SetKeyboardPlay(active);
    for (QToolButton* button : ToolButtons)
        button->setFocusPolicy(active ? Qt::StrongFocus : Qt::NoFocus);
}

void MainWindow::ChooseToolByKey(int tool) {
    ShowTool(tool);
    //: Spoken by a screen reader: the tool picked by key, %1 its button's text (no pixel budget)
    TellNews(*ClientArea, tr("Tool %1").arg(ToolGroup->button(tool)->text()));
}

void MainWindow::CreateMenus() {
    //: Menu title; the three titles share 409 px
    GameMenu = menuBar()->addMenu(tr("Game"));
    NewItem = AddItem(GameMenu, tr("New"));
    GameMenu->addSeparator();
    EasyItem = AddCheckItem(GameMenu, TranslatedLevelName(Easy), false);
    MediumItem = AddCheckItem(GameMenu, TranslatedLevelName(Medium), true);
    HardItem = AddCheckItem(GameMenu, TranslatedLevelName(Hard), false);
    GameMenu->addSeparator();
    SoundItem = AddCheckItem(GameMenu, tr("Sound"), CurrentGame.SoundOn);
    BestTimesItem = AddItem(GameMenu, tr("Best Times"));
    PrintItem = AddItem(GameMenu, tr("Print"), false);
    GameMenu->addSeparator();
    ExitItem = AddItem(GameMenu, tr("Exit"));

    //: Menu title; the three titles share 409 px
    OptionsMenu = menuBar()->addMenu(tr("Options"));
    ClearAllItem = AddItem(OptionsMenu, tr("Clear all"), false);
    SolveItem = AddItem(OptionsMenu, tr("Solve"), false);
    SubmitItem = AddItem(OptionsMenu, tr("Submit"), false);
    OptionsMenu->addSeparator();
    PauseItem = AddItem(OptionsMenu, tr("Pause"), false);

    //: Menu title; the three titles share 409 px
    HelpMenu = menuBar()->addMenu(tr("Help"));
    HowToPlayItem = AddItem(HelpMenu, tr("How to play"));
    RulesItem = AddItem(HelpMenu, tr("Rules"));
    HelpMenu->addSeparator();
    AboutItem = AddItem(HelpMenu, tr("About"));

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
            //: Tool panel button, 49 x 22 px, 11 px bold
            button->setText(tr("Erase"));
            button->setFont(SansSerif(11, true));
            button->setGeometry(232, 10, 49, 22);
        }
        ShowPressedOnDarkFace(*button);
        // Each button's id in the group is the tool it chooses.
        ToolGroup->addButton(button, n <= 9 ? n : EraseTool);
        ToolButtons[n - 1] = button;
    }

    //: Tool panel check box, 97 px with its box, 11 px bold
    GuessingBox = new QCheckBox(tr("Just guessing"), ToolPanel);
    GuessingBox->setFont(SansSerif(11, true));
    GuessingBox->setGeometry(294, 13, 97, 17);

    Divider = new QFrame(ToolPanel);
    Divider->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Divider->setGeometry(8, 40, 393, 3);

    //: Status line, 11 px bold; up to 150 px, the Submit button stands to its right
    StatusLine = new QLabel(tr("Click 'Game' to start"), ToolPanel);
    StatusLine->setFont(SansSerif(11, true));
    StatusLine->move(11, 52);
    StatusLine->adjustSize();

    //: Tool panel button, 81 x 19 px, 11 px bold
    SubmitButton = new QPushButton(tr("Submit"), ToolPanel);
    SubmitButton->setFont(SansSerif(11, true));
    SubmitButton->setGeometry(161, 51, 81, 19);
    SubmitButton->setAutoDefault(false);
    SubmitButton->hide();

    for (auto* button : ToolPanel->findChildren<QAbstractButton*>())
        RepaintAfterClick(*button);
}

void MainWindow::CreateHiddenComponents() {
    PrintStrip = MakePanel(ClientArea, QRect(0, 384, 409, 17));
    PrintStrip->hide();

    Spacer = new QWidget(ClientArea);
    Spacer->setGeometry(400, 0, 2, 193);

    Clock.setInterval(1000);
}

void MainWindow::Play(void (*routine)(Game&, GameWindow&)) {
    RunHandler([this, routine] { routine(CurrentGame, *this); });
}

// Every handler runs guarded: a failure ends it and shows the standard error box.
void MainWindow::ConnectHandlers() {
    const auto bind = [this](QAction* item, void (*routine)(Game&, GameWindow&)) {
        connect(item, &QAction::triggered, this, [this, routine] { Play(routine); });
    };
    connect(NewItem, &QAction::triggered, this,
            [this] { RunHandler([this] { ConfirmNewGame(CurrentGame, *this, Log); }); });
    bind(ClearAllItem, ClearAll);
    bind(SolveItem, SolvePuzzle);
    const auto submit = [this] {
        RunHandler([this] { SubmitSolution(CurrentGame, *this, ScoreFile()); });
    };
    connect(SubmitItem, &QAction::triggered, this, submit);
    bind(PauseItem, PauseGame);
    connect(BestTimesItem, &QAction::triggered, this,
            [this] { RunHandler([this] { ShowBestTimes(CurrentGame, *this, ScoreFile()); }); });
    const auto level = [this](QAction* item, Level chosen) {
        connect(item, &QAction::triggered, this, [this, chosen] {
            RunHandler([this, chosen] { ChooseLevel(CurrentGame, *this, Log, chosen); });
        });
    };
    level(EasyItem, Easy);
    level(MediumItem, Medium);
    level(HardItem, Hard);
    connect(SoundItem, &QAction::triggered, this, [this] {
        // The menu has already turned the mark over; the game's setting decides it.
        SoundItem->setChecked(CurrentGame.SoundOn);
        Play(ToggleSound);
    });
    connect(PrintItem, &QAction::triggered, this,
            [this] { RunHandler([this] { PrintCommand(*this); }); });
    connect(ExitItem, &QAction::triggered, this, [this] { RunHandler([this] { close(); }); });
    connect(HowToPlayItem, &QAction::triggered, this,
            [this] { RunHandler([this] { ShowHowToPlay(Help()); }); });
    connect(RulesItem, &QAction::triggered, this,
            [this] { RunHandler([this] { ShowRules(Help()); }); });
    connect(AboutItem, &QAction::triggered, this,
            [this] { RunHandler([this] { About().ShowModal(); }); });
    connect(SubmitButton, &QPushButton::clicked, this, submit);
    // The tool follows the panel however its buttons change: the mouse, or an assistive
    // technology's toggle of a button, which is no click.
    connect(ToolGroup, &QButtonGroup::idToggled, this, [this] {
        RunHandler([this] { ChooseTool(CurrentGame, ToolGroup->checkedId()); });
        // Tab from the board lands on the tool in hand, as into a group of radio buttons.
        if (QAbstractButton* chosen = ToolGroup->checkedButton())
            QWidget::setTabOrder(ClientArea, chosen);
    });
    connect(GuessingBox, &QCheckBox::toggled, this,
            [this](bool checked) { CurrentGame.Guessing = checked; });
    connect(&Clock, &QTimer::timeout, this, [this] { Play(TickClock); });
    connect(ClientArea, &BoardArea::CellClicked, this, [this](int row, int column) {
        RunHandler([this, row, column] { ClickCell(CurrentGame, *this, row, column); });
    });
    connect(ClientArea, &BoardArea::ClickedBesideBoard, this, [this] { Play(ClickBesideBoard); });
    connect(ClientArea, &BoardArea::WheelUp, this, [this] { Play(PreviousTool); });
    connect(ClientArea, &BoardArea::WheelDown, this, [this] { Play(NextTool); });
    connect(ClientArea, &BoardArea::ToolTyped, this,
            [this](int tool) { RunHandler([this, tool] { ChooseToolByKey(tool); }); });
}

void MainWindow::Start() {
    ClientArea->setCursor(PencilCursor());
    PrepareGame(CurrentGame, static_cast<std::uint64_t>(
                                 std::chrono::steady_clock::now().time_since_epoch().count()));
    // The tool panel below the board, and the strip that stands in for it on a printout.
    ToolPanel->move(0, CurrentGame.CellSize * 11);
    PrintStrip->move(0, CurrentGame.CellSize * 11);
    AutoSize(*ClientArea);
    LoadSoundSetting(CurrentGame, *this, ScoreFileLines, Closing);
}

ProgressWindow& MainWindow::Progress() {
    if (!ProgressShown) {
        ProgressShown = new ProgressWindow(this);
        ProgressOutput = std::make_unique<ProgressLines>(*ProgressShown);
    }
    return *ProgressShown;
}

NoticeWindow& MainWindow::Notice() {
    if (!NoticeShown) {
        NoticeShown = new NoticeWindow(this);
        ClientArea->Notification = NoticeShown;
    }
    return *NoticeShown;
}

BestTimesWindow& MainWindow::BestTimes() {
    if (!BestTimesShown)
        BestTimesShown = new BestTimesWindow(this);
    return *BestTimesShown;
}

HelpWindow& MainWindow::Help() {
    if (!HelpShown)
        HelpShown = new HelpWindow(this);
    return *HelpShown;
}

AboutWindow& MainWindow::About() {
    if (!AboutShown)
        AboutShown = new AboutWindow(this);
    return *AboutShown;
}

void MainWindow::ShowBoard() {
    ClientArea->ShowBoard();
}

void MainWindow::BlankBoard() {
    ClientArea->BlankBoard();
}

void MainWindow::AnnounceNewPuzzle() {
    // A player on the keyboard goes on from the board.
    if (ClientArea->KeyboardPlay())
        ClientArea->setFocus(Qt::OtherFocusReason);
    TellBoardNews(*ClientArea, BoardNews::NewPuzzle);
}

void MainWindow::AnnounceSolved(bool byComputer) {
    TellBoardNews(*ClientArea, byComputer ? BoardNews::SolvedByComputer : BoardNews::Solved);
}

void MainWindow::ShowStatus(const QString& text) {
    StatusLine->setText(text);
    StatusLine->adjustSize();
}

void MainWindow::ShowSubmit(bool shown) {
    if (shown && SubmitButton->isHidden())
        //: Spoken by a screen reader when the Submit button appears (no pixel budget)
        TellNews(*ClientArea, tr("Every cell is filled: Submit"));
    SubmitButton->setVisible(shown);
    SubmitItem->setEnabled(shown);
}

void MainWindow::EnablePlayCommands(bool enabled) {
    PauseItem->setEnabled(enabled);
    SolveItem->setEnabled(enabled);
    ClearAllItem->setEnabled(enabled);
}

void MainWindow::EnablePrint() {
    PrintItem->setEnabled(true);
}

void MainWindow::ShowLevel(Level level) {
    EasyItem->setChecked(level == Easy);
    MediumItem->setChecked(level == Medium);
    HardItem->setChecked(level == Hard);
}

void MainWindow::ShowTool(int tool) {
    // Setting the button down from here does not count as a click on it.
    ToolGroup->button(tool)->setChecked(true);
}

void MainWindow::ShowGuessing(bool guessing) {
    GuessingBox->setChecked(guessing);
}

void MainWindow::ShowSound(bool on, bool available) {
    SoundItem->setEnabled(available);
    SoundItem->setChecked(on);
}

void MainWindow::RunClock(bool running) {
    if (running)
        Clock.start();
    else
        Clock.stop();
}

void MainWindow::PlayEffect(const char* fileName) {
    ::PlayEffect(Player, fileName);
}

bool MainWindow::SoundFilesOpen() {
    return ProbeSoundFiles(Player);
}

void MainWindow::HoldInput(bool held) {
    setEnabled(!held);
    SetMinimizeIcon(*this, !held);
}

void MainWindow::ShowProgress(bool shown) {
    if (shown)
        Progress().Show();
    else if (ProgressShown)
        ProgressShown->Hide();
}

TextLines& MainWindow::ProgressText() {
    Progress();
    return *ProgressOutput;
}

bool MainWindow::Confirm(const QString& question) {
    return ::Confirm(this, question);
}

void MainWindow::Inform(const QString& text) {
    ::Inform(this, text);
}

void MainWindow::ShowNotice(const QStringList& lines) {
    NoticeWindow& notice = Notice();
    notice.SetLines(lines);
    notice.ShowModal();
}

QString MainWindow::AskName() {
    return ::AskName(this);
}

bool MainWindow::ShowRecordsAskingReset(const std::array<BestTimeRecord, LevelCount>& records) {
    const auto time = [](std::int32_t seconds) {
        return " " + QString::fromStdString(TimeTextOf(seconds));
    };
    BestTimesWindow& window = BestTimes();
    QStringList names, times;
    for (const BestTimeRecord& record : records) {
        names << NameShown(record.Name);
        times << time(record.Seconds);
    }
    window.PlayerNames->setPlainText(names.join("\n\n"));
    window.Times->setPlainText(times.join("\n\n"));
    return window.ShowAskingReset();
}

void MainWindow::changeEvent(QEvent* event) {
    KeepDesignedSize(*this, *event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        TellWaitingNews(*ClientArea);
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A failed write is shown, and the program still ends: there is nothing the player could do
    // from a window that refuses to close. Only a change that waits for another game's save
    // keeps it open, until it is saved or the player lets it go.
    RunHandler([this] { Closing.SaveSoundSetting(CurrentGame); });
    bool mayClose = true;
    RunHandler([this, &mayClose] { mayClose = Closing.MayClose(); });
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
