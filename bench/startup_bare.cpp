// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up benchmark's yardstick: a plain Qt Widgets main window of the game's kind, with the
// same menus and items, the same title bar buttons and the same fixed client size, and nothing
// else. What the game takes beyond this is the game's own start-up work.

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>

namespace {

void AddItems(QMenu* menu, std::initializer_list<const char*> captions) {
    for (const char* caption : captions) {
        if (*caption)
            menu->addAction(caption);
        else
            menu->addSeparator();
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tolvane-bare");
    QMainWindow window;
    window.setWindowTitle("Tolvane-bare");
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);

    // An empty caption stands for a separator. The game's check items start as it builds them:
    // Medium and Sound checked, the items without a game to act on greyed.
    QMenu* game = window.menuBar()->addMenu("Game");
    AddItems(game,
             {"New", "", "Easy", "Medium", "Hard", "", "Sound", "Best Times", "Print", "", "Exit"});
    QMenu* options = window.menuBar()->addMenu("Options");
    AddItems(options, {"Clear all", "Solve", "Submit", "", "Pause"});
    QMenu* help = window.menuBar()->addMenu("Help");
    AddItems(help, {"How to play", "Rules", "", "About"});
    for (QAction* item : game->actions()) {
        const QString caption = item->text();
        if (caption == "Easy" || caption == "Medium" || caption == "Hard" || caption == "Sound") {
            item->setCheckable(true);
            item->setChecked(caption == "Medium" || caption == "Sound");
        }
        item->setEnabled(caption != "Print");
    }
    for (QAction* item : options->actions())
        item->setEnabled(item->isSeparator());

    auto* clientArea = new QWidget(&window);
    clientArea->setFixedSize(409, 463);
    window.setCentralWidget(clientArea);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window.show();
    return QApplication::exec();
}
