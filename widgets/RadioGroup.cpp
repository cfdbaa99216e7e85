#include "RadioGroup.h"

#include <QEvent>
#include <QRadioButton>

#include <algorithm>

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent)
{
    group_.setExclusive(true);
    connect(&group_, &QButtonGroup::idClicked, this, &TRadioGroup::clicked);
}

void TRadioGroup::setItems(const QStringList& items)
{
    items_ = items;
    rebuild();
}

void TRadioGroup::setColumns(int columns)
{
    columns_ = std::max(1, columns);
    arrange();
}

int TRadioGroup::itemIndex() const { return group_.checkedId(); }

void TRadioGroup::setItemIndex(int index)
{
    if (index < 0) {
        if (QAbstractButton* b = group_.checkedButton()) {
            group_.setExclusive(false);
            b->setChecked(false);
            group_.setExclusive(true);
        }
        return;
    }
    if (QAbstractButton* b = group_.button(index))
        b->setChecked(true);
}

QRadioButton* TRadioGroup::button(int index) const
{
    return qobject_cast<QRadioButton*>(group_.button(index));
}

void TRadioGroup::rebuild()
{
    for (QAbstractButton* b : group_.buttons()) {
        group_.removeButton(b);
        delete b;
    }
    for (int i = 0; i < items_.size(); ++i) {
        auto* b = new QRadioButton(items_[i], this);
        b->setObjectName(objectName() + "_" + QString::number(i));
        group_.addButton(b, i);
        b->show();
    }
    arrange();
}

// Columns of equal width under the caption, the larger half on the left. An
// entry of the last column whose text runs longer than its column may use
// the room up to the group's frame: cut at the column's edge, the last
// letter would lose its last pixels, at a device pixel ratio above 1 most of
// all, where the letters are drawn finer than the logical pixel.
void TRadioGroup::arrange()
{
    const int count = int(items_.size());
    if (count == 0)
        return;
    const int perColumn = (count + columns_ - 1) / columns_;
    const int top = fontMetrics().height();
    const QRect area = rect().adjusted(8, top, -4, -4);
    const int colWidth = area.width() / columns_;
    const int rowHeight = perColumn ? area.height() / perColumn : 0;
    const int frameInside = rect().right() - 1;
    for (int i = 0; i < count; ++i) {
        const int c = i / perColumn;
        const int r = i % perColumn;
        QAbstractButton* b = group_.button(i);
        const int left = area.left() + c * colWidth;
        int width = colWidth;
        if (c == (count - 1) / perColumn)
            width = std::max(colWidth, std::min(b->sizeHint().width(), frameInside - left + 1));
        b->setGeometry(left, area.top() + r * rowHeight, width, rowHeight);
    }
}

void TRadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    arrange();
}

// A font given later (by a style sheet, say) moves the caption and the rows.
void TRadioGroup::changeEvent(QEvent* event)
{
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        arrange();
}
