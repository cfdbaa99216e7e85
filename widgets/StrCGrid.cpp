#include "StrCGrid.h"

#include <QPainter>

bool TSCGCellParam::covers(int column, int r) const
{
    if (rangeEnabled)
        return col <= column && column <= colMax && row <= r && r <= rowMax;
    return column == col && r == row;
}

TStrColGrid::TStrColGrid(QWidget* parent) : QWidget(parent)
{
    setColumnCount(columns_);
}

void TStrColGrid::setRowCount(int rows) { rows_ = rows; cells_.resize(rows_ * columns_); update(); }
void TStrColGrid::setColumnCount(int columns)
{
    columns_ = columns;
    widths_.resize(columns_, 64);
    cells_.resize(rows_ * columns_);
    update();
}
void TStrColGrid::setDefaultRowHeight(int height) { rowHeight_ = height; update(); }
void TStrColGrid::setFixedRows(int rows) { fixedRows_ = rows; update(); }
void TStrColGrid::setColor(const QColor& c) { color_ = c; update(); }
void TStrColGrid::setFixedColor(const QColor& c) { fixedColor_ = c; update(); }
void TStrColGrid::setCellDivide(bool on) { cellDivide_ = on; update(); }
void TStrColGrid::setFocusDraw(bool on) { focusDraw_ = on; update(); }
void TStrColGrid::setColumnWidth(int column, int width) { widths_[column] = width; update(); }
int TStrColGrid::columnWidth(int column) const { return widths_.value(column); }

QString TStrColGrid::cell(int column, int row) const { return cells_.value(row * columns_ + column); }

void TStrColGrid::setCell(int column, int row, const QString& text)
{
    if (column < 0 || column >= columns_ || row < 0 || row >= rows_)
        return;
    cells_[row * columns_ + column] = text;
    update();
}

const TSCGCellParam* TStrColGrid::paramFor(int column, int row) const
{
    for (auto it = params_.crbegin(); it != params_.crend(); ++it)
        if (it->covers(column, row))
            return &*it;
    return nullptr;
}

QString TStrColGrid::displayText(int column, int row) const
{
    const QString text = cell(column, row);
    const TSCGCellParam* p = paramFor(column, row);
    if (!p)
        return text;
    return text.isEmpty() ? p->caption : text;
}

// Placeholder drawing until the full cell painting lands.
void TStrColGrid::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), color_);
    int y = 0;
    for (int r = 0; r < rows_; ++r, y += rowHeight_ + 1) {
        int x = 0;
        for (int c = 0; c < columns_; x += widths_[c] + 1, ++c)
            p.drawText(QRect(x + 2, y, widths_[c] - 4, rowHeight_), Qt::AlignVCenter, displayText(c, r));
    }
}
