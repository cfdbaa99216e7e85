#include "Panel.h"

#include "ClassicColors.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

TPanel::TPanel(QWidget* parent) : QFrame(parent) { updateOpaque(); }

void TPanel::setBevelInner(Bevel b) { inner_ = b; update(); }
void TPanel::setBevelOuter(Bevel b) { outer_ = b; update(); }
void TPanel::setColor(const QColor& c)
{
    color_ = c;
    updateOpaque();
    update();
}
void TPanel::setCaption(const QString& text) { caption_ = text; update(); }
void TPanel::setCaptionAlignment(Qt::Alignment a) { alignment_ = a; update(); }

namespace {

// One 1-pixel bevel: light top-left and dark bottom-right when raised.
void drawBevel(QPainter& p, QRect& r, TPanel::Bevel bevel)
{
    if (bevel == TPanel::bvNone)
        return;
    const QColor light = classic::highlightEdge();
    const QColor dark = classic::shadow();
    const QColor topLeft = bevel == TPanel::bvRaised ? light : dark;
    const QColor bottomRight = bevel == TPanel::bvRaised ? dark : light;
    classic::drawEdge(p, r, topLeft, bottomRight);
    r.adjust(1, 1, -1, -1);
}

} // namespace

QColor TPanel::faceColor() const { return color_.isValid() ? color_ : palette().color(QPalette::Button); }

void TPanel::updateOpaque() { setAttribute(Qt::WA_OpaquePaintEvent, faceColor().alpha() == 255); }

void TPanel::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        updateOpaque();
}

QRect TPanel::paintFace(QPainter& p) const
{
    QRect r = rect();
    p.fillRect(r, faceColor());
    drawBevel(p, r, outer_);
    drawBevel(p, r, inner_);
    return r;
}

void TPanel::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    // The area to paint leaves out the panels that lie on this one; under it
    // as a whole Qt clips every fill line by line. At a whole device pixel
    // ratio the face and the bevels are painted rectangle by rectangle of the
    // area instead, each under a clip of its own, on the same pixels.
    QRect inside;
    const qreal ratio = devicePixelRatioF();
    if (event->region().rectCount() > 1 && ratio == std::floor(ratio)) {
        for (const QRect& part : event->region()) {
            p.setClipRect(part);
            inside = paintFace(p);
        }
        p.setClipping(false);
    } else {
        inside = paintFace(p);
    }
    if (!caption_.isEmpty()) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(inside.adjusted(2, 0, -2, 0), int(alignment_ | Qt::AlignVCenter) & ~Qt::AlignTop & ~Qt::AlignBottom,
                   caption_);
    }
}
