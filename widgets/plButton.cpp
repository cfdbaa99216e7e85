#include "plButton.h"

#include "ClassicColors.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <map>
#include <tuple>
#include <utility>

namespace {

const QColor kRoundFrameColor(117, 117, 117);
const QColor kFocusColor(32, 32, 32);
constexpr int kFocusDiameter = 8;

// The rounded outline of a round button of the given size: a rounded
// rectangle one pixel larger than the button, so the parent shows in the cut
// corners. Buttons of one size (the header's steps, its commands) share it,
// made once.
QRegion roundOutline(QSize size)
{
    static std::map<std::pair<int, int>, QRegion> made;
    QRegion& outline = made[{size.width(), size.height()}];
    if (outline.isEmpty()) {
        QPainterPath path;
        path.addRoundedRect(QRectF(0, 0, size.width() + 1, size.height() + 1), TplButton::kCornerDiameter / 2.0,
                            TplButton::kCornerDiameter / 2.0);
        outline = QRegion(path.toFillPolygon().toPolygon());
    }
    return outline;
}

// The outlines a button draws on top of its face.
enum class Outline { RoundFrame, RoundFocus, SquareFocus };

void strokeOutline(QPainter& q, Outline outline, QSize size)
{
    const QRect r(QPoint(0, 0), size);
    q.setBrush(Qt::NoBrush);
    switch (outline) {
    case Outline::RoundFrame:
        q.setPen(kRoundFrameColor);
        q.drawRoundedRect(r.adjusted(0, 0, -1, -1), TplButton::kCornerDiameter / 2.0, TplButton::kCornerDiameter / 2.0);
        break;
    case Outline::RoundFocus:
        q.setPen(QPen(kFocusColor, 1, Qt::DotLine));
        q.drawRoundedRect(r.adjusted(2, 2, -3, -3), kFocusDiameter / 2.0, kFocusDiameter / 2.0);
        break;
    case Outline::SquareFocus:
        q.setPen(QPen(kFocusColor, 1, Qt::DotLine));
        q.drawRect(r.adjusted(3, 3, -4, -4));
        break;
    }
}

// Draws an outline of a button of the given size on whole logical pixels. At
// a device pixel ratio of 1 the stroke draws the very pixels it touches; at
// any other ratio those logical pixels are filled, found once for each
// outline and size of button.
void drawOutline(QPainter& p, Outline outline, QSize size)
{
    if (p.device()->devicePixelRatio() == 1) {
        strokeOutline(p, outline, size);
        return;
    }
    static std::map<std::tuple<Outline, int, int>, classic::StrokedPixels> made;
    classic::StrokedPixels& pixels = made[{outline, size.width(), size.height()}];
    if (!pixels.colour.isValid())
        pixels = classic::strokedPixels(size, [outline, size](QPainter& q) { strokeOutline(q, outline, size); });
    classic::fillPixels(p, pixels);
}

} // namespace

TplButton::TplButton(QWidget* parent) : QWidget(parent)
{
    resize(75, 26);
    setFocusPolicy(Qt::StrongFocus);
}

void TplButton::requestRepaint()
{
    ++repaintRequests_;
    update();
}

void TplButton::setButtonStyle(ButtonStyle style)
{
    style_ = style;
    updateShape();
    requestRepaint();
}

void TplButton::setGradColor(int index, const QColor& color)
{
    if (index != 1 && index != 2)
        return;
    QColor& target = index == 1 ? begin_ : end_;
    if (target == color)
        return;
    target = color;
    requestRepaint();
}

void TplButton::setCaptionA(const QString& text)
{
    lines_[0] = text;
    requestRepaint();
}
void TplButton::setCaptionB(const QString& text)
{
    lines_[1] = text;
    requestRepaint();
}

void TplButton::setCaptionTop(int top)
{
    captionTop_ = top;
    requestRepaint();
}
void TplButton::setCaptionVertCenter(bool on)
{
    vertCenter_ = on;
    requestRepaint();
}
void TplButton::setCaptionLineSpace(int space)
{
    lineSpace_ = space;
    requestRepaint();
}

void TplButton::click()
{
    pressed_ = false;
    emit clicked();
    requestRepaint();
}

int TplButton::centredCaptionTop(int height, int textHeight, int lineSpace, bool twoLines)
{
    if (twoLines)
        return (height - 2 * textHeight - lineSpace) / 2;
    return (height - textHeight) / 2 + 1;
}

QColor TplButton::gradientRow(const QColor& begin, const QColor& end, int y, int height)
{
    if (height <= 1)
        return begin;
    // Integer steps per channel, truncating toward zero.
    const auto channel = [&](int b, int e) { return b + y * (e - b) / (height - 1); };
    return QColor(channel(begin.red(), end.red()), channel(begin.green(), end.green()),
                  channel(begin.blue(), end.blue()));
}

// The round styles clip the window to their rounded outline.
void TplButton::updateShape()
{
    if (!isRound()) {
        clearMask();
        return;
    }
    const QRegion outline = roundOutline(size());
    if (mask() != outline)
        setMask(outline);
}

void TplButton::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateShape();
}

void TplButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintFace(p);
    paintCaptions(p);
    paintFrame(p);
    paintFocus(p);
}

void TplButton::paintFace(QPainter& p) const
{
    // One gradient row per pixel of the screen: at a device pixel ratio of 2
    // the face has twice the rows, each a screen pixel high, so the steps
    // stay as fine as at 1 and no row straddles two screen pixels.
    const qreal ratio = devicePixelRatioF();
    const int rows = classic::screenPixels(height(), ratio);
    const qreal rowHeight = height() / qreal(rows);
    const int w = width();
    for (int y = 0; y < rows; ++y)
        p.fillRect(QRectF(0, y * rowHeight, w, rowHeight), gradientRow(begin_, end_, y, rows));
}

int TplButton::captionTop() const
{
    if (!vertCenter_)
        return captionTop_;
    return centredCaptionTop(height(), fontMetrics().height(), lineSpace_, !lines_[1].isEmpty());
}

void TplButton::paintCaptions(QPainter& p) const
{
    const int h = fontMetrics().height();
    const bool first = !lines_[0].isEmpty();
    const bool second = !lines_[1].isEmpty();
    const int top = captionTop();
    int secondTop = top;
    if (first)
        secondTop = top + h + lineSpace_;
    else if (vertCenter_)
        secondTop = centredCaptionTop(height(), h, lineSpace_, false);
    if (first)
        paintLine(p, lines_[0], top);
    if (second)
        paintLine(p, lines_[1], secondTop);
}

// Each line is centred on half the button's width.
void TplButton::paintLine(QPainter& p, const QString& text, int top) const
{
    const QFontMetrics fm = fontMetrics();
    const int x = width() / 2 - fm.horizontalAdvance(text) / 2;
    const int shift = pressed_ ? 1 : 0;
    const int baseline = top + fm.ascent() + shift;
    const auto drawAll = [&](int dx, const QColor& colour) {
        p.setPen(colour);
        p.drawText(x + shift + dx, baseline + dx, text);
    };
    if (!isEnabled()) {
        drawAll(1, classic::highlightEdge());
        drawAll(0, classic::shadow());
    } else {
        drawAll(0, palette().color(QPalette::Active, QPalette::WindowText));
    }
}

void TplButton::paintFrame(QPainter& p) const
{
    const QRect r = rect().adjusted(0, 0, -1, -1);
    switch (style_) {
    case bsRoundRect:
        drawOutline(p, Outline::RoundFrame, size());
        break;
    case bsNormal:
        if (pressed_) {
            // Two frames: on the outermost pixels and on the ones just inside.
            classic::drawEdge(p, rect(), classic::darkShadow(), classic::darkShadow());
            classic::drawEdge(p, rect().adjusted(1, 1, -1, -1), classic::shadow(), classic::shadow());
        } else {
            classic::drawEdge(p, r, classic::highlightEdge(), classic::darkShadow());
            classic::drawEdge(p, r.adjusted(1, 1, -1, -1), classic::lightEdge(), classic::shadow());
        }
        break;
    }
}

void TplButton::paintFocus(QPainter& p) const
{
    if (hasFocus())
        drawOutline(p, isRound() ? Outline::RoundFocus : Outline::SquareFocus, size());
}

void TplButton::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    if (focusPolicy() != Qt::NoFocus)
        setFocus(Qt::MouseFocusReason);
    pressed_ = true;
    requestRepaint();
}

void TplButton::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !pressed_)
        return;
    if (rect().contains(e->position().toPoint())) {
        click();
        return;
    }
    pressed_ = false;
    requestRepaint();
}

// A disabled button takes no notice of the pointer. Entering and leaving
// are told only when the pointer really comes or goes: a button enabled
// while the pointer rests on it saw no entry, so the pointer leaving it
// tells nothing either.
void TplButton::enterEvent(QEnterEvent*)
{
    if (!isEnabled() || hovered_)
        return;
    hovered_ = true;
    emit mouseEnter();
    if (pressed_)
        requestRepaint();
}

void TplButton::leaveEvent(QEvent*)
{
    const bool entered = std::exchange(hovered_, false);
    if (!isEnabled() || !entered)
        return;
    pressed_ = false;
    emit mouseLeave();
    requestRepaint();
}

void TplButton::keyPressEvent(QKeyEvent* e)
{
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    const bool plain = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain && isEnabled())
        click();
    else
        QWidget::keyPressEvent(e);
}

void TplButton::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::EnabledChange) {
        pressed_ = false;
        requestRepaint();
    } else if (e->type() == QEvent::FontChange || e->type() == QEvent::PaletteChange) {
        update();
    }
    QWidget::changeEvent(e);
}
