#include "SsEdit.h"

#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

namespace {

// The room a line edit keeps between its frame and its text on either side.
constexpr int kLineEditTextMargin = 2;

} // namespace

TSsEdit::TSsEdit(QWidget* parent) : QLineEdit(parent)
{
    resize(121, 20);
    setReadOnly(true);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::IBeamCursor);
    connect(this, &QLineEdit::textChanged, this, &TSsEdit::makeRoomForText);
}

void TSsEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // The click that gave the focus would place the cursor; select afterwards.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

// A seven-digit total in the total field's 20-pixel font is a few pixels wider
// than the room the line edit leaves inside its frame, and would lose its yen
// sign. Such a text may use that room too; every other amount keeps its place.
void TSsEdit::makeRoomForText()
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int inside = style()->subElementRect(QStyle::SE_LineEditContents, &option, this).width();
    const bool tooWide = fontMetrics().horizontalAdvance(text()) > inside - 2 * kLineEditTextMargin;
    const int margin = tooWide ? -kLineEditTextMargin : 0;
    setTextMargins(margin, 0, margin, 0);
}
