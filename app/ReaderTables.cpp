#include "ReaderTables.h"

#include "StrCGrid.h"
#include "TextTableAccessible.h"

#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

namespace {

TextTableAccessible* tableOf(QWidget* widget)
{
    return dynamic_cast<TextTableAccessible*>(QAccessible::queryAccessibleInterface(widget));
}

// The summary grid draws its focus frame round its current cell: the same
// cell as the reader's, whichever of the two moved last (a click moves the
// grid's).
void followGrid(QWidget* widget, TextTableAccessible* table)
{
    const auto* grid = qobject_cast<TStrColGrid*>(widget);
    if (!grid)
        return;
    const QPoint current = grid->currentCell();
    if (current.y() >= grid->fixedRows() && current.x() >= 0)
        table->setFocusCell(current.y() - grid->fixedRows(), current.x());
}

void moveGrid(QWidget* widget, const QPoint& cell)
{
    if (auto* grid = qobject_cast<TStrColGrid*>(widget))
        grid->setCurrentCell(cell.x(), cell.y() + grid->fixedRows());
}

// Tells the reader which cell has the focus.
void tellFocusCell(QWidget* widget, TextTableAccessible* table)
{
    QAccessibleInterface* cell = table->cellAt(table->focusCell().y(), table->focusCell().x());
    if (!cell)
        return;
    QAccessibleEvent focus(widget, QAccessible::Focus);
    focus.setChild(table->indexOfChild(cell));
    QAccessible::updateAccessibility(&focus);
}

// How the keys move the focus cell: across, down. Home and End go to the
// row's first and last cell.
struct Move {
    int key;
    int across;
    int down;
};
constexpr int kFar = 1 << 16;
const Move kMoves[] = {
    {Qt::Key_Up, 0, -1},   {Qt::Key_Down, 0, 1},     {Qt::Key_Left, -1, 0},
    {Qt::Key_Right, 1, 0}, {Qt::Key_Home, -kFar, 0}, {Qt::Key_End, kFar, 0},
};

// Where a key moves the focus cell; false for a key that does not move it.
bool moved(int key, int rows, int columns, QPoint& cell)
{
    for (const Move& m : kMoves)
        if (m.key == key) {
            cell = QPoint(std::clamp(cell.x() + m.across, 0, columns - 1), std::clamp(cell.y() + m.down, 0, rows - 1));
            return true;
        }
    return false;
}

} // namespace

ReaderTables::ReaderTables(std::vector<QWidget*> tables, std::function<void(const std::vector<QWidget*>&)> reorder,
                           QObject* parent)
    : QObject(parent), reorder_(std::move(reorder))
{
    for (QWidget* w : tables) {
        if (!w)
            continue;
        tables_.push_back({w, w->focusPolicy()});
        w->installEventFilter(this);
    }
    QAccessible::installActivationObserver(this);
    accessibilityActiveChanged(QAccessible::isActive());
}

ReaderTables::~ReaderTables() { QAccessible::removeActivationObserver(this); }

void ReaderTables::accessibilityActiveChanged(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    std::vector<QWidget*> widgets;
    for (const Table& t : tables_) {
        t.widget->setFocusPolicy(active ? Qt::StrongFocus : t.normal);
        widgets.push_back(t.widget);
    }
    reorder_(widgets);
}

bool ReaderTables::eventFilter(QObject* watched, QEvent* event)
{
    if (!active_ || (event->type() != QEvent::FocusIn && event->type() != QEvent::KeyPress))
        return QObject::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    TextTableAccessible* table = tableOf(widget);
    if (!table || table->rowCount() == 0 || table->columnCount() == 0)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        followGrid(widget, table);
        tellFocusCell(widget, table);
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    QPoint cell = table->focusCell();
    if (key->modifiers() & ~Qt::KeypadModifier || !moved(key->key(), table->rowCount(), table->columnCount(), cell))
        return QObject::eventFilter(watched, event);
    table->setFocusCell(cell.y(), cell.x());
    moveGrid(widget, cell);
    tellFocusCell(widget, table);
    return true;
}
