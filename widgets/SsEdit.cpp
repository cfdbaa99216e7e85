#include "SsEdit.h"

#include <QTimer>

TSsEdit::TSsEdit(QWidget* parent) : QLineEdit(parent)
{
    resize(121, 20);
    setReadOnly(true);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::IBeamCursor);
}

void TSsEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // The click that gave the focus would place the cursor; select afterwards.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}
