#include "AltarArticles.h"

#include "Painting.h"
#include "Palette.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace picturegen {

void portraitFrame(QPainter& p, const QRectF& r)
{
    p.save();
    p.setPen(QPen(palette::lacquer, 0.8));
    p.setBrush(palette::lacquer.lighter(130));
    p.drawRect(r);
    const QRectF inner = r.adjusted(r.width() * 0.1, r.width() * 0.1, -r.width() * 0.1, -r.width() * 0.1);
    fillVertical(p, inner, QColor(226, 228, 230), QColor(206, 208, 212));
    // a soft, faceless bust: the family's own photograph goes here
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(186, 188, 194));
    const qreal w = inner.width();
    p.drawEllipse(QPointF(inner.center().x(), inner.top() + inner.height() * 0.4), w * 0.2, w * 0.23);
    p.drawRoundedRect(QRectF(inner.center().x() - w * 0.36, inner.top() + inner.height() * 0.68, w * 0.72,
                             inner.height() * 0.4),
                      w * 0.2, w * 0.2);
    // the ribbons
    p.setBrush(QColor(60, 58, 62));
    const qreal k = r.width() * 0.28;
    QPolygonF left, right;
    left << r.topLeft() << r.topLeft() + QPointF(k, 0) << r.topLeft() + QPointF(0, k);
    right << r.topRight() << r.topRight() - QPointF(k, 0) << r.topRight() + QPointF(0, k);
    p.drawPolygon(left);
    p.drawPolygon(right);
    p.restore();
}

void candle(QPainter& p, QPointF base, qreal height)
{
    p.save();
    const qreal w = height * 0.16;
    p.setPen(QPen(palette::gold.darker(120), 0.5));
    p.setBrush(palette::gold);
    p.drawRect(QRectF(base.x() - w, base.y() - height * 0.18, w * 2, height * 0.18));
    p.setBrush(palette::white);
    p.setPen(QPen(palette::line, 0.5));
    p.drawRect(QRectF(base.x() - w * 0.5, base.y() - height * 0.8, w, height * 0.62));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(244, 206, 140, 220));
    p.drawEllipse(QPointF(base.x(), base.y() - height * 0.88), w * 0.35, height * 0.09);
    p.restore();
}

void incenseBurner(QPainter& p, QPointF base, qreal width)
{
    p.save();
    p.setPen(QPen(palette::gold.darker(135), 0.6));
    QLinearGradient g(base.x() - width / 2, 0, base.x() + width / 2, 0);
    g.setColorAt(0, palette::gold.darker(115));
    g.setColorAt(0.4, palette::gold.lighter(112));
    g.setColorAt(1, palette::gold.darker(120));
    p.setBrush(g);
    QPainterPath bowl;
    bowl.moveTo(base.x() - width / 2, base.y() - width * 0.45);
    bowl.lineTo(base.x() + width / 2, base.y() - width * 0.45);
    bowl.quadTo(base.x() + width * 0.45, base.y() - width * 0.05, base.x(), base.y() - width * 0.05);
    bowl.quadTo(base.x() - width * 0.45, base.y() - width * 0.05, base.x() - width / 2, base.y() - width * 0.45);
    p.drawPath(bowl);
    p.drawRect(QRectF(base.x() - width * 0.3, base.y() - width * 0.08, width * 0.6, width * 0.08));
    p.restore();
}

void vaseOfFlowers(QPainter& p, QPointF base, qreal height)
{
    p.save();
    const qreal w = height * 0.22;
    for (int i = -1; i <= 1; ++i)
        leafAt(p, QPointF(base.x(), base.y() - height * 0.4), height * 0.4, -90 + i * 32, palette::leaf);
    chrysanthemum(p, QPointF(base.x(), base.y() - height * 0.85), height * 0.16, palette::white);
    chrysanthemum(p, QPointF(base.x() - w * 0.9, base.y() - height * 0.7), height * 0.13, palette::lemon);
    chrysanthemum(p, QPointF(base.x() + w * 0.9, base.y() - height * 0.7), height * 0.13, palette::lilac);
    p.setPen(QPen(palette::stone.darker(140), 0.6));
    p.setBrush(palette::stone.darker(115));
    QPolygonF vase;
    vase << QPointF(base.x() - w * 0.6, base.y() - height * 0.42) << QPointF(base.x() + w * 0.6, base.y() - height * 0.42)
         << QPointF(base.x() + w * 0.4, base.y()) << QPointF(base.x() - w * 0.4, base.y());
    p.drawPolygon(vase);
    p.restore();
}

void whiteStep(QPainter& p, const QRectF& r)
{
    p.save();
    fillVertical(p, r, palette::white, palette::white.darker(107));
    p.setPen(QPen(palette::line.lighter(115), 0.6));
    p.drawRect(r);
    // the folds of the cloth
    p.setPen(QPen(palette::stone, 0.5));
    for (qreal x = r.left() + 6; x < r.right() - 2; x += 9)
        p.drawLine(QPointF(x, r.top() + r.height() * 0.35), QPointF(x + 1, r.bottom() - 1));
    p.restore();
}

} // namespace picturegen
