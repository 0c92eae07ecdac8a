// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of every window, laid out in the control and the box it was designed for, at the
// designed face, height and weight: none may wrap or be cut. This is what decides the stand-in
// faces; a face wider than the designed one (DejaVu Sans) fails here. The build runs it in every
// language the game speaks (a translation too long for its control fails), and in a made-up
// language a good deal longer than any, which must fail.

#include "app/MainWindow.h"
#include "platform/Fonts.h"
#include "tests/support/GameSession.h"
#include "tests/support/TestLanguage.h"
#include "tests/support/TestWindows.h"
#include "view/AboutWindow.h"
#include "view/BestTimesWindow.h"
#include "view/HelpTexts.h"
#include "view/HelpWindow.h"
#include "view/NameBox.h"
#include "view/NoticeWindow.h"
#include "view/ProgressWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOption>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolButton>

#include <memory>

namespace {

// The room a control of the designed size leaves its caption: across, the box less the frame and
// margins the style puts round a caption; down, the rectangle the style draws the caption in.
QSize CaptionRoom(QWidget* control, QSize box) {
    const QStyle* style = control->style();
    const QRect rect(QPoint(), box);
    if (auto* check = qobject_cast<QCheckBox*>(control)) {
        QStyleOptionButton option;
        option.initFrom(check);
        option.rect = rect;
        return style->subElementRect(QStyle::SE_CheckBoxContents, &option, check).size();
    }
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        QStyleOptionButton option; // without a text: a style's least width is no margin
        option.initFrom(button);
        option.rect = rect;
        const QSize margins = style->sizeFromContents(QStyle::CT_PushButton, &option, {}, button);
        return {box.width() - margins.width(),
                style->subElementRect(QStyle::SE_PushButtonContents, &option, button).height()};
    }
    if (auto* tool = qobject_cast<QToolButton*>(control)) {
        QStyleOptionToolButton option;
        option.initFrom(tool);
        option.rect = rect;
        const QSize margins = style->sizeFromContents(QStyle::CT_ToolButton, &option, {}, tool);
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, tool);
        return {box.width() - margins.width(), box.height() - 2 * frame};
    }
    return box; // a label has no frame or margin of its own
}

QStringList CaptionProblems(QWidget* control, QSize box, const QString& text) {
    const QSize room = CaptionRoom(control, box);
    const QSize needed = QFontMetrics(control->font()).size(0, text);
    QStringList problems;
    if (needed.width() > room.width())
        problems << QString("%1 px wide in a room of %2").arg(needed.width()).arg(room.width());
    if (needed.height() > room.height())
        problems << QString("%1 px high in a room of %2").arg(needed.height()).arg(room.height());
    return problems;
}

// Lays the text out in the text box as it is shown. `paragraphs` may wrap, lines may not.
QStringList TextBoxProblems(QPlainTextEdit* box, const QString& text, bool paragraphs) {
    box->setPlainText(text);
    const QTextDocument& document = *box->document();
    const qreal margin = document.documentMargin();
    const QSizeF room = QSizeF(box->viewport()->size()) - QSizeF(2 * margin, 2 * margin);
    QStringList problems;
    qreal height = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        height += document.documentLayout()->blockBoundingRect(block).height();
        const QTextLayout& lines = *block.layout();
        if (!paragraphs && lines.lineCount() > 1)
            problems << QString("\"%1\" wraps").arg(block.text());
        for (int i = 0; i < lines.lineCount(); ++i)
            if (lines.lineAt(i).naturalTextWidth() > room.width())
                problems << QString("\"%1\" is %2 px wide in a room of %3")
                                .arg(block.text())
                                .arg(lines.lineAt(i).naturalTextWidth())
                                .arg(room.width());
    }
    if (height > room.height())
        problems << QString("%1 px of lines in a room of %2").arg(height).arg(room.height());
    return problems;
}

void Row(const char* window, const char* control, QWidget* widget, QSize box, const QString& text,
         bool paragraphs = false) {
    const QString name = QString("%1 %2: %3").arg(window, control, text.section('\n', 0, 0));
    QTest::newRow(qPrintable(name)) << widget << box << text << paragraphs;
}

QString Tr(const char* context, const char* text) {
    return QCoreApplication::translate(context, text);
}

QString Attempt(const char* word) {
    return Tr("GeneratorProgress", word) + "\n\n" +
           Tr("GeneratorProgress", "Generating a new puzzle.") + "\n\n" +
           Tr("GeneratorProgress", "This may take up to a minute.");
}

} // namespace

class DesignedTextsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        PrepareApplication();
        InstallTestLanguage();
        Session = std::make_unique<GameSession>();
        Session->ShowMainWindow();
        // Text boxes take their final width only when shown.
        Windows.Help->RulesView->show();
        for (QWidget* dialog : std::initializer_list<QWidget*>{
                 Windows.Progress, Windows.Notice, Windows.BestTimes, Windows.Help, Windows.About})
            dialog->show();
    }
    void cleanupTestCase() { Session.reset(); }

    void fitsItsBox_data() {
        QTest::addColumn<QWidget*>("control");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("paragraphs");

        for (int n = 1; n <= 9; ++n)
            Row("main", "ToolButtons", Windows.Main->ToolButtons[n - 1], {23, 22},
                QString::number(n));
        Row("main", "ToolButtons", Windows.Main->ToolButtons[9], {49, 22},
            Tr("MainWindow", "Erase"));
        Row("main", "GuessingBox", Windows.Main->GuessingBox, {97, 17},
            Tr("MainWindow", "Just guessing"));
        // The status line grows to its right, up to the Submit button.
        Row("main", "StatusLine", Windows.Main->StatusLine, {150, 13},
            Tr("MainWindow", "Click 'Game' to start"));
        Row("main", "StatusLine", Windows.Main->StatusLine, {150, 13},
            Tr("GameFlow", "Solved by computer"));
        Row("main", "StatusLine", Windows.Main->StatusLine, {150, 13},
            Tr("GameClock", "Time: %1").arg("99:59:59"));
        Row("main", "SubmitButton", Windows.Main->SubmitButton, {81, 19},
            Tr("MainWindow", "Submit"));

        Row("progress", "Text", Windows.Progress->Text, {201, 105}, Attempt("          PLEASE  "));
        Row("progress", "Text", Windows.Progress->Text, {201, 105}, Attempt("           WAIT   "));

        Row("notification", "Text", Windows.Notice->Text, {201, 73},
            Tr("NoticeWindow", "New puzzle generated.") + "\n\n" +
                Tr("NoticeWindow", "Click OK to start."));
        Row("notification", "Text", Windows.Notice->Text, {201, 73},
            Tr("NoticeWindow", "Game paused") + "\n\n" +
                Tr("NoticeWindow", "Press OK to continue"));
        Row("notification", "OkButton", Windows.Notice->OkButton, {75, 25},
            Tr("NoticeWindow", "OK"));

        Row("best times", "TimeHeading", Windows.BestTimes->TimeHeading, {105, 24},
            Tr("BestTimesWindow", "Time")); // above the times
        Row("best times", "LevelNames", Windows.BestTimes->LevelNames, {73, 129},
            Tr("Level", "Easy") + "\n\n" + Tr("Level", "Medium") + "\n\n" + Tr("Level", "Hard"));
        Row("best times", "PlayerNames", Windows.BestTimes->PlayerNames, {169, 121},
            "MMMMMMMMMMMMMMM\n\n" + NameShown("Anonymous") + "\n\nMMMMMMMMMMMMMMM");
        Row("best times", "Times", Windows.BestTimes->Times, {105, 129},
            " 24:0:0\n\n 23:59:59\n\n 0:0:1");
        Row("best times", "ResetButton", Windows.BestTimes->ResetButton, {81, 25},
            Tr("BestTimesWindow", "Reset scores"));
        Row("best times", "OkButton", Windows.BestTimes->OkButton, {81, 25},
            Tr("BestTimesWindow", "OK"));

        Row("help", "IntroductionBox", Windows.Help->IntroductionBox, {393, 213},
            RulesIntroductionText(), true);
        Row("help", "RowsAndColumnsBox", Windows.Help->RowsAndColumnsBox, {393, 93},
            RowsAndColumnsText(), true);
        Row("help", "ConsequencesBox", Windows.Help->ConsequencesBox, {393, 214},
            ConsequencesText(), true);
        Row("help", "WorkingBox", Windows.Help->WorkingBox, {393, 335}, WorkingText(), true);
        Row("help", "OkButton", Windows.Help->OkButton, {75, 25}, Tr("HelpWindow", "Ok"));

        Row("about", "GameName", Windows.About->GameName, {200, 160},
            "Tolvane"); // up to the right edge
        Row("about", "OkButton", Windows.About->OkButton, {75, 25}, Tr("AboutWindow", "Ok"));
    }

    void fitsItsBox() {
        QFETCH(QWidget*, control);
        QFETCH(QSize, box);
        QFETCH(QString, text);
        QFETCH(bool, paragraphs);
        QStringList problems;
        if (auto* textBox = qobject_cast<QPlainTextEdit*>(control)) {
            QCOMPARE(textBox->size(), box);
            problems = TextBoxProblems(textBox, text, paragraphs);
        } else {
            if (!qobject_cast<QLabel*>(control))
                QCOMPARE(control->size(), box);
            problems = CaptionProblems(control, box, text);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    }

    // No face fits fifteen W in the names box. Such a name is cut at the box's edge rather than
    // wrapped onto the next line, which would move the names below it beside the wrong levels.
    void overlongNameStaysOnItsLine() {
        Windows.BestTimes->PlayerNames->setPlainText("WWWWWWWWWWWWWWW\n\nAnonymous\n\nAnonymous");
        const QTextDocument& document = *Windows.BestTimes->PlayerNames->document();
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            document.documentLayout()->blockBoundingRect(block);
            QCOMPARE(block.layout()->lineCount(), 1);
        }
    }

    // The board's digits, drawn with their top-left corner 8 pixels right of and 1 pixel below a
    // cell's corner, stay inside its blue frame: 35 pixels less the frame's pixel on either side.
    void boardDigitsFitTheirCells() {
        const QFontMetrics metrics(RoundedBold(27));
        const QRect inside(1, 1, 33, 33);
        for (char digit = '1'; digit <= '9'; ++digit) {
            const QRect ink =
                metrics.boundingRect(QChar(digit)).translated(8, 1 + metrics.ascent());
            QVERIFY2(inside.contains(ink), qPrintable(QString("%1 covers (%2, %3) to (%4, %5)")
                                                          .arg(digit)
                                                          .arg(ink.left())
                                                          .arg(ink.top())
                                                          .arg(ink.right())
                                                          .arg(ink.bottom())));
        }
    }

  private:
    std::unique_ptr<GameSession> Session;
};

QTEST_MAIN(DesignedTextsTest)
#include "DesignedTextsTest.moc"
