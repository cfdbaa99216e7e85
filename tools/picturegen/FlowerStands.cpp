// The flower stands: chrysanthemums on the left, Western flowers on the right.

#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"

#include <QPainterPath>

#include <cmath>

namespace picturegen {

namespace {

void stand(QPainter& p, qreal cx)
{
    p.setPen(QPen(palette::woodDark, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx, 62), QPointF(cx - 22, 126));
    p.drawLine(QPointF(cx, 62), QPointF(cx + 22, 126));
    p.drawLine(QPointF(cx, 62), QPointF(cx, 126));
    p.drawLine(QPointF(cx - 14, 104), QPointF(cx + 14, 104));
    // a small blank card where the sender's name is written
    p.setPen(QPen(palette::line, 0.6));
    p.setBrush(palette::white);
    p.drawRect(QRectF(cx - 5, 74, 10, 26));
    // the basket
    p.setBrush(palette::wood);
    QPainterPath basket;
    basket.moveTo(cx - 24, 56);
    basket.lineTo(cx + 24, 56);
    basket.lineTo(cx + 16, 68);
    basket.lineTo(cx - 16, 68);
    basket.closeSubpath();
    p.drawPath(basket);
}

// Blooms fill a fan above the basket, row over row.
template <typename Flower>
void fan(QPainter& p, qreal cx, std::uint32_t seed, Flower flower)
{
    Scatter jitter(seed);
    for (int i = 0; i < 11; ++i) {
        const qreal a = -180 + i * 18.0;
        leafAt(p, QPointF(cx, 52), 42, a, i % 2 ? palette::leaf : palette::sage);
    }
    for (int row = 0; row < 4; ++row) {
        const qreal radius = 40 - row * 11;
        const int count = 9 - row * 2;
        for (int i = 0; i < count; ++i) {
            const qreal t = count == 1 ? 0.5 : i / qreal(count - 1);
            const qreal angle = (180 + 12 + t * 156) * 3.14159265 / 180;
            const QPointF c(cx + radius * std::cos(angle), 54 + radius * 0.9 * std::sin(angle));
            flower(c + QPointF(jitter.between(-1, 1), jitter.between(-1, 1)), i + row);
        }
    }
}

} // namespace

void drawFlowerStands(QPainter& p, const QSizeF& size)
{
    studioBackground(p, size, 112);
    const qreal left = size.width() * 0.27;
    const qreal right = size.width() * 0.73;
    for (qreal cx : {left, right}) {
        groundShadow(p, QRectF(cx - 34, 120, 68, 10));
        stand(p, cx);
    }
    fan(p, left, 5u, [&p](QPointF c, int k) {
        chrysanthemum(p, c, 8.5, k % 3 == 1 ? palette::lemon : palette::white);
    });
    fan(p, right, 9u, [&p](QPointF c, int k) {
        switch (k % 3) {
        case 0:
            lily(p, c, 9, k * 13.0, palette::white);
            break;
        case 1:
            bloom(p, c, 7.5, palette::rose, 6);
            break;
        default:
            bloom(p, c, 7, palette::lilac, 5);
            break;
        }
    });
}

} // namespace picturegen
