// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/WindowAccessibility.h"

#include "engine/Game.h"
#include "view/BestTimesWindow.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPointer>

#include <array>

namespace {

// A text box's lines, the blank ones left out, as one sentence.
QString LinesOf(const QPlainTextEdit& box) {
    return box.toPlainText().split('\n', Qt::SkipEmptyParts).join(' ');
}

bool ReadOnlyText(const QPlainTextEdit& box) {
    return box.isReadOnly() && box.textInteractionFlags() == Qt::NoTextInteraction;
}

// A read-only text box as a label: its text in one piece, read as a whole or by character, word
// and line, and nothing inside it to walk. Qt tells of its text's changes as of any text box's.
class TextAsLabel : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit TextAsLabel(QPlainTextEdit* box) : QAccessibleWidget(box, QAccessible::StaticText) {
        QObject::connect(box, &QPlainTextEdit::textChanged, box, [this] { TellRenamed(this); });
    }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? Text() : QAccessibleWidget::text(kind);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    QString text(int start, int end) const override { return Text().mid(start, end - start); }
    int characterCount() const override { return int(Text().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

  private:
    QString Text() const { return LinesOf(*static_cast<const QPlainTextEdit*>(object())); }
};

// A row of the best times: "Easy: Ada, 0:11:43", from the window's three columns.
class BestTimeRow : public QAccessibleInterface {
  public:
    BestTimeRow(BestTimesWindow& window, QAccessibleInterface& parent, int row)
        : Window(&window), Parent(parent), Row(row) {}

    bool isValid() const override { return !Window.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Parent.window(); }
    QAccessibleInterface* parent() const override { return &Parent; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !Window)
            return {};
        const QString level = Line(*Window->LevelNames), name = Line(*Window->PlayerNames);
        const QString time = Line(*Window->Times).trimmed();
        if (name.isEmpty())
            //: Spoken by a screen reader: a best time with no name, %1 the level, %2 the time
            //: (no pixel budget)
            return QCoreApplication::translate("BestTimesWindow", "%1: no name, %2")
                .arg(level, time);
        //: Spoken by a screen reader: a best time, %1 the level, %2 the name, %3 the time (no
        //: pixel budget)
        return QCoreApplication::translate("BestTimesWindow", "%1: %2, %3").arg(level, name, time);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!Window)
            return {};
        const QRect row = Window->LevelNames->geometry().united(Window->Times->geometry());
        const int height = row.height() / LevelCount;
        return {Window->mapToGlobal(QPoint(row.left(), row.top() + Row * height)),
                QSize(row.width(), height)};
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !Window || !Window->isVisible();
        return state;
    }

  private:
    // The row's line of a column: the columns keep a blank line between their rows.
    QString Line(const QPlainTextEdit& column) const {
        return column.toPlainText().split('\n').value(2 * Row);
    }
    QPointer<BestTimesWindow> Window;
    QAccessibleInterface& Parent;
    const int Row;
};

// The best-times window: its picture, heading and buttons, and the best times a row at a time in
// place of the three columns.
class BestTimesInterface : public QAccessibleWidget {
  public:
    explicit BestTimesInterface(BestTimesWindow* window)
        : QAccessibleWidget(window, QAccessible::Dialog) {
        for (int row = 0; row < LevelCount; ++row) {
            Rows[row] = new BestTimeRow(*window, *this, row);
            RowIds[row] = QAccessible::registerAccessibleInterface(Rows[row]);
        }
        for (QPlainTextEdit* column : {window->LevelNames, window->PlayerNames, window->Times})
            QObject::connect(column, &QPlainTextEdit::textChanged, window, [this] {
                for (BestTimeRow* row : Rows)
                    TellRenamed(row);
            });
    }
    ~BestTimesInterface() override {
        for (const QAccessible::Id id : RowIds)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return int(Others().size()) + LevelCount; }
    QAccessibleInterface* child(int index) const override {
        const QList<QAccessibleInterface*> others = Others();
        if (index >= 0 && index < LevelCount)
            return Rows[index];
        return others.value(index - LevelCount);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int row = 0; row < LevelCount; ++row)
            if (Rows[row] == child)
                return row;
        const int index = Others().indexOf(child);
        return index < 0 ? -1 : index + LevelCount;
    }

  private:
    // The window's own controls but the three columns.
    QList<QAccessibleInterface*> Others() const {
        const auto* window = static_cast<const BestTimesWindow*>(object());
        QList<QAccessibleInterface*> others;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface* control = QAccessibleWidget::child(i);
            const QObject* shown = control ? control->object() : nullptr;
            if (shown != window->LevelNames && shown != window->PlayerNames &&
                shown != window->Times)
                others << control;
        }
        return others;
    }
    std::array<BestTimeRow*, LevelCount> Rows{};
    std::array<QAccessible::Id, LevelCount> RowIds{};
};

} // namespace

QAccessibleInterface* WindowTextInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("BestTimesWindow"))
        return new BestTimesInterface(static_cast<BestTimesWindow*>(object));
    if (className == QLatin1String("QPlainTextEdit")) {
        auto* box = static_cast<QPlainTextEdit*>(object);
        if (ReadOnlyText(*box))
            return new TextAsLabel(box);
    }
    return nullptr;
}

void TellRenamed(QAccessibleInterface* changed) {
    QAccessibleEvent renamed(changed, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}
