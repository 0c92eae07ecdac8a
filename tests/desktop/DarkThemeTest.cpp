// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game under a dark desktop theme, as GNOME's dark Adwaita reaches Qt programs through Qt's
// GTK platform theme (run with QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark): the board and
// the help read from the screen's own pixels, polled until the screen shows them.

#include "app/MainWindow.h"
#include "platform/Colours.h"
#include "tests/support/GameSession.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestWindows.h"
#include "tests/view/ThemeChecks.h"
#include "view/BoardArea.h"
#include "view/HelpWindow.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

// What the screen shows of the widget.
QImage OnScreen(const QWidget& widget) {
    const QPoint at = widget.mapToGlobal(QPoint(0, 0));
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, at.x(), at.y(), widget.width(), widget.height())
        .toImage();
}

// The problems once the screen agrees that there are none, or the last ones seen.
QString Settled(const std::function<QString()>& problems) {
    QString last;
    const bool none = QTest::qWaitFor(
        [&] {
            last = problems();
            return last.isEmpty();
        },
        5000);
    return none ? QString() : last;
}

} // namespace

class DarkThemeTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        PrepareApplication();
        QVERIFY2(!IsLight(QApplication::palette()),
                 "the dark GTK theme did not reach the game: are qt6-gtk-platformtheme and "
                 "gnome-themes-extra installed?");
    }

    void boardAndHelpReadOnTheScreen() {
        GameSession session;
        session.ShowMainWindow();
        const Digits digits = PlayWithEveryKindOfDigit();
        const QColor face = QApplication::palette().color(QPalette::Button);
        QCOMPARE(Settled([&] {
                     const QImage board = OnScreen(*Windows.Main->ClientArea);
                     return board.pixelColor(10, 10) != face
                                ? "face " + board.pixelColor(10, 10).name()
                                : BoardProblems(board, digits);
                 }),
                 QString());

        QString help = "not shown";
        AnswerInOrder({[&](QWidget* window) {
            QPlainTextEdit& text = *Windows.Help->HowToPlayBox;
            QPushButton& ok = *Windows.Help->OkButton;
            help = Settled([&] {
                const QImage page = OnScreen(*text.viewport());
                const QImage button = OnScreen(ok);
                return TextProblem(page, page.rect(), "how to play") +
                       TextProblem(button, button.rect().adjusted(4, 4, -4, -4), "Ok");
            });
            Press("Ok")(window);
        }});
        Windows.Main->HowToPlayItem->trigger();
        QCOMPARE(help, QString());
    }
};

QTEST_MAIN(DarkThemeTest)
#include "DarkThemeTest.moc"
