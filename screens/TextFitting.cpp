#include "TextFitting.h"

#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QTextEdit>
#include <QRegularExpression>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace screens {

namespace {

// Tightens the letter spacing just enough for a text of the given natural
// width to fit, never below 85 %.
void fitLetterSpacing(QWidget* w, int naturalWidth, int available)
{
    if (naturalWidth <= available || naturalWidth <= 0)
        return;
    QFont font = w->font();
    font.setLetterSpacing(QFont::PercentageSpacing, std::max(85.0, 100.0 * available / naturalWidth));
    w->setFont(font);
}

// Paints a gap label as its text before the gap and its text after it,
// the latter starting at a given x.
class GapPainter : public QObject {
public:
    GapPainter(QLabel* label, QString before, QString after, int afterX)
        : QObject(label), before_(std::move(before)), after_(std::move(after)), afterX_(afterX)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto* label = static_cast<QLabel*>(watched);
        QPainter p(label);
        p.setPen(label->palette().color(label->foregroundRole()));
        const QRect r = label->contentsRect();
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, before_);
        p.drawText(r.adjusted(afterX_, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, after_);
        return true;
    }

private:
    QString before_;
    QString after_;
    int afterX_;
};

// The height of one line as the text layout stacks them, a little more than
// the font's line spacing.
qreal laidOutLineHeight(const QFont& font)
{
    QTextLayout layout(QStringLiteral("国"), font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1000);
    const qreal height = line.height();
    layout.endLayout();
    return height;
}

} // namespace

void fitMemo(QTextEdit* memo)
{
    QTextDocument* document = memo->document();
    document->setDocumentMargin(1);
    const QStringList lines = memo->toPlainText().split('\n');
    const QFontMetrics metrics(memo->font());
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    fitLetterSpacing(memo, widest, memo->width() - 4);

    const int room = memo->height() - 2;
    if (lines.size() * laidOutLineHeight(memo->font()) <= room)
        return;
    QTextBlockFormat format;
    format.setLineHeight(qreal(room) / qreal(lines.size()), QTextBlockFormat::FixedHeight);
    QTextCursor all(document);
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(format);
}

void fitList(QComboBox* list)
{
    const QFontMetrics metrics(list->font());
    int widest = 0;
    for (int i = 0; i < list->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(list->itemText(i)));
    // The frame and the drop-down arrow take the rest of the width.
    fitLetterSpacing(list, widest, list->width() - 30);
}

void fitLabel(QLabel* label)
{
    const QVariant width = label->property("fitWidth");
    if (!width.isValid())
        return;
    fitLetterSpacing(label, QFontMetrics(label->font()).horizontalAdvance(label->text()), width.toInt());
    label->resize(width.toInt(), label->height());
}

void fitGapLabel(QLabel* label)
{
    static const QRegularExpression gap(QStringLiteral("^(.*?)\\x{3000}+(.+)$"));
    const QRegularExpressionMatch m = gap.match(label->text());
    if (!m.hasMatch() || !label->parentWidget())
        return;
    const QFontMetrics metrics(label->font());
    const int textLeft = label->x() + label->contentsRect().left();
    const int gapLeft = textLeft + metrics.horizontalAdvance(m.captured(1));
    const auto lists = label->parentWidget()->findChildren<QComboBox*>(Qt::FindDirectChildrenOnly);
    for (const QComboBox* list : lists) {
        const QRect r = list->geometry();
        const bool overGap = r.left() >= gapLeft - 2 && r.left() <= gapLeft + metrics.height();
        if (!overGap || !r.intersects(label->geometry()))
            continue;
        const int afterX = r.right() + 3 - textLeft;
        label->installEventFilter(new GapPainter(label, m.captured(1), m.captured(2), afterX));
        label->resize(afterX + metrics.horizontalAdvance(m.captured(2)) + 4, label->height());
        return;
    }
}

} // namespace screens
