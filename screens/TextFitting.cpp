#include "TextFitting.h"

#include "FormProperties.h"

#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QAbstractItemView>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>
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

// A label's text split at its run of ideographic spaces, which a list box
// covers: "菊花：　　　　　基" is "菊花：" and "基".
struct GapParts {
    QString before;
    QString after;
    bool found = false;
};

GapParts splitAtGap(const QString& text)
{
    // Most texts have no gap: they are not matched, and the pattern is not
    // compiled before a text with a gap comes.
    if (!text.contains(QChar(0x3000)))
        return {};
    static const QRegularExpression gap(QStringLiteral("^(.*?)\\x{3000}+ ?(.+)$"));
    const QRegularExpressionMatch m = gap.match(text);
    return m.hasMatch() ? GapParts{m.captured(1), m.captured(2), true} : GapParts{};
}

// Paints a gap label as its text before the list box and its text after it.
// The text is read at every paint, so a rule may rewrite the caption.
// A left-aligned label keeps its start; a right-aligned one ends its first
// part right beside the list box.
class GapPainter : public QObject {
public:
    GapPainter(QLabel* label, int listLeft, int listRight)
        : QObject(label), listLeft_(listLeft), listRight_(listRight)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto* label = static_cast<QLabel*>(watched);
        const GapParts parts = splitAtGap(label->text());
        if (!parts.found)
            return false;
        QPainter p(label);
        p.setFont(label->font());
        p.setPen(label->palette().color(label->foregroundRole()));
        const QRect r = label->contentsRect();
        const QFontMetrics metrics(label->font());
        const int beforeX = label->alignment() & Qt::AlignRight
                                ? listLeft_ - 2 - metrics.horizontalAdvance(parts.before)
                                : r.left();
        p.drawText(QRect(beforeX, r.top(), r.width(), r.height()), Qt::AlignLeft | Qt::AlignVCenter, parts.before);
        p.drawText(QRect(listRight_ + 3, r.top(), r.width(), r.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   parts.after);
        return true;
    }

private:
    int listLeft_;   // in the label's coordinates
    int listRight_;
};

// Paints a closed list box whose entry would not fit its text field: the
// frame and the arrow as the style draws them, then the entry drawn
// narrower (the substitute font's ideographic space is a full em wide).
class ListTextPainter : public QObject {
public:
    explicit ListTextPainter(QComboBox* list) : QObject(list) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto* list = static_cast<QComboBox*>(watched);
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = false;
        option.frame = true;
        option.subControls = QStyle::SC_All;
        if (list->view() && list->view()->isVisible())
            option.state |= QStyle::State_On;
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, list);
        const QString text = list->currentText();
        QFont font = list->font();
        const int natural = QFontMetrics(font).horizontalAdvance(text);
        if (natural <= field.width() - 2)
            return false;  // fits: the list box paints itself
        QStylePainter painter(list);
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        font.setStretch(std::max(50, (field.width() - 2) * 100 / std::max(1, natural)));
        painter.setFont(font);
        painter.setPen(list->palette().color(QPalette::ButtonText));
        painter.drawText(field.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
        return true;
    }
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
    if (list->property("fittedList").toBool())
        return;
    list->setProperty("fittedList", true);
    list->installEventFilter(new ListTextPainter(list));
}

void fitLabel(QLabel* label)
{
    const QVariant width = label->property(kFitWidthProperty);
    if (!width.isValid())
        return;
    fitLetterSpacing(label, QFontMetrics(label->font()).horizontalAdvance(label->text()), width.toInt());
    label->resize(width.toInt(), label->height());
}

void fitGapLabel(QLabel* label)
{
    const GapParts parts = splitAtGap(label->text());
    if (!parts.found || !label->parentWidget())
        return;
    const auto lists = label->parentWidget()->findChildren<QComboBox*>(Qt::FindDirectChildrenOnly);
    for (const QComboBox* list : lists) {
        const QRect r = list->geometry();
        if (!r.intersects(label->geometry().adjusted(0, -4, 0, 4)))
            continue;
        const int listLeft = r.left() - label->x();
        const int listRight = r.right() - label->x();
        label->installEventFilter(new GapPainter(label, listLeft, listRight));
        // Room for the longest text that may follow the list box.
        const int needed = listRight + 3 + QFontMetrics(label->font()).horizontalAdvance(parts.after) + 4;
        if (needed > label->width())
            label->resize(needed, label->height());
        return;
    }
}

} // namespace screens
