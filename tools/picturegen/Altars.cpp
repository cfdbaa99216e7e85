// The altar pictures: the plain white-wood altar and three flower altars, each
// richer than the one before.

#include "AltarArticles.h"
#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"

#include <QPainterPath>

#include <array>
#include <cmath>

namespace picturegen {

namespace {

constexpr qreal kFloor = 132;

void woodTier(QPainter& p, const QRectF& r)
{
    fillVertical(p, r, palette::woodPale, palette::wood);
    p.setPen(QPen(palette::woodDark, 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    p.setPen(QPen(palette::woodDark.lighter(115), 0.4));
    for (qreal y = r.top() + 4; y < r.bottom() - 1; y += 4)
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

void shrine(QPainter& p, QPointF bottomCentre, qreal width)
{
    const qreal h = width * 0.8;
    const QRectF body(bottomCentre.x() - width / 2, bottomCentre.y() - h, width, h);
    woodTier(p, body);
    p.setPen(QPen(palette::gold.darker(125), 0.6));
    p.setBrush(palette::woodPale.lighter(104));
    p.drawRect(body.adjusted(width * 0.22, h * 0.2, -width * 0.22, 0));
    QPainterPath roof;
    const qreal eave = width * 0.3;
    roof.moveTo(body.left() - eave, body.top() + 2);
    roof.quadTo(body.left() + width * 0.1, body.top() - h * 0.1, body.center().x(), body.top() - h * 0.5);
    roof.quadTo(body.right() - width * 0.1, body.top() - h * 0.1, body.right() + eave, body.top() + 2);
    roof.closeSubpath();
    p.setPen(QPen(palette::woodDark.darker(115), 0.7));
    p.setBrush(palette::wood.darker(104));
    p.drawPath(roof);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::gold);
    p.drawEllipse(QPointF(body.center().x(), body.top() - h * 0.55), 2.2, 2.2);
}

void lantern(QPainter& p, QPointF foot, qreal height)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(palette::woodDark);
    p.drawRect(QRectF(foot.x() - 1.2, foot.y() - height * 0.55, 2.4, height * 0.55));
    p.drawRect(QRectF(foot.x() - 7, foot.y() - 2, 14, 2));
    const QPointF c(foot.x(), foot.y() - height * 0.75);
    p.setPen(QPen(palette::line, 0.6));
    p.setBrush(palette::white);
    p.drawEllipse(c, height * 0.14, height * 0.22);
    p.setPen(QPen(palette::stone, 0.4));
    for (int i = -2; i <= 2; ++i)
        p.drawLine(QPointF(c.x() - height * 0.13, c.y() + i * height * 0.07),
                   QPointF(c.x() + height * 0.13, c.y() + i * height * 0.07));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::lacquer);
    p.drawRect(QRectF(c.x() - height * 0.07, c.y() - height * 0.24, height * 0.14, height * 0.04));
    p.drawRect(QRectF(c.x() - height * 0.07, c.y() + height * 0.2, height * 0.14, height * 0.04));
    p.restore();
}

void plainWoodAltar(QPainter& p)
{
    woodTier(p, QRectF(30, 112, 200, 20));
    woodTier(p, QRectF(50, 92, 160, 20));
    woodTier(p, QRectF(76, 72, 108, 20));
    shrine(p, QPointF(130, 72), 34);
    lantern(p, QPointF(16, kFloor), 100);
    lantern(p, QPointF(244, kFloor), 100);
    vaseOfFlowers(p, QPointF(64, 92), 34);
    vaseOfFlowers(p, QPointF(196, 92), 34);
    portraitFrame(p, QRectF(114, 66, 32, 40));
    candle(p, QPointF(72, 112), 22);
    candle(p, QPointF(188, 112), 22);
    incenseBurner(p, QPointF(130, 112), 20);
}

struct FlowerBank {
    qreal halfWidth;
    qreal height; // in the middle; the ends stand lower
    int streams;  // coloured streams flowing through the white
};

const std::array<FlowerBank, 3> kBanks{{
    {70, 34, 0},
    {96, 44, 1},
    {118, 54, 2},
}};

constexpr qreal kBankFoot = 97;

qreal bankTop(const FlowerBank& bank, qreal u)
{
    return kBankFoot - bank.height * (0.45 + 0.55 * (1 - u * u));
}

QColor bloomColour(const FlowerBank& bank, qreal u, qreal v)
{
    // u runs from -1 (left end) to 1 (right end), v from 0 (foot) to 1 (top)
    if (bank.streams >= 1 && std::abs(v - (0.35 + 0.3 * std::sin(u * 2.2))) < 0.13)
        return palette::rose;
    if (bank.streams >= 2 && std::abs(v - (0.7 - 0.25 * std::sin(u * 2.6 + 0.8))) < 0.1)
        return palette::lilac;
    return palette::white;
}

void greenery(QPainter& p, const FlowerBank& bank, qreal cx)
{
    QPainterPath path;
    path.moveTo(cx - bank.halfWidth - 8, kBankFoot);
    for (qreal u = -1; u <= 1.001; u += 0.1)
        path.lineTo(cx + u * (bank.halfWidth + 8), bankTop(bank, u) + 1);
    path.lineTo(cx + bank.halfWidth + 8, kBankFoot);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(palette::sage);
    p.drawPath(path);
}

void flowerAltar(QPainter& p, const FlowerBank& bank, std::uint32_t seed)
{
    whiteStep(p, QRectF(18, 114, 224, 18));
    whiteStep(p, QRectF(40, 98, 180, 16));
    Scatter jitter(seed);
    const qreal cx = 130;
    const qreal r = 5.6;
    greenery(p, bank, cx);
    for (qreal x = cx - bank.halfWidth; x <= cx + bank.halfWidth + 0.1; x += r * 1.5) {
        const qreal u = (x - cx) / bank.halfWidth;
        const qreal top = bankTop(bank, u);
        for (qreal y = kBankFoot - r * 0.6; y >= top - r * 0.6; y -= r * 1.4) {
            const qreal v = (kBankFoot - y) / bank.height;
            if (jitter.next() < 0.3)
                leafAt(p, QPointF(x, y), r * 1.7, jitter.between(-180, 0), palette::leaf);
            chrysanthemum(p, QPointF(x + jitter.between(-1.5, 1.5), y + jitter.between(-1, 1)),
                          r * jitter.between(0.9, 1.1), bloomColour(bank, u, v));
        }
    }
    const qreal portraitTop = kBankFoot - bank.height * 0.95;
    portraitFrame(p, QRectF(cx - 15, portraitTop, 30, 38));
    candle(p, QPointF(80, 114), 20);
    candle(p, QPointF(180, 114), 20);
    incenseBurner(p, QPointF(cx, 114), 20);
}

} // namespace

void drawAltar(QPainter& p, const QSizeF& size, int richness)
{
    studioBackground(p, size, kFloor);
    if (richness <= 0)
        plainWoodAltar(p);
    else
        flowerAltar(p, kBanks[std::min(richness, 3) - 1], 17u + std::uint32_t(richness));
}

} // namespace picturegen
