#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <functional>

// What the texts of a widget that draws a table are, for assistive
// technology: the column headings and each cell's text and place.
struct TableTexts {
    std::function<int()> rows;  // data rows, headings not counted
    int columns = 0;
    std::function<QString(int column)> heading;
    std::function<QString(int row, int column)> cell;
    // The cell's rectangle in the widget; row -1 is the heading row.
    std::function<QRect(int row, int column)> rect;
};

// A widget that draws a table of texts, as a table whose headings and cells
// a screen reader can read one by one. The cells have no widget of their
// own: each is an accessible object made when first asked for, and kept
// until the table goes.
class TextTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    TextTableAccessible(QWidget* table, TableTexts texts);
    ~TextTableAccessible() override;

    void* interface_cast(QAccessible::InterfaceType t) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return texts_.columns; }
    int rowCount() const override { return texts_.rows(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    const TableTexts& texts() const { return texts_; }
    QWidget* tableWidget() const { return widget(); }
    // The heading cell of a column (row -1) or a data cell.
    QAccessibleInterface* cellInterface(int row, int column) const;
    // The data cell that has the keyboard focus while the table has it.
    QPoint focusCell() const { return focusCell_; } // column, row
    void setFocusCell(int row, int column) { focusCell_ = QPoint(column, row); }
    QAccessibleInterface* focusChild() const override;

private:
    TableTexts texts_;
    mutable QHash<int, QAccessible::Id> cells_;  // by child index
    QPoint focusCell_;
};
