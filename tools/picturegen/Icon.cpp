// The program's icon: a quiet lotus over still water.

#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace picturegen {

namespace {

// One lotus petal, pointed at the top, standing on base and leaning by angleDeg.
void lotusPetal(QPainter& p, QPointF base, qreal height, qreal width, qreal angleDeg, const QColor& c)
{
    p.save();
    p.translate(base);
    p.rotate(angleDeg);
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(-width, -height * 0.35, -width * 0.5, -height * 0.8, 0, -height);
    path.cubicTo(width * 0.5, -height * 0.8, width, -height * 0.35, 0, 0);
    QLinearGradient g(0, 0, 0, -height);
    g.setColorAt(0, c.lighter(112));
    g.setColorAt(1, c.darker(108));
    p.setPen(QPen(c.darker(135), height * 0.02 + 0.3));
    p.setBrush(g);
    p.drawPath(path);
    p.restore();
}

} // namespace

void drawIcon(QPainter& p, const QSizeF& size, bool tile)
{
    const qreal s = size.width();
    p.save();
    if (tile) {
        p.setPen(QPen(palette::line, s / 64));
        p.setBrush(palette::cream);
        p.drawRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.2, s * 0.2);
    } else {
        p.fillRect(QRectF(0, 0, s, s), palette::cream);
    }
    // the water
    p.setPen(QPen(palette::waterLine, s * 0.035, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.2, s * 0.78), QPointF(s * 0.8, s * 0.78));
    p.setPen(QPen(palette::water.darker(105), s * 0.03, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.32, s * 0.86), QPointF(s * 0.68, s * 0.86));
    // the flower: outer petals first, the upright one last
    const QPointF base(s * 0.5, s * 0.72);
    const QColor outer(214, 170, 182);
    const QColor inner(232, 196, 204);
    lotusPetal(p, base, s * 0.4, s * 0.2, -62, outer);
    lotusPetal(p, base, s * 0.4, s * 0.2, 62, outer);
    lotusPetal(p, base, s * 0.48, s * 0.22, -30, inner);
    lotusPetal(p, base, s * 0.48, s * 0.22, 30, inner);
    lotusPetal(p, base, s * 0.56, s * 0.24, 0, inner.lighter(104));
    p.restore();
}

} // namespace picturegen
