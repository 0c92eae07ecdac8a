// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/view/ThemeChecks.h"

#include "app/MainWindow.h"
#include "engine/Game.h"
#include "platform/Colours.h"
#include "tests/support/BoardGeometry.h"
#include "tests/support/GamePlay.h"
#include "tests/support/TestWindows.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <map>

namespace {

bool Chromatic(QColor colour) {
    return colour.toHsv().hsvSaturation() >= 80 && colour.toHsv().value() >= 40;
}

bool Achromatic(QColor colour) {
    return colour.toHsv().hsvSaturation() <= 40;
}

// The text's own rectangle in a button, where its border and face do not reach (beside the box
// of a check box).
QRect TextArea(const QAbstractButton& button) {
    if (qobject_cast<const QCheckBox*>(&button)) {
        QStyleOptionButton option;
        option.initFrom(&button);
        option.text = button.text();
        return button.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &button);
    }
    QRect text = button.fontMetrics().boundingRect(button.text());
    text.moveCenter(button.rect().center());
    return text.intersected(button.rect().adjusted(3, 3, -3, -3));
}

int FirstGiven() {
    for (int i = 1; i <= 81; ++i)
        if (TheGame().Given[i])
            return i;
    return 0;
}

int NextOpenCell(int after) {
    for (int i = after + 1; i <= 81; ++i)
        if (!TheGame().Given[i])
            return i;
    return 0;
}

} // namespace

QPalette Themed(QColor face, QColor text, QColor base) {
    QPalette palette(face, face);
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(role, text);
    palette.setColor(QPalette::Base, base);
    return palette;
}

QPalette DarkPalette() {
    return Themed(QColor(50, 50, 50), QColor(240, 240, 240), QColor(36, 36, 36));
}

QPalette HighContrastDark() {
    return Themed(Qt::black, Qt::white, Qt::black);
}

QPalette HighContrastLight() {
    return Themed(Qt::white, Qt::black, Qt::white);
}

QColor Strongest(const QImage& image, QRect area, QColor background) {
    QColor best = background;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (Contrast(image.pixelColor(x, y), background) > Contrast(best, background))
                best = image.pixelColor(x, y);
    return best;
}

QColor Commonest(const QImage& image, QRect area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    auto most = counts.begin();
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it->second > most->second)
            most = it;
    return most == counts.end() ? QColor() : QColor::fromRgb(most->first);
}

bool Distinct(QColor a, QColor b, double designedContrast) {
    if (Contrast(a, b) >= designedContrast)
        return true;
    if (Chromatic(a) && Chromatic(b)) {
        const int apart = std::abs(a.toHsv().hsvHue() - b.toHsv().hsvHue());
        return std::min(apart, 360 - apart) >= 30;
    }
    return (Chromatic(a) && Achromatic(b)) || (Achromatic(a) && Chromatic(b));
}

QString TextProblem(const QImage& image, QRect area, const QString& text) {
    const QColor background = Commonest(image, area);
    const double ratio = Contrast(Strongest(image, area, background), background);
    if (ratio >= TextContrast)
        return {};
    return QString("\"%1\" %2 : 1 on %3")
        .arg(text.left(20))
        .arg(ratio, 0, 'f', 2)
        .arg(background.name());
}

// Tool 8 and a click, then "Just guessing" and another click.
Digits PlayWithEveryKindOfDigit() {
    StartNewGame();
    Digits digits{FirstGiven(), FirstOpenCell(), NextOpenCell(FirstOpenCell())};
    ChooseTool(8);
    ClickCell(digits.EntryCell);
    Windows.Main->GuessingBox->click();
    ClickCell(digits.GuessCell);
    Windows.Main->GuessingBox->click();
    return digits;
}

QRect CellInside(int index) {
    return CellSquare(index).adjusted(3, 3, -3, -3);
}

QString BoardProblems(const QImage& board, const Digits& digits) {
    QStringList problems;
    const QColor face = board.pixelColor(10, 10);
    const QColor given = Strongest(board, CellInside(digits.GivenCell), face);
    const QColor entry = Strongest(board, CellInside(digits.EntryCell), face);
    const QColor guess = Strongest(board, CellInside(digits.GuessCell), face);
    const auto readable = [&](const char* what, QColor colour, double needed) {
        if (Contrast(colour, face) < needed)
            problems << QString("%1 %2 is %3 : 1 on %4")
                            .arg(what, colour.name())
                            .arg(Contrast(colour, face), 0, 'f', 2)
                            .arg(face.name());
    };
    readable("given", given, TextContrast);
    readable("entry", entry, TextContrast);
    readable("guess", guess, TextContrast);
    // The two-pixel bands: a seam of two cell frames at 70, a block frame at 140, across and down.
    for (const int at : {69, 70}) {
        readable("cell line", board.pixelColor(at, 52), LineContrast);
        readable("cell line", board.pixelColor(52, at), LineContrast);
    }
    for (const int at : {139, 140}) {
        readable("block line", board.pixelColor(at, 52), LineContrast);
        readable("block line", board.pixelColor(52, at), LineContrast);
    }
    // As far apart as black, purple and teal are on the light face, or of another hue.
    if (!Distinct(given, entry, 2.2) || !Distinct(entry, guess, 1.9) ||
        !Distinct(given, guess, 4.4))
        problems << "digits alike: " + given.name() + " " + entry.name() + " " + guess.name();
    return problems.join("; ");
}

QString UnreadableTexts(QWidget& window) {
    QStringList problems;
    for (auto* label : window.findChildren<QLabel*>())
        if (label->isVisibleTo(&window) && !label->text().isEmpty()) {
            const QImage image = label->grab().toImage();
            problems << TextProblem(image, image.rect(), label->text());
        }
    for (auto* text : window.findChildren<QPlainTextEdit*>())
        if (text->isVisibleTo(&window) && !text->toPlainText().trimmed().isEmpty()) {
            const QImage image = text->viewport()->grab().toImage();
            problems << TextProblem(image, image.rect(), text->toPlainText().trimmed());
        }
    for (auto* button : window.findChildren<QAbstractButton*>())
        if (button->isVisibleTo(&window) && !button->text().isEmpty()) {
            const QImage image = button->grab().toImage();
            problems << TextProblem(image, TextArea(*button), button->text());
        }
    problems.removeAll(QString());
    return problems.join("; ");
}
