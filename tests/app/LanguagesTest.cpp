// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a player of each language starts it (run once a language, once in the C locale
// and once in a made-up language): what the player reads, the direction of Arabic, every window
// and box translated, and a score file that holds no word of any language.

#include "app/MainWindow.h"
#include "engine/Game.h"
#include "tests/support/GamePlay.h"
#include "tests/support/GameSession.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestLanguage.h"
#include "tests/support/TestWindows.h"
#include "view/BestTimesWindow.h"
#include "view/BoardArea.h"
#include "view/ProgressWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QTranslator>

namespace {

QString Language() {
    return qEnvironmentVariable("LANGUAGE");
}

// What the player should read for an English source text.
QString Expected(const char* context, const char* source) {
    if (PseudoLanguage())
        return Pseudo(source);
    if (Language().isEmpty())
        return source;
    static QTranslator catalogue;
    if (catalogue.isEmpty() && !catalogue.load(":/i18n/tolvane_" + Language()))
        qFatal("The game has no translation for %s", qPrintable(Language()));
    return catalogue.translate(context, source);
}

// What a screen reader is told of an object and all within it: names, descriptions and the
// text it holds (the board's cells and news, the best-times rows).
void SpokenTexts(const QAccessibleInterface* object, QStringList& texts) {
    texts << object->text(QAccessible::Name) << object->text(QAccessible::Description);
    if (QAccessibleTextInterface* text = const_cast<QAccessibleInterface*>(object)->textInterface())
        texts << text->text(0, text->characterCount());
    for (int i = 0; i < object->childCount(); ++i)
        if (const QAccessibleInterface* child = object->child(i))
            SpokenTexts(child, texts);
}

// The texts under `root` (captions, buttons, labels, text boxes, menus, names a screen reader
// speaks) that did not come through the translation system. Only the made-up language tells:
// every translated text in it is marked. Numbers, times and the game's name are nobody's words.
QStringList Untranslated(QWidget* root) {
    QStringList texts{root->windowTitle()};
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        texts << widget->accessibleName() << widget->accessibleDescription();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        else if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        else if (auto* box = qobject_cast<QPlainTextEdit*>(widget))
            texts << box->toPlainText().split('\n');
        else if (auto* field = qobject_cast<QLineEdit*>(widget))
            texts << field->text();
        else if (auto* menu = qobject_cast<QMenu*>(widget)) {
            texts << menu->title();
            for (const QAction* item : menu->actions())
                texts << item->text();
        }
    }
    QStringList spoken;
    SpokenTexts(QAccessible::queryAccessibleInterface(root), spoken);
    static const QRegularExpression nobodysWords(R"(^[\s\d:.&]*$|^Tolvane$)");
    QStringList untranslated;
    for (const QString& text : texts)
        if (!nobodysWords.match(text).hasMatch() && !IsPseudo(text))
            untranslated << text;
    for (const QString& text : spoken)
        if (!nobodysWords.match(text).hasMatch() && !IsWhollyPseudo(text))
            untranslated << text;
    return untranslated;
}

// Notes what the window shows untranslated, then answers as a player going on would: Yes, OK,
// the offered name.
Answer GoOn(QStringList& untranslated) {
    return [&untranslated](QWidget* window) {
        untranslated << Untranslated(window);
        if (auto* box = qobject_cast<QMessageBox*>(window)) {
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            (yes ? yes : box->button(QMessageBox::Ok))->click();
        } else if (auto* dialog = qobject_cast<QDialog*>(window)) {
            dialog->accept();
        }
    };
}

// Plays a game to a record of 42 seconds at Medium, through every box on the way, and returns
// the score file it leaves.
QByteArray PlayToARecord(QStringList& untranslated) {
    GameSession session;
    AnswerInOrder({GoOn(untranslated), GoOn(untranslated)});
    Windows.Main->NewItem->trigger();
    FinishGridByClick();
    TheGame().ElapsedSeconds = 42;
    AnswerInOrder({GoOn(untranslated), GoOn(untranslated), GoOn(untranslated)});
    Windows.Main->SubmitButton->click();
    return session.Folder.Read("highscores.txc");
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        PrepareApplication();
        InstallTestLanguage();
    }

    // The player's catalogue and Qt's own (the boxes' buttons) in use; in Arabic the menus and
    // windows run right to left around a board area that keeps its own direction.
    void menusSpeakThePlayersLanguageAndFit() {
        GameSession session;
        MainWindow& main = *Windows.Main;
        QCOMPARE(main.GameMenu->title(), Expected("MainWindow", "Game"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes") != "&Yes",
                 !Language().isEmpty() || PseudoLanguage());
        // The three menus share the designed width on one line.
        QVERIFY(main.menuBar()->sizeHint().width() <= main.ClientArea->width());

        const bool arabic = Language() == "ar";
        QCOMPARE(main.menuBar()->layoutDirection(), arabic ? Qt::RightToLeft : Qt::LeftToRight);
        QCOMPARE(main.ClientArea->layoutDirection(), Qt::LeftToRight);
        // A window's controls change sides when it first shows.
        Windows.BestTimes->show();
        QCOMPARE(Windows.BestTimes->ResetButton->x(), arabic ? 374 - 48 - 81 : 48);
        Windows.BestTimes->hide();
    }

    // Every window and box on the way to a record and beside it translated (only the made-up
    // language marks every translated text); and the record the same bytes as that of a game in
    // the design's English: the offered name is "Anonymous" in the file, whatever it reads.
    void everyTextTranslatedScoreFileTheSame() {
        QStringList untranslated;
        const QByteArray inLanguage = PlayToARecord(untranslated);
        {
            GameSession session;
            untranslated << Untranslated(Windows.Main);
            AnswerInOrder({GoOn(untranslated), GoOn(untranslated)});
            // A screen reader listens: the news of the new puzzle is told.
            QAccessible::setActive(true);
            const auto off = qScopeGuard([] { QAccessible::setActive(false); });
            Windows.Main->NewItem->trigger();
            untranslated << Untranslated(Windows.Progress);
            // The news waits for the window to be the player's again: the new puzzle, a tool
            // chosen by key, the board filled.
            session.ShowMainWindow();
            Windows.Main->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(Windows.Main));
            QTest::keyClick(Windows.Main->ClientArea, Qt::Key_5);
            FinishGridByClick();
            QCoreApplication::processEvents(); // news goes out on the next turn
            untranslated << Untranslated(Windows.Main);
            for (QAction* item : {Windows.Main->PauseItem, Windows.Main->ClearAllItem,
                                  Windows.Main->HowToPlayItem, Windows.Main->AboutItem}) {
                AnswerInOrder({GoOn(untranslated)});
                item->trigger();
            }
        }
        untranslated.removeDuplicates();
        QVERIFY2(!PseudoLanguage() || untranslated.isEmpty(), qPrintable(untranslated.join(" | ")));

        for (QTranslator* translator : qApp->findChildren<QTranslator*>())
            QCoreApplication::removeTranslator(translator);
        const QByteArray inEnglish = PlayToARecord(untranslated);
        QVERIFY(inEnglish.contains("Anonymous\r\n42\r\n"));
        QCOMPARE(inLanguage, inEnglish);
    }
};

QTEST_MAIN(LanguagesTest)
#include "LanguagesTest.moc"
