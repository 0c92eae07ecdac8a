// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/BoardAccessibility.h"

#include "engine/CellContent.h"
#include "engine/Game.h"
#include "view/BoardArea.h"
#include "view/Pictures.h"
#include "view/TranslatedLevels.h"
#include "view/WindowAccessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include <array>
#include <utility>

namespace {

// The board's spoken texts, all in one translation context.
QString Tr(const char* text) {
    return QCoreApplication::translate("Board", text);
}

// What a cell holds, as the player hears it.
QString ContentText(const BoardArea& area, int row, int column) {
    // Before the first OK of a new puzzle and during a pause the board shows nothing; neither
    // does assistive technology.
    if (!area.BoardShown())
        //: Spoken by a screen reader for a cell while the board is hidden (no pixel budget)
        return Tr(QT_TRANSLATE_NOOP("Board", "hidden"));
    const CellContent content = ContentOf(area.Shown, row, column);
    switch (content.Kind) {
    case CellKind::Given:
        //: Spoken by a screen reader: a cell's given digit (no pixel budget)
        return Tr(QT_TRANSLATE_NOOP("Board", "given %1")).arg(content.Value);
    case CellKind::Entry:
        //: Spoken by a screen reader: a cell's entry, the player's digit (no pixel budget)
        return Tr(QT_TRANSLATE_NOOP("Board", "entry %1")).arg(content.Value);
    case CellKind::Guess:
        //: Spoken by a screen reader: a cell's guess, a digit marked as guessed (no pixel budget)
        return Tr(QT_TRANSLATE_NOOP("Board", "guess %1")).arg(content.Value);
    case CellKind::Empty:
        break;
    }
    //: Spoken by a screen reader for a cell with no digit (no pixel budget)
    return Tr(QT_TRANSLATE_NOOP("Board", "empty"));
}

QString CellName(const BoardArea& area, int row, int column) {
    //: Spoken by a screen reader: a cell, %3 what it holds (no pixel budget)
    return Tr(QT_TRANSLATE_NOOP("Board", "Row %1, column %2: %3"))
        .arg(row)
        .arg(column)
        .arg(ContentText(area, row, column));
}

// The first and last coordinate of the area whose clicks land on row or column `line`, so that
// a cell's square on the screen is exactly where a click reaches it (lines between cells
// included, by the board's rule).
std::pair<int, int> Span(const Game& game, int line) {
    int first = -1, last = -1;
    for (int at = 0; at <= 11 * game.CellSize; ++at)
        if (RowOrColumnAt(game, at) == line) {
            if (first < 0)
                first = at;
            last = at;
        }
    return {first, last};
}

QRect OnScreen(const BoardArea& area, int firstRow, int firstColumn, int lastRow, int lastColumn) {
    const Game& game = area.Shown;
    const QRect local(QPoint(Span(game, firstColumn).first, Span(game, firstRow).first),
                      QPoint(Span(game, lastColumn).second, Span(game, lastRow).second));
    return {area.mapToGlobal(local.topLeft()), local.size()};
}

class BoardTable;

// One cell: read, and pressed like a click of the primary button on it.
class BoardCell : public QAccessibleInterface,
                  public QAccessibleTableCellInterface,
                  public QAccessibleActionInterface {
  public:
    BoardCell(BoardTable& table, int row, int column) : Table(table), Row(row), Column(column) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return Column - 1; }
    int rowIndex() const override { return Row - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // The name assistive technology was last told of.
    QString Told;

  private:
    BoardTable& Table;
    const int Row, Column; // 1 to 9
};

// The 81 cells, row by row. The table and its cells are no objects of their own: the cache of
// accessible objects holds them by id, and the table gives them back when the board goes.
// It offers no table interface: a screen reader then reads the whole row of a table cell each
// time the row changes, nine cells in place of the one the player moved to or pointed at.
class BoardTable : public QAccessibleInterface {
  public:
    BoardTable(BoardArea& area, QAccessibleInterface& parent) : Area(&area), Parent(parent) {
        for (int i = 0; i < 81; ++i) {
            Cells[i] = new BoardCell(*this, i / 9 + 1, i % 9 + 1);
            Cells[i]->Told = Cells[i]->text(QAccessible::Name);
            CellIds[i] = QAccessible::registerAccessibleInterface(Cells[i]);
        }
    }
    ~BoardTable() override {
        for (const QAccessible::Id id : CellIds)
            QAccessible::deleteAccessibleInterface(id);
    }

    BoardArea* Board() const { return Area; }
    BoardCell* Cell(int index) const { return Cells[index]; }
    // Puts a new object in the place of a cell. A screen reader says nothing of a change of the
    // cell it is on, nor of the same cell focused again; a new one it reads.
    BoardCell* Renew(int index) {
        auto* renewed = new BoardCell(*this, index / 9 + 1, index % 9 + 1);
        renewed->Told = renewed->text(QAccessible::Name);
        const QAccessible::Id old = CellIds[index];
        Cells[index] = renewed;
        CellIds[index] = QAccessible::registerAccessibleInterface(renewed);
        QAccessible::deleteAccessibleInterface(old);
        return renewed;
    }
    // What the last news was: a new puzzle and what it holds, or the solved board.
    QString News;

    bool isValid() const override { return !Area.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Area ? Area->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return &Parent; }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < 81 ? Cells[index] : nullptr;
    }
    int childCount() const override { return 81; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < 81; ++i)
            if (Cells[i] == child)
                return i;
        return -1;
    }
    // The cell a click at this point of the screen lands on.
    QAccessibleInterface* childAt(int x, int y) const override {
        if (!Area)
            return nullptr;
        const QPoint at = Area->mapFromGlobal(QPoint(x, y));
        const int row = RowOrColumnAt(Area->Shown, at.y()),
                  column = RowOrColumnAt(Area->Shown, at.x());
        return row && column ? Cells[CellIndex(row, column) - 1] : nullptr;
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            //: Spoken by a screen reader: the board's name (no pixel budget)
            return Tr(QT_TRANSLATE_NOOP("Board", "Board"));
        return kind == QAccessible::Description ? News : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return Area ? OnScreen(*Area, 1, 1, 9, 9) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !Area || !Area->isVisible();
        return state;
    }

  private:
    QPointer<BoardArea> Area;
    QAccessibleInterface& Parent;
    std::array<BoardCell*, 81> Cells{};
    std::array<QAccessible::Id, 81> CellIds{};
};

bool BoardCell::isValid() const {
    return Table.isValid();
}
QWindow* BoardCell::window() const {
    return Table.window();
}
QAccessibleInterface* BoardCell::parent() const {
    return &Table;
}
QAccessibleInterface* BoardCell::table() const {
    return &Table;
}
QString BoardCell::text(QAccessible::Text kind) const {
    const BoardArea* area = Table.Board();
    return kind == QAccessible::Name && area ? CellName(*area, Row, Column) : QString();
}
QRect BoardCell::rect() const {
    const BoardArea* area = Table.Board();
    return area ? OnScreen(*area, Row, Column, Row, Column) : QRect();
}
QAccessible::State BoardCell::state() const {
    QAccessible::State state = Table.state();
    const BoardArea* area = Table.Board();
    if (area && area->KeyboardPlay()) {
        state.focusable = true;
        state.focused = area->hasFocus() && area->FocusedCell() == CellPlace{Row, Column};
    }
    return state;
}
// One piece of news as a screen reader speaks it whatever has the focus: a notification shown.
// It is no object of its own either.
class NewsNotice : public QAccessibleInterface {
  public:
    explicit NewsNotice(QAccessibleInterface& parent) : Parent(parent) {}

    // Hidden and shown again, so that the same news twice is spoken twice.
    void Show(const QString& news) {
        QAccessibleEvent hidden(this, QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&hidden);
        Text = news;
        TellRenamed(this);
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }

    bool isValid() const override { return Parent.isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Parent.window(); }
    QAccessibleInterface* parent() const override { return &Parent; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? Text : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

  private:
    QAccessibleInterface& Parent;
    QString Text;
};

// The client area: the board and the news notices, then its own controls (the tool panel).
class BoardAreaInterface : public QAccessibleWidget {
  public:
    explicit BoardAreaInterface(BoardArea* area)
        : QAccessibleWidget(area, QAccessible::Client), Table(new BoardTable(*area, *this)),
          TableId(QAccessible::registerAccessibleInterface(Table)) {
        for (int i = 0; i < NoticeCount; ++i) {
            Notices[i] = new NewsNotice(*this);
            NoticeIds[i] = QAccessible::registerAccessibleInterface(Notices[i]);
        }
    }
    ~BoardAreaInterface() override {
        for (const QAccessible::Id id : NoticeIds)
            QAccessible::deleteAccessibleInterface(id);
        QAccessible::deleteAccessibleInterface(TableId);
    }

    BoardTable& Board() const { return *Table; }

    // News goes out on the next turn of the event loop, after what the move itself tells (the
    // cell placed), which would cut it short; and news of a window that is not active yet (the
    // notice just closed) waits for it: a screen reader drops it, or cuts it short as it
    // presents the window.
    void Tell(const QString& news) {
        Waiting << news;
        auto* area = static_cast<QWidget*>(object());
        QTimer::singleShot(0, area, [this, area] {
            if (area->isActiveWindow())
                TellWaiting();
        });
    }
    // Each piece of news in a notice of its own, taken in turn: a screen reader reads a notice's
    // text only when it comes to the notice's showing, and by then one notice would hold only
    // the last news of a move (the value placed, the Submit button shown).
    void TellWaiting() {
        for (const QString& news : std::exchange(Waiting, {})) {
            NextNotice = (NextNotice + 1) % NoticeCount;
            Notices[NextNotice]->Show(news);
        }
    }

    int childCount() const override { return QAccessibleWidget::childCount() + Own; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0)
            return Table;
        if (index > 0 && index < Own)
            return Notices[index - 1];
        return QAccessibleWidget::child(index - Own);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == Table)
            return 0;
        for (int i = 0; i < NoticeCount; ++i)
            if (Notices[i] == child)
                return i + 1;
        const int index = QAccessibleWidget::indexOfChild(child);
        return index < 0 ? -1 : index + Own;
    }

  private:
    static constexpr int NoticeCount = 4;
    static constexpr int Own = 1 + NoticeCount; // the board and the news notices
    BoardTable* Table;
    QAccessible::Id TableId;
    std::array<NewsNotice*, NoticeCount> Notices{};
    std::array<QAccessible::Id, NoticeCount> NoticeIds{};
    int NextNotice = 0;
    QStringList Waiting;
};

QAccessibleInterface* GameAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("BoardArea"))
        return new BoardAreaInterface(static_cast<BoardArea*>(object));
    // A plain frame (the tool panel) is a pane of its window, not a window of its own as a
    // screen reader takes Qt's "frame" to be; a line is a separator.
    if (className == QLatin1String("QFrame")) {
        auto* frame = static_cast<QFrame*>(object);
        const bool line =
            frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine;
        return new QAccessibleWidget(frame, line ? QAccessible::Separator : QAccessible::Pane);
    }
    if (QAccessibleInterface* text = WindowTextInterface(className, object))
        return text;
    if (className == QLatin1String("PictureBox"))
        return new QAccessibleWidget(static_cast<PictureBox*>(object), QAccessible::Graphic);
    return nullptr;
}

// The client area as assistive technology has it, when it is listening: the board is then
// played from the keyboard, as the game learns from Qt's accessibility turning active.
BoardAreaInterface* InterfaceOf(BoardArea& area) {
    if (!area.KeyboardPlay())
        return nullptr;
    return dynamic_cast<BoardAreaInterface*>(QAccessible::queryAccessibleInterface(&area));
}

void BoardCell::doAction(const QString& action) {
    BoardArea* area = Table.Board();
    // Only where a click could reach the cell: not past a modal window, nor on a disabled window.
    // An open menu does not stop it, and the player hears what the cell then holds.
    if (action != pressAction() || !area || !area->isVisible() || !area->isEnabled() ||
        QApplication::activeModalWidget())
        return;
    area->PressCell(Row, Column);
    if (BoardAreaInterface* board = InterfaceOf(*area))
        board->Tell(CellName(*area, Row, Column));
}

} // namespace

void InstallBoardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(GameAccessible);
        return true;
    }();
    static_cast<void>(installed);
}

void TellChangedCells(BoardArea& area) {
    BoardAreaInterface* board = InterfaceOf(area);
    if (!board)
        return;
    for (int i = 0; i < 81; ++i) {
        BoardCell* cell = board->Board().Cell(i);
        const QString name = cell->text(QAccessible::Name);
        if (name == cell->Told)
            continue;
        cell->Told = name;
        TellRenamed(cell);
    }
}

namespace {

// The keyboard's cell to the screen reader, as it is or renewed to be read again.
void TellFocused(BoardArea& area, bool renewed) {
    BoardAreaInterface* board = InterfaceOf(area);
    if (!board || !area.hasFocus())
        return;
    const CellPlace place = area.FocusedCell();
    const int index = CellIndex(place.Row, place.Column) - 1;
    QAccessibleEvent focused(renewed ? board->Board().Renew(index) : board->Board().Cell(index),
                             QAccessible::Focus);
    QAccessible::updateAccessibility(&focused);
}

} // namespace

void TellFocusedCell(BoardArea& area) {
    TellFocused(area, false);
}

void TellPlacedCell(BoardArea& area) {
    TellFocused(area, true);
}

void TellNews(BoardArea& area, const QString& news) {
    if (BoardAreaInterface* board = InterfaceOf(area))
        board->Tell(news);
}

void TellWaitingNews(BoardArea& area) {
    if (BoardAreaInterface* board = InterfaceOf(area))
        board->TellWaiting();
}

void TellBoardNews(BoardArea& area, BoardNews news) {
    BoardAreaInterface* board = InterfaceOf(area);
    if (!board)
        return;
    BoardTable& table = board->Board();
    if (news == BoardNews::NewPuzzle) {
        int givens = 0;
        for (int row = 1; row <= 9; ++row)
            for (int column = 1; column <= 9; ++column)
                givens += ContentOf(area.Shown, row, column).Kind == CellKind::Given;
        //: Spoken by a screen reader: %1 the level, %2 the givens, %3 the empty cells (no pixel
        //: budget)
        table.News = Tr(QT_TRANSLATE_NOOP("Board", "New %1 puzzle: %2 givens, %3 cells to fill"))
                         .arg(TranslatedLevelName(LevelOf(area.Shown.ShownPerBlock)))
                         .arg(givens)
                         .arg(81 - givens);
    } else if (news == BoardNews::Solved) {
        //: Spoken by a screen reader: the player solved the puzzle (no pixel budget)
        table.News = Tr(QT_TRANSLATE_NOOP("Board", "Solved"));
    } else {
        //: Spoken by a screen reader: Solve filled the board (no pixel budget)
        table.News = Tr(QT_TRANSLATE_NOOP("Board", "Solved by computer"));
    }
    QAccessibleEvent told(&table, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&told);
    board->Tell(table.News);
}
