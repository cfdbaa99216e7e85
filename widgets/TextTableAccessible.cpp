#include "TextTableAccessible.h"

#include <QWidget>

namespace {

// One heading or data cell of a TextTableAccessible.
class TextCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    TextCell(const TextTableAccessible* table, int row, int column) : table_(table), row_(row), column_(column) {}

    bool isValid() const override { return table_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_->window(); }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return const_cast<TextTableAccessible*>(table_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name && t != QAccessible::Value)
            return {};
        return row_ < 0 ? table_->texts().heading(column_) : table_->texts().cell(row_, column_);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        const QWidget* w = table_->tableWidget();
        const QRect r = table_->texts().rect(row_, column_);
        return QRect(w->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return row_ < 0 ? QAccessible::ColumnHeader : QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        const QWidget* w = table_->tableWidget();
        s.invisible = !w->isVisible();
        if (row_ >= 0 && (w->focusPolicy() & Qt::TabFocus)) {
            s.focusable = true;
            s.focused = w->hasFocus() && table_->focusCell() == QPoint(column_, row_);
        }
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override
    {
        if (row_ < 0)
            return {};
        return {table_->cellInterface(-1, column_)};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    const TextTableAccessible* table_;
    int row_;  // -1: the heading row
    int column_;
};

} // namespace

TextTableAccessible::TextTableAccessible(QWidget* table, TableTexts texts)
    : QAccessibleWidget(table, QAccessible::Table), texts_(std::move(texts))
{
}

TextTableAccessible::~TextTableAccessible()
{
    for (QAccessible::Id id : std::as_const(cells_))
        QAccessible::deleteAccessibleInterface(id);
}

void* TextTableAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

// The children are the heading row, then the data rows, left to right.
int TextTableAccessible::childCount() const { return (rowCount() + 1) * columnCount(); }

QAccessibleInterface* TextTableAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    return cellInterface(index / columnCount() - 1, index % columnCount());
}

int TextTableAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const QAccessibleTableCellInterface* cell =
        child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
    if (!cell || child->parent() != this)
        return -1;
    return (cell->rowIndex() + 1) * columnCount() + cell->columnIndex();
}

QAccessibleInterface* TextTableAccessible::childAt(int x, int y) const
{
    const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
    for (int row = -1; row < rowCount(); ++row)
        for (int column = 0; column < columnCount(); ++column)
            if (texts_.rect(row, column).contains(at))
                return cellInterface(row, column);
    return nullptr;
}

QAccessibleInterface* TextTableAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return cellInterface(row, column);
}

QAccessibleInterface* TextTableAccessible::focusChild() const
{
    if (!widget()->hasFocus())
        return nullptr;
    return cellAt(focusCell_.y(), focusCell_.x());
}

QString TextTableAccessible::columnDescription(int column) const
{
    return column >= 0 && column < columnCount() ? texts_.heading(column) : QString();
}

QAccessibleInterface* TextTableAccessible::cellInterface(int row, int column) const
{
    const int index = (row + 1) * columnCount() + column;
    if (const auto found = cells_.constFind(index); found != cells_.constEnd())
        return QAccessible::accessibleInterface(*found);
    QAccessibleInterface* cell = new TextCell(this, row, column);
    cells_.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}
