#include "BannerIcon.h"

#include <QPainter>
#include <QPainterPath>

// A white lily over a soft green leaf on cream, drawn once at start-up.
QPixmap bannerIcon()
{
    QPixmap icon(48, 48);
    icon.fill(QColor(255, 251, 240));
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 170, 90));
    p.drawEllipse(QRectF(6, 26, 36, 14));
    p.setPen(QPen(QColor(200, 160, 90), 1));
    p.setBrush(Qt::white);
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(24, 24);
        p.rotate(i * 72.0);
        QPainterPath petal;
        petal.moveTo(0, 0);
        petal.cubicTo(-7, -8, -4, -18, 0, -20);
        petal.cubicTo(4, -18, 7, -8, 0, 0);
        p.drawPath(petal);
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 140, 0));
    p.drawEllipse(QPointF(24, 24), 3.5, 3.5);
    return icon;
}
