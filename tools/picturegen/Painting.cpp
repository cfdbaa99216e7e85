#include "Painting.h"

#include "Palette.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace picturegen {

QFont gothic(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("IPAPGothic"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QFont mincho(int pixelSize)
{
    QFont f(QStringLiteral("IPAPMincho"));
    f.setPixelSize(pixelSize);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void fillVertical(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void haloText(QPainter& p, const QRectF& r, int flags, const QString& text, const QColor& color,
              const QColor& halo)
{
    p.save();
    QColor rim = halo;
    rim.setAlpha(150);
    p.setPen(rim);
    for (const QPointF d : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)})
        p.drawText(r.translated(d), flags, text);
    p.setPen(color);
    p.drawText(r, flags, text);
    p.restore();
}

void groundShadow(QPainter& p, const QRectF& r)
{
    QRadialGradient g(r.center(), r.width() / 2);
    g.setColorAt(0, QColor(0, 0, 0, 40));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.translate(r.center());
    p.scale(1.0, r.height() / r.width());
    p.translate(-r.center());
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(r.center(), r.width() / 2, r.width() / 2);
    p.restore();
}

void softBox(QPainter& p, const QRectF& r, qreal radius, const QColor& base)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, base.lighter(106));
    g.setColorAt(1, base.darker(106));
    p.save();
    p.setPen(QPen(base.darker(125), 0.8));
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
    p.restore();
}

namespace {

QPointF polar(QPointF c, qreal r, qreal angleDeg)
{
    const qreal a = angleDeg * std::numbers::pi / 180.0;
    return {c.x() + r * std::cos(a), c.y() + r * std::sin(a)};
}

// One petal as an ellipse reaching from the centre outwards.
void petal(QPainter& p, QPointF c, qreal length, qreal width, qreal angleDeg)
{
    p.save();
    p.translate(c);
    p.rotate(angleDeg);
    p.drawEllipse(QRectF(0, -width / 2, length, width));
    p.restore();
}

} // namespace

void chrysanthemum(QPainter& p, QPointF c, qreal r, const QColor& petalColor)
{
    p.save();
    p.setPen(QPen(petalColor.darker(petalColor.lightness() > 235 ? 132 : 118), 0.5));
    for (int ring = 0; ring < 3; ++ring) {
        const qreal len = r * (1.0 - ring * 0.28);
        const int count = 16 - ring * 4;
        p.setBrush(ring == 0 ? petalColor : petalColor.lighter(104 + ring * 3));
        for (int i = 0; i < count; ++i)
            petal(p, c, len, len * 0.32, i * 360.0 / count + ring * 11.0);
    }
    p.setBrush(petalColor.darker(108));
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, r * 0.18, r * 0.18);
    p.restore();
}

void bloom(QPainter& p, QPointF c, qreal r, const QColor& petalColor, int petals)
{
    p.save();
    p.setPen(QPen(petalColor.darker(120), 0.6));
    p.setBrush(petalColor);
    for (int i = 0; i < petals; ++i)
        p.drawEllipse(polar(c, r * 0.45, i * 360.0 / petals), r * 0.55, r * 0.55);
    p.setBrush(petalColor.lighter(108));
    for (int i = 0; i < petals; ++i)
        p.drawEllipse(polar(c, r * 0.22, i * 360.0 / petals + 30), r * 0.32, r * 0.32);
    p.setBrush(petalColor.darker(112));
    p.drawEllipse(c, r * 0.16, r * 0.16);
    p.restore();
}

void lily(QPainter& p, QPointF c, qreal r, qreal angleDeg, const QColor& petalColor)
{
    p.save();
    p.setPen(QPen(petalColor.darker(125), 0.6));
    p.setBrush(petalColor);
    for (int i = 0; i < 6; ++i)
        petal(p, c, r, r * 0.36, angleDeg + i * 60.0);
    p.setPen(QPen(palette::gold, 0.8));
    for (int i = 0; i < 6; ++i)
        p.drawLine(c, polar(c, r * 0.45, angleDeg + 30 + i * 60.0));
    p.restore();
}

void leafAt(QPainter& p, QPointF base, qreal length, qreal angleDeg, const QColor& color)
{
    p.save();
    p.translate(base);
    p.rotate(angleDeg);
    QPainterPath path;
    path.moveTo(0, 0);
    path.quadTo(length * 0.5, -length * 0.28, length, 0);
    path.quadTo(length * 0.5, length * 0.28, 0, 0);
    p.setPen(QPen(color.darker(125), 0.5));
    p.setBrush(color);
    p.drawPath(path);
    p.restore();
}

void tree(QPainter& p, QPointF foot, qreal height, const QColor& crown)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(palette::woodDark.darker(130));
    p.drawRect(QRectF(foot.x() - height * 0.04, foot.y() - height * 0.4, height * 0.08, height * 0.4));
    const qreal w = height * 0.32;
    const QPointF top(foot.x(), foot.y() - height * 0.62);
    p.setBrush(crown.darker(108));
    p.drawEllipse(top + QPointF(-w * 0.45, w * 0.3), w * 0.75, w * 0.7);
    p.drawEllipse(top + QPointF(w * 0.45, w * 0.3), w * 0.75, w * 0.7);
    p.setBrush(crown);
    p.drawEllipse(top, w, w * 0.95);
    p.restore();
}

qreal Scatter::next()
{
    // A 32-bit linear congruential step; the upper bits give the fraction.
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) / qreal(1u << 24);
}

} // namespace picturegen

namespace picturegen {

void studioBackground(QPainter& p, const QSizeF& size, qreal floorY)
{
    fillVertical(p, QRectF(0, 0, size.width(), floorY), palette::cream, palette::paper);
    fillVertical(p, QRectF(0, floorY, size.width(), size.height() - floorY), palette::paper.darker(104),
                 palette::paper.darker(110));
}

} // namespace picturegen
