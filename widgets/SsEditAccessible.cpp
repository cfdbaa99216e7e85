#include "SsEditAccessible.h"

#include "SsEdit.h"

#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionFrame>

TSsEditAccessible::TSsEditAccessible(TSsEdit* field) : QAccessibleWidget(field, QAccessible::EditableText) {}

TSsEdit* TSsEditAccessible::field() const { return static_cast<TSsEdit*>(widget()); }

void* TSsEditAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QString TSsEditAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Value ? field()->text() : QAccessibleWidget::text(t);
}

QAccessible::State TSsEditAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = field()->isReadOnly();
    s.editable = !s.readOnly;
    s.selectableText = true;
    return s;
}

void TSsEditAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !field()->hasSelectedText())
        return;
    *startOffset = field()->selectionStart();
    *endOffset = *startOffset + int(field()->selectedText().size());
}

int TSsEditAccessible::selectionCount() const { return field()->hasSelectedText() ? 1 : 0; }

void TSsEditAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void TSsEditAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        field()->deselect();
}

void TSsEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        field()->setSelection(startOffset, endOffset - startOffset);
}

int TSsEditAccessible::cursorPosition() const { return field()->cursorPosition(); }

void TSsEditAccessible::setCursorPosition(int position) { field()->setCursorPosition(position); }

QString TSsEditAccessible::text(int startOffset, int endOffset) const
{
    return field()->text().mid(startOffset, endOffset - startOffset);
}

int TSsEditAccessible::characterCount() const { return int(field()->text().size()); }

// Where the field draws a character: its text is right-aligned in the
// line edit's contents.
QRect TSsEditAccessible::characterRect(int offset) const
{
    const QString text = field()->text();
    if (offset < 0 || offset >= text.size())
        return {};
    QStyleOptionFrame option;
    option.initFrom(field());
    const QRect contents = field()->style()->subElementRect(QStyle::SE_LineEditContents, &option, field());
    const QFontMetrics metrics(field()->font());
    const int right = contents.right() - field()->textMargins().right();
    const int left = right - metrics.horizontalAdvance(text) + metrics.horizontalAdvance(text.left(offset));
    const int top = contents.top() + (contents.height() - metrics.height()) / 2;
    const QRect r(left, top, metrics.horizontalAdvance(text.at(offset)), metrics.height());
    return QRect(field()->mapToGlobal(r.topLeft()), r.size());
}

int TSsEditAccessible::offsetAtPoint(const QPoint& point) const
{
    return field()->cursorPositionAt(field()->mapFromGlobal(point));
}

// One run, the whole amount, with no attributes of its own.
QString TSsEditAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    const int count = characterCount();
    if (offset < 0 || offset > count) {
        *startOffset = *endOffset = -1;
        return {};
    }
    *startOffset = 0;
    *endOffset = count;
    return {};
}
