#include "StrCGrid.h"

#include "ClassicColors.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>

#include <cmath>
#include <cstdlib>

bool TSCGCellParam::covers(int column, int r) const
{
    if (rangeEnabled)
        return col <= column && column <= colMax && row <= r && r <= rowMax;
    return column == col && r == row;
}

QString TSCGCellParam::compose(const QString& cellText) const
{
    switch (captionType) {
    case ctCaption: return caption.isEmpty() ? cellText : caption;
    case ctCellText: return cellText.isEmpty() ? caption : cellText;
    case ctHeader: return caption + cellText;
    case ctFooter: return cellText + caption;
    case ctTop: return cellText + '\n' + caption;
    case ctBottom: return caption + '\n' + cellText;
    }
    return cellText;
}

TStrColGrid::TStrColGrid(QWidget* parent) : QWidget(parent)
{
    setColumnCount(columns_);
    setFocusPolicy(Qt::ClickFocus);
    current_ = QPoint(0, fixedRows_);
}

void TStrColGrid::setRowCount(int rows) { rows_ = rows; cells_.resize(rows_ * columns_); update(); }

void TStrColGrid::setColumnCount(int columns)
{
    // Cells keep their place (column, row) when the column count changes.
    QVector<QString> cells(rows_ * columns);
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < std::min(columns, columns_); ++c)
            cells[r * columns + c] = cells_.value(r * columns_ + c);
    columns_ = columns;
    cells_ = cells;
    widths_.resize(columns_, 64);
    update();
}

void TStrColGrid::setDefaultRowHeight(int height) { rowHeight_ = height; update(); }
void TStrColGrid::setFixedRows(int rows) { fixedRows_ = rows; update(); }
void TStrColGrid::setColor(const QColor& c) { color_ = c; update(); }
void TStrColGrid::setFixedColor(const QColor& c) { fixedColor_ = c; update(); }
void TStrColGrid::setCellDivide(bool on) { cellDivide_ = on; update(); }
void TStrColGrid::setFocusDraw(bool on) { focusDraw_ = on; update(); }
void TStrColGrid::setLayout(TSCGCellParam::Layout l) { layout_ = l; update(); }
void TStrColGrid::setFixedLayout(TSCGCellParam::Layout l) { fixedLayout_ = l; update(); }

void TStrColGrid::setCurrentCell(int column, int row)
{
    current_ = QPoint(column, row);
    update();
}

void TStrColGrid::setColumnWidth(int column, int width)
{
    if (column < 0 || column >= columns_)
        return;
    widths_[column] = width;
    update();
}

int TStrColGrid::columnWidth(int column) const { return widths_.value(column); }

QString TStrColGrid::cell(int column, int row) const
{
    if (column < 0 || column >= columns_ || row < 0 || row >= rows_)
        return {};
    return cells_.value(row * columns_ + column);
}

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
    return p ? p->compose(text) : text;
}

// Each cell is followed by a one-pixel grid line to its right and below it.
QRect TStrColGrid::cellRect(int column, int row) const
{
    int x = kBorderWidth;
    for (int c = 0; c < column; ++c)
        x += widths_.value(c) + 1;
    const int y = kBorderWidth + row * (rowHeight_ + 1);
    return QRect(x, y, widths_.value(column), rowHeight_);
}

QSize TStrColGrid::fullSize() const
{
    int w = 0;
    for (int c = 0; c < columns_; ++c)
        w += widths_[c] + 1;
    return QSize(w + 2 * kBorderWidth, rows_ * (rowHeight_ + 1) + 2 * kBorderWidth);
}

void TStrColGrid::paintEvent(QPaintEvent*)
{
    // Everything is drawn off screen first and copied in one go, into a
    // buffer with the screen's own pixels: at a device pixel ratio of 2 the
    // texts are drawn at twice the size, not blown up from a small picture.
    const qreal ratio = devicePixelRatioF();
    QImage buffer(classic::screenPixels(size(), ratio), QImage::Format_RGB32);
    buffer.setDevicePixelRatio(ratio);
    buffer.fill(color_);
    {
        QPainter p(&buffer);
        p.setFont(font());
        for (int r = 0; r < rows_; ++r)
            for (int c = 0; c < columns_; ++c)
                paintCell(p, c, r);
        paintLines(p);
        paintBorder(p);
    }
    paintFocusFrame(buffer);
    QPainter(this).drawImage(0, 0, buffer);
}

void TStrColGrid::paintCell(QPainter& p, int column, int row) const
{
    const QRect r = cellRect(column, row);
    const bool fixed = isFixed(column, row);
    const TSCGCellParam* param = paramFor(column, row);

    QColor background = fixed ? fixedColor_ : color_;
    QColor textColour = palette().color(QPalette::Active, QPalette::Text);
    if (param && param->cellColorEnabled)
        background = param->cellColor;
    if (param && param->fontColorEnabled)
        textColour = param->fontColor;
    p.fillRect(r, background);

    const Qt::AlignmentFlag align = param ? param->alignment : Qt::AlignLeft;
    const TSCGCellParam::Layout layout = param ? param->layout : fixed ? fixedLayout_ : layout_;
    p.setPen(textColour);
    paintText(p, r, displayText(column, row), align, layout, param ? param->fontWidth : 1);

    if (fixed)
        classic::drawEdge(p, r, classic::highlightEdge(), classic::shadow());
}

void TStrColGrid::paintText(QPainter& p, const QRect& r, const QString& text, Qt::AlignmentFlag align,
                            TSCGCellParam::Layout layout, int fontWidth) const
{
    const QColor pen = p.pen().color();
    if (!cellDivide_) {
        p.drawText(r.adjusted(2, 2, -2, -2), int(align) | Qt::AlignTop | Qt::TextWordWrap, text);
        return;
    }
    const QFontMetrics fm = p.fontMetrics();
    static const QRegularExpression kLineBreak(QStringLiteral("\r\n|\n|\r"));
    const QStringList lines = text.split(kLineBreak);
    const int n = int(lines.size());
    const int bandHeight = r.height() / n;
    for (int i = 0; i < n; ++i) {
        const int top = r.top() + i * bandHeight;
        const int bottom = i == n - 1 ? r.top() + r.height() : top + bandHeight;  // exclusive
        const QRect band(r.left(), top, r.width(), bottom - top);
        // A line a little too long for its cell is drawn narrower, not cut.
        QFont lineFont = p.font();
        int tw = fm.horizontalAdvance(lines[i]);
        const int room = band.width() - 4;
        if (tw > room && tw > 0) {
            lineFont.setStretch(std::max(80, room * 100 / tw));
            tw = QFontMetrics(lineFont).horizontalAdvance(lines[i]);
        }
        const int th = fm.height();
        int x = band.left() + 2;
        if (align == Qt::AlignRight)
            x = band.left() + band.width() - tw - 2;
        else if (align == Qt::AlignHCenter || align == Qt::AlignCenter)
            x = band.left() + (band.width() - tw) / 2;
        int y = top + 2;
        if (layout == TSCGCellParam::tlCenter)
            y = top + (band.height() - th) / 2 + 1;
        else if (layout == TSCGCellParam::tlBottom)
            y = bottom - th - 1;
        p.save();
        p.setClipRect(band);
        p.setFont(lineFont);
        p.setPen(pen);
        for (int k = 0; k < std::max(1, fontWidth); ++k)
            p.drawText(x + k, y + fm.ascent(), lines[i]);
        p.restore();
        if (i > 0)
            classic::drawPixelLine(p, band.left(), top, band.right(), top, dataLineColour());
    }
}

// Lines between data cells are silver, or grey on a silver grid.
QColor TStrColGrid::dataLineColour() const
{
    return color_ == QColor(192, 192, 192) ? classic::shadow() : QColor(192, 192, 192);
}

// Grid lines fill the one-pixel gaps: black beside fixed cells.
void TStrColGrid::paintLines(QPainter& p) const
{
    const QColor dataLine = dataLineColour();
    const QColor fixedLine = Qt::black;
    for (int r = 0; r < rows_; ++r) {
        for (int c = 0; c < columns_; ++c) {
            const QRect cr = cellRect(c, r);
            const bool fixed = isFixed(c, r);
            const QColor line = fixed ? fixedLine : dataLine;
            classic::drawPixelLine(p, cr.right() + 1, cr.top(), cr.right() + 1, cr.bottom() + 1, line);
            classic::drawPixelLine(p, cr.left(), cr.bottom() + 1, cr.right() + 1, cr.bottom() + 1, line);
        }
    }
}

void TStrColGrid::paintBorder(QPainter& p) const
{
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    classic::drawEdge(p, outer, classic::shadow(), classic::highlightEdge());
    classic::drawEdge(p, inner, classic::darkShadow(), classic::lightEdge());
}

namespace {

// The focus frame's replacement for one pixel: its inverse, unless that is
// too close to the pixel to be seen; then white on dark and black on light.
QRgb focusPixel(QRgb pixel)
{
    const QRgb inverse = ~pixel & 0x00FFFFFF;
    const int difference = std::abs(qRed(pixel) - qRed(inverse)) + std::abs(qGreen(pixel) - qGreen(inverse)) +
                           std::abs(qBlue(pixel) - qBlue(inverse));
    if (difference >= 24)
        return 0xFF000000 | inverse;
    const int value = qRed(pixel) + (qGreen(pixel) << 8) + (qBlue(pixel) << 16);
    return value < 12632257 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
}

} // namespace

void TStrColGrid::paintFocusFrame(QImage& image) const
{
    const int c = current_.x();
    const int r = current_.y();
    if (!hasFocus() || c < 0 || c >= columns_ || r < 0 || r >= rows_ || isFixed(c, r))
        return;
    // The dots are pixels of the buffer, which has the screen's pixels.
    const qreal ratio = image.devicePixelRatio();
    const QRect logical = cellRect(c, r);
    const QPoint topLeft(qRound(logical.left() * ratio), qRound(logical.top() * ratio));
    const QPoint bottomRight(qRound((logical.right() + 1) * ratio) - 1, qRound((logical.bottom() + 1) * ratio) - 1);
    const QRect cr = QRect(topLeft, bottomRight).intersected(image.rect());
    QList<QPoint> border;
    for (int x = cr.left(); x <= cr.right(); ++x)
        border << QPoint(x, cr.top()) << QPoint(x, cr.bottom());
    for (int y = cr.top() + 1; y < cr.bottom(); ++y)
        border << QPoint(cr.left(), y) << QPoint(cr.right(), y);
    for (const QPoint& pt : border)
        if ((pt.x() - cr.left() + pt.y() - cr.top()) % 2 == 0)
            image.setPixel(pt, focusPixel(image.pixel(pt)));
}

void TStrColGrid::mousePressEvent(QMouseEvent* e)
{
    for (int r = fixedRows_; r < rows_; ++r)
        for (int c = 0; c < columns_; ++c)
            if (cellRect(c, r).contains(e->position().toPoint()))
                setCurrentCell(c, r);
    QWidget::mousePressEvent(e);
}

void TStrColGrid::focusInEvent(QFocusEvent* e) { update(); QWidget::focusInEvent(e); }
void TStrColGrid::focusOutEvent(QFocusEvent* e) { update(); QWidget::focusOutEvent(e); }
