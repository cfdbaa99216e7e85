// The transport diagram: from the hospital, where the person passed away, the car
// carries them to the crematorium, where they rest in its cold room.

#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"
#include "Vehicles.h"

namespace picturegen {

namespace {

void building(QPainter& p, const QRectF& r, const QColor& wall, bool cross)
{
    groundShadow(p, QRectF(r.left() - 4, r.bottom() - 3, r.width() + 8, 6));
    p.setPen(QPen(wall.darker(130), 0.7));
    p.setBrush(wall);
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(182, 196, 206));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(r.left() + 4 + col * (r.width() - 8) / 3, r.top() + 5 + row * 7, 4, 4));
    }
    if (cross) {
        p.setBrush(palette::roseDeep);
        const QPointF c(r.center().x(), r.top() - 5);
        p.drawRect(QRectF(c.x() - 1.2, c.y() - 3.5, 2.4, 7));
        p.drawRect(QRectF(c.x() - 3.5, c.y() - 1.2, 7, 2.4));
    } else {
        p.setBrush(palette::roof);
        QPolygonF roof;
        roof << QPointF(r.left() - 3, r.top() + 1) << QPointF(r.left() + 6, r.top() - 6)
             << QPointF(r.right() - 6, r.top() - 6) << QPointF(r.right() + 3, r.top() + 1);
        p.drawPolygon(roof);
    }
}

void caption(QPainter& p, const QRectF& r, const QString& text, int px, bool bold)
{
    p.setFont(gothic(px, bold));
    p.setPen(palette::ink);
    p.drawText(r, Qt::AlignCenter, text);
}

} // namespace

void drawTransport(QPainter& p, const QSizeF& size)
{
    p.fillRect(QRectF(QPointF(0, 0), size), palette::cream);
    building(p, QRectF(16, 24, 34, 30), palette::white, true);
    caption(p, QRectF(0, 1, 66, 14), QStringLiteral("病院"), 12, true);
    caption(p, QRectF(0, 58, 66, 16), QStringLiteral("ご逝去"), 11, false);

    building(p, QRectF(175, 26, 34, 28), palette::stone.lighter(106), false);
    caption(p, QRectF(159, 1, 66, 14), QStringLiteral("火葬場"), 12, true);
    caption(p, QRectF(159, 58, 66, 16), QStringLiteral("保管"), 11, false);

    // the arrow, with the car above it and the word under it
    const qreal y = 52;
    p.setPen(QPen(palette::sage.darker(115), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(66, y), QPointF(152, y));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::sage.darker(115));
    QPolygonF head;
    head << QPointF(160, y) << QPointF(150, y - 5) << QPointF(150, y + 5);
    p.drawPolygon(head);
    estateHearse(p, QRectF(82, 22, 58, 27));
    caption(p, QRectF(66, 56, 90, 16), QStringLiteral("移動"), 11, false);
}

} // namespace picturegen
