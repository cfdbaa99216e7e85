#include "RadioGroup.h"

#include <QEvent>
#include <QKeyEvent>
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
        b->installEventFilter(this);
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
    const int perColumn = rowsPerColumn();
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

int TRadioGroup::rowsPerColumn() const { return (int(items_.size()) + columns_ - 1) / columns_; }

int TRadioGroup::neighbour(int index, int key) const
{
    const int perColumn = rowsPerColumn();
    const int row = index % perColumn;
    int to = -1;
    switch (key) {
    case Qt::Key_Up: to = row > 0 ? index - 1 : -1; break;
    case Qt::Key_Down: to = row + 1 < perColumn ? index + 1 : -1; break;
    case Qt::Key_Left: to = index - perColumn; break;
    case Qt::Key_Right: to = index + perColumn; break;
    default: break;
    }
    return to >= 0 && to < items_.size() ? to : -1;
}

// The entries stand in a grid, so an arrow key goes to the entry it points
// at and nowhere at the group's edge (the button's own rule would wrap round
// to another column). As with any set of radio buttons, the choice follows
// the focus once an entry is chosen.
bool TRadioGroup::eventFilter(QObject* watched, QEvent* event)
{
    auto* from = qobject_cast<QAbstractButton*>(watched);
    if (event->type() != QEvent::KeyPress || !from || group_.id(from) < 0)
        return QGroupBox::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool arrow = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_Left ||
                       key->key() == Qt::Key_Right;
    if (!arrow || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return QGroupBox::eventFilter(watched, event);
    if (QAbstractButton* to = group_.button(neighbour(group_.id(from), key->key()))) {
        // Moved by a key, as Qt's own buttons tell it: back for Up and Left.
        const bool back = key->key() == Qt::Key_Up || key->key() == Qt::Key_Left;
        to->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        if (from->isChecked())
            to->click();
    }
    return true;
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
