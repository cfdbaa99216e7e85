#include "MemoLayout.h"

#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextLayout>

namespace {
constexpr int kMemoMargin = 2;
} // namespace

void layOutMemos(QWidget* screen)
{
    screen->ensurePolished();
    for (QTextEdit* memo : screen->findChildren<QTextEdit*>()) {
        memo->document()->setDocumentMargin(kMemoMargin);
        QTextBlockFormat pitch;
        pitch.setLineHeight(memo->font().pixelSize(), QTextBlockFormat::FixedHeight);
        QTextCursor all(memo->document());
        all.select(QTextCursor::Document);
        all.mergeBlockFormat(pitch);
    }
}

void keepShapedLines(QTextEdit* memo)
{
    for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next())
        block.layout()->setCacheEnabled(true);
}
