#include "Food.h"

#include "Painting.h"
#include "Palette.h"

namespace picturegen {

namespace {

const QColor kNori(64, 76, 66);
const QColor kGolden(228, 196, 136);
const QColor kCarrot(228, 164, 120);
const QColor kShiitake(150, 120, 98);
const QColor kTaro(232, 226, 208);
const QColor kPea(150, 182, 120);

// Calls place(x, y, k) on a loose grid filling the ellipse inscribed in area.
template <typename Place>
void fillEllipse(const QRectF& area, qreal step, std::uint32_t seed, Place place)
{
    Scatter jitter(seed);
    int k = 0;
    for (qreal y = area.top() + step * 0.6; y < area.bottom() - step * 0.4; y += step * 0.8) {
        for (qreal x = area.left() + step * 0.6; x < area.right() - step * 0.4; x += step) {
            const qreal u = (x - area.center().x()) / (area.width() / 2);
            const qreal v = (y - area.center().y()) / (area.height() / 2);
            if (u * u + v * v < 0.8)
                place(x + jitter.between(-1, 1), y + jitter.between(-1, 1), k++);
        }
    }
}

} // namespace

void sushiRolls(QPainter& p, const QRectF& area, std::uint32_t seed)
{
    fillEllipse(area, 8.5, seed, [&p](qreal x, qreal y, int k) {
        p.setPen(Qt::NoPen);
        p.setBrush(kNori);
        p.drawEllipse(QPointF(x, y), 4, 3.4);
        p.setBrush(palette::white);
        p.drawEllipse(QPointF(x, y), 3, 2.5);
        p.setBrush(k % 3 == 0 ? QColor(220, 150, 140) : (k % 3 == 1 ? palette::lemon : kPea));
        p.drawEllipse(QPointF(x, y), 1.3, 1.1);
    });
}

void tempura(QPainter& p, const QRectF& area, std::uint32_t seed)
{
    fillEllipse(area, 9, seed, [&p](qreal x, qreal y, int k) {
        p.setPen(QPen(kGolden.darker(120), 0.5));
        p.setBrush(k % 4 == 3 ? kPea : kGolden);
        p.save();
        p.translate(x, y);
        p.rotate(k * 37.0);
        p.drawRoundedRect(QRectF(-4.5, -3, 9, 6), 3, 3);
        p.restore();
    });
}

void simmered(QPainter& p, const QRectF& area, std::uint32_t seed)
{
    fillEllipse(area, 9, seed, [&p](qreal x, qreal y, int k) {
        p.setPen(Qt::NoPen);
        switch (k % 4) {
        case 0:
            bloom(p, QPointF(x, y), 3.6, kCarrot, 5);
            break;
        case 1:
            p.setBrush(kShiitake);
            p.drawEllipse(QPointF(x, y), 4, 3.2);
            p.setBrush(kShiitake.lighter(130));
            p.drawEllipse(QPointF(x, y), 1.2, 1.2);
            break;
        case 2:
            p.setBrush(kTaro);
            p.setPen(QPen(kTaro.darker(120), 0.5));
            p.drawEllipse(QPointF(x, y), 3.8, 3.2);
            break;
        default:
            leafAt(p, QPointF(x - 4, y), 8, -10, kPea);
            break;
        }
    });
}

void rice(QPainter& p, const QRectF& area)
{
    p.setPen(Qt::NoPen);
    p.setBrush(palette::white);
    p.drawRoundedRect(area.adjusted(1, 1, -1, -1), 3, 3);
    p.setBrush(QColor(60, 58, 56));
    Scatter jitter(3u);
    for (int i = 0; i < 10; ++i)
        p.drawEllipse(QPointF(jitter.between(area.left() + 3, area.right() - 3),
                              jitter.between(area.top() + 3, area.bottom() - 3)),
                      0.6, 0.4);
    p.setBrush(QColor(206, 120, 130));
    p.drawEllipse(area.center(), 2.4, 2.4); // a pickled plum
}

void sashimi(QPainter& p, const QRectF& area)
{
    leafAt(p, QPointF(area.left() + 2, area.bottom() - 4), area.width() * 0.8, -25, palette::leaf);
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(QColor(214, 150, 140), 0.5));
        p.setBrush(i % 2 ? QColor(236, 176, 164) : QColor(244, 214, 200));
        p.drawRoundedRect(QRectF(area.left() + 3 + i * area.width() * 0.18, area.top() + 4, area.width() * 0.26,
                                 area.height() - 8),
                          2, 2);
    }
}

void omelette(QPainter& p, const QRectF& area)
{
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(214, 186, 110), 0.5));
        p.setBrush(QColor(244, 220, 150));
        p.drawRect(QRectF(area.left() + 3 + i * (area.width() - 6) / 3, area.top() + 4, (area.width() - 6) / 3 - 1,
                          area.height() - 8));
    }
}

} // namespace picturegen
