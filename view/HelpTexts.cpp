// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/HelpTexts.h"

#include <QCoreApplication>
#include <QStringList>

#include <span>

namespace {

// The help texts, one paragraph a text, each translated on its own; an empty text is an empty
// line between paragraphs. The text boxes wrap the paragraphs.
const char* const HowToPlay[] = {
    QT_TRANSLATE_NOOP("HelpTexts", "How to play:"),
    QT_TRANSLATE_NOOP("HelpTexts",
                      "Tolvane is meant to be easy to play. These guidelines show you how."),
    "",
    QT_TRANSLATE_NOOP("HelpTexts", "Starting a new game:"),
    QT_TRANSLATE_NOOP(
        "HelpTexts",
        "Choose \"New\" on the \"Game\" menu. After you have confirmed, a new puzzle is generated. "
        "This may take a little while, but never longer than a minute. A notification tells you "
        "when the puzzle is ready; the clock starts only when you click its OK button."),
    "",
    QT_TRANSLATE_NOOP("HelpTexts", "Solving the puzzle:"),
    QT_TRANSLATE_NOOP(
        "HelpTexts",
        "Solving comes down to three things: inserting values, guessing and submitting."),
    "",
    QT_TRANSLATE_NOOP("HelpTexts", "Inserting values"),
    QT_TRANSLATE_NOOP(
        "HelpTexts",
        "Select a value on the panel at the bottom of the window, or scroll through the values "
        "with the mouse wheel, then click an empty cell to put the value there. To remove a wrong "
        "value, select the Erase button and click the value in the same way."),
    "",
    QT_TRANSLATE_NOOP("HelpTexts", "Guessing"),
    QT_TRANSLATE_NOOP("HelpTexts",
                      "Not sure yet? Tick \"Just guessing\". The values you insert then appear in "
                      "a different colour, so you can tell them apart from the values you are sure "
                      "of. A game cannot be completed while guesses are on the board."),
    "",
    QT_TRANSLATE_NOOP("HelpTexts", "Submitting"),
    QT_TRANSLATE_NOOP(
        "HelpTexts",
        "As soon as every cell holds a value (guesses do not count), a Submit button appears. "
        "Click it to have your solution checked. If it is wrong, you can correct it and submit it "
        "again. Any solution that breaks none of the rules is accepted."),
    "",
    QT_TRANSLATE_NOOP("HelpTexts", "Playing options:"),
    QT_TRANSLATE_NOOP("HelpTexts",
                      "The \"Options\" menu offers four more things to do while you play."),
    "",
    QT_TRANSLATE_NOOP("HelpTexts", "Clear all"),
    QT_TRANSLATE_NOOP("HelpTexts", "\"Clear all\" on the \"Options\" menu removes every value you "
                                   "have inserted, so you can start the same puzzle anew."),
    "",
    QT_TRANSLATE_NOOP("HelpTexts", "Solve"),
    QT_TRANSLATE_NOOP(
        "HelpTexts",
        "\"Solve\" on the \"Options\" menu lets the computer solve the puzzle for you."),
    "",
    QT_TRANSLATE_NOOP("HelpTexts", "Pause"),
    QT_TRANSLATE_NOOP("HelpTexts", "\"Pause\" on the \"Options\" menu hides the puzzle and stops "
                                   "the clock until you resume the game."),
    "",
    QT_TRANSLATE_NOOP("HelpTexts", "Level"),
    QT_TRANSLATE_NOOP("HelpTexts",
                      "There are three levels. On Easy, five of the nine values of each block are "
                      "shown; on Medium, four; and on Hard, three. Which values are shown is "
                      "chosen at random when the puzzle is generated."),
    "",
    QT_TRANSLATE_NOOP("HelpTexts", "Other options:"),
    QT_TRANSLATE_NOOP("HelpTexts", "Three more options are found on the \"Game\" menu."),
    "",
    QT_TRANSLATE_NOOP("HelpTexts", "Sound"),
    QT_TRANSLATE_NOOP("HelpTexts",
                      "\"Sound\" on the \"Game\" menu turns all sounds off, and on again."),
    "",
    QT_TRANSLATE_NOOP("HelpTexts", "Print"),
    QT_TRANSLATE_NOOP("HelpTexts", "\"Print\" on the \"Game\" menu prints the current puzzle with "
                                   "every value on the board, guesses included."),
    "",
    QT_TRANSLATE_NOOP("HelpTexts", "Best times"),
    QT_TRANSLATE_NOOP(
        "HelpTexts",
        "The time you take to solve a puzzle is recorded. The best time of each level is kept "
        "together with the player's name. The best-times command on the \"Game\" menu shows them, "
        "and \"Reset scores\" in its window clears them all."),
    "",
    QT_TRANSLATE_NOOP("HelpTexts", "Enjoy the game!"),
};

const char* const RulesIntroduction[] = {
    //: Rules, first box: its paragraphs share 393 x 213 px at 13 px
    QT_TRANSLATE_NOOP("HelpTexts", "Rules of Tolvane:"),
    //: Rules, first box: its paragraphs share 393 x 213 px at 13 px
    QT_TRANSLATE_NOOP("HelpTexts", "The object of the game is to fill in all the missing values "
                                   "according to the rules. A completed grid that breaks no rule "
                                   "earns a score: the time you took. There are just three rules."),
    "",
    //: Rules, first box: its paragraphs share 393 x 213 px at 13 px
    QT_TRANSLATE_NOOP("HelpTexts", "Blocks"),
    //: Rules, first box: its paragraphs share 393 x 213 px at 13 px
    QT_TRANSLATE_NOOP(
        "HelpTexts",
        "The puzzle is made of nine big blocks, framed in black. Each big block is made of nine "
        "small blocks, framed in blue: these are the cells. Every big block must hold every number "
        "from 1 to 9, so each number appears in it exactly once, like this:"),
};

const char* const RowsAndColumns[] = {
    //: Rules, second box: its paragraphs share 393 x 93 px at 13 px
    QT_TRANSLATE_NOOP("HelpTexts", "Rows & Columns"),
    //: Rules, second box: its paragraphs share 393 x 93 px at 13 px
    QT_TRANSLATE_NOOP("HelpTexts",
                      "Every row and every column of the puzzle must also hold every number from 1 "
                      "to 9, each exactly once. Here are a filled column and a filled row:"),
};

const char* const Consequences[] = {
    //: Rules, third box: its paragraphs share 393 x 214 px at 13 px
    QT_TRANSLATE_NOOP("HelpTexts", "Consequences"),
    //: Rules, third box: its paragraphs share 393 x 214 px at 13 px
    QT_TRANSLATE_NOOP(
        "HelpTexts",
        "Because of these rules, no block, row or column can ever hold the same number twice."),
    "",
    //: Rules, third box: its paragraphs share 393 x 214 px at 13 px
    QT_TRANSLATE_NOOP(
        "HelpTexts",
        "Usually a puzzle has just one solution. Sometimes, however, the same two values are "
        "missing in two rows, and in the same two columns. Then the two values can be filled in "
        "either way round: both orders are valid solutions, and Tolvane accepts either of them."),
    "",
    //: Rules, third box: its paragraphs share 393 x 214 px at 13 px
    QT_TRANSLATE_NOOP("HelpTexts", "In the picture below, 2 and 7 are missing in both rows:"),
};

const char* const Working[] = {
    //: Rules, fourth box: its paragraphs share 393 x 335 px at 13 px
    QT_TRANSLATE_NOOP(
        "HelpTexts",
        "Whichever way round you put the 2 and the 7, every row, every column and every block "
        "still holds each number once. The same can happen in two columns, and more rarely a "
        "puzzle may even have more than two solutions. Any of them is accepted."),
    "",
    //: Rules, fourth box: its paragraphs share 393 x 335 px at 13 px
    QT_TRANSLATE_NOOP("HelpTexts", "The working of Tolvane"),
    //: Rules, fourth box: its paragraphs share 393 x 335 px at 13 px
    QT_TRANSLATE_NOOP(
        "HelpTexts",
        "For every new game, Tolvane builds a complete grid of its own. It fills every block at "
        "random and tests it against the rules as it goes, trying again whenever a block does not "
        "fit. That is why generating a puzzle takes a moment."),
    "",
    //: Rules, fourth box: its paragraphs share 393 x 335 px at 13 px
    QT_TRANSLATE_NOOP("HelpTexts", "There are so many possible grids that the chance of getting "
                                   "the same grid twice is 1 in 6670903752021072936960."),
    "",
    //: Rules, fourth box: its paragraphs share 393 x 335 px at 13 px
    QT_TRANSLATE_NOOP("HelpTexts", "When the grid is complete, the values shown in each block are "
                                   "chosen at random according to the level: five on Easy, four on "
                                   "Medium and three on Hard. The rest is up to you: have fun!"),
};

QString Paragraphs(std::span<const char* const> english) {
    QStringList shown;
    for (const char* paragraph : english)
        shown << (*paragraph ? QCoreApplication::translate("HelpTexts", paragraph) : QString());
    return shown.join('\n');
}

} // namespace

QString HowToPlayText() {
    return Paragraphs(HowToPlay);
}
QString RulesIntroductionText() {
    return Paragraphs(RulesIntroduction);
}
QString RowsAndColumnsText() {
    return Paragraphs(RowsAndColumns);
}
QString ConsequencesText() {
    return Paragraphs(Consequences);
}
QString WorkingText() {
    return Paragraphs(Working);
}
