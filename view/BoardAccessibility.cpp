// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/BoardAccessibility.h"

#include "engine/Game.h"
#include "view/BoardArea.h"
#include "view/Pictures.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QPointer>
#include <QWindow>

#include <array>
#include <utility>

namespace {

// What the board holds, read through these few functions only.

enum class CellKind { Empty, Given, Entry, Guess };

struct CellContent {
    CellKind Kind = CellKind::Empty;
    int Value = 0;
};

// What the board shows in a cell: the given, else the player's entry, else a guess.
CellContent ContentOf(const Game& game, int row, int column) {
    const int i = CellIndex(row, column);
    if (game.Given[i])
        return {CellKind::Given, game.Solution[i]};
    if (game.Entries[i] != 0)
        return {CellKind::Entry, game.Entries[i]};
    if (game.Guesses[i] != 0)
        return {CellKind::Guess, game.Guesses[i]};
    return {};
}

QString LevelName(const Game& game) {
    static const char* const names[LevelCount] = {"Easy", "Medium", "Hard"};
    return names[LevelOf(game.ShownPerBlock)];
}

// Before the first OK of a new puzzle and during a pause the board shows nothing; neither does
// assistive technology.
bool BoardShown(const BoardArea& area) {
    return !area.BoardCleared && !(area.Notification && area.Notification->isVisible());
}

QString CellName(const BoardArea& area, int row, int column) {
    const QString place = QString("Row %1, column %2: ").arg(row).arg(column);
    if (!BoardShown(area))
        return place + "hidden";
    const CellContent content = ContentOf(area.Shown, row, column);
    const QString value = QString::number(content.Value);
    switch (content.Kind) {
    case CellKind::Given:
        return place + "given " + value;
    case CellKind::Entry:
        return place + "entry " + value;
    case CellKind::Guess:
        return place + "guess " + value;
    case CellKind::Empty:
        break;
    }
    return place + "empty";
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
class BoardTable : public QAccessibleInterface, public QAccessibleTableInterface {
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
            return "Board";
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
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return row >= 0 && row < 9 && column >= 0 && column < 9 ? Cells[row * 9 + column] : nullptr;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        return QString("Column %1").arg(column + 1);
    }
    QString rowDescription(int row) const override { return QString("Row %1").arg(row + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 9; }
    int rowCount() const override { return 9; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

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
    return Table.state();
}
void BoardCell::doAction(const QString& action) {
    BoardArea* area = Table.Board();
    // Only where a click could reach the cell: not past a modal window, nor on a disabled window.
    if (action != pressAction() || !area || !area->isVisible() || !area->isEnabled() ||
        QApplication::activeModalWidget())
        return;
    area->PressCell(Row, Column);
}

// The client area: its own controls (the tool panel) and, before them, the board.
class BoardAreaInterface : public QAccessibleWidget {
  public:
    explicit BoardAreaInterface(BoardArea* area)
        : QAccessibleWidget(area, QAccessible::Client), Table(new BoardTable(*area, *this)),
          TableId(QAccessible::registerAccessibleInterface(Table)) {}
    ~BoardAreaInterface() override { QAccessible::deleteAccessibleInterface(TableId); }

    BoardTable& Board() const { return *Table; }

    int childCount() const override { return QAccessibleWidget::childCount() + 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? Table : QAccessibleWidget::child(index - 1);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == Table)
            return 0;
        const int index = QAccessibleWidget::indexOfChild(child);
        return index < 0 ? -1 : index + 1;
    }

  private:
    BoardTable* Table;
    QAccessible::Id TableId;
};

QAccessibleInterface* GameAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("BoardArea"))
        return new BoardAreaInterface(static_cast<BoardArea*>(object));
    if (className == QLatin1String("PictureBox"))
        return new QAccessibleWidget(static_cast<PictureBox*>(object), QAccessible::Graphic);
    return nullptr;
}

// The board's table, when assistive technology is listening.
BoardTable* TableOf(BoardArea& area) {
    if (!QAccessible::isActive())
        return nullptr;
    auto* board = dynamic_cast<BoardAreaInterface*>(QAccessible::queryAccessibleInterface(&area));
    return board ? &board->Board() : nullptr;
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
    BoardTable* table = TableOf(area);
    if (!table)
        return;
    for (int i = 0; i < 81; ++i) {
        BoardCell* cell = table->Cell(i);
        const QString name = cell->text(QAccessible::Name);
        if (name == cell->Told)
            continue;
        cell->Told = name;
        QAccessibleEvent changed(cell, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void TellBoardNews(BoardArea& area, BoardNews news) {
    BoardTable* table = TableOf(area);
    if (!table)
        return;
    if (news == BoardNews::Solved) {
        table->News = "Solved";
    } else {
        int givens = 0;
        for (int row = 1; row <= 9; ++row)
            for (int column = 1; column <= 9; ++column)
                givens += ContentOf(area.Shown, row, column).Kind == CellKind::Given;
        table->News = QString("New %1 puzzle: %2 givens, %3 cells to fill")
                          .arg(LevelName(area.Shown))
                          .arg(givens)
                          .arg(81 - givens);
    }
    QAccessibleEvent told(table, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&told);
}
