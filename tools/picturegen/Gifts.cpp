// The return gifts: handkerchiefs, tea, and the gift set of nori, kelp and bonito.

#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"

namespace picturegen {

namespace {

void foldedCloth(QPainter& p, const QRectF& r, const QColor& c)
{
    softBox(p, r, 1.5, c);
    p.setPen(QPen(c.darker(115), 0.6));
    p.drawLine(QPointF(r.left() + 3, r.top() + r.height() * 0.5), QPointF(r.right() - 3, r.top() + r.height() * 0.5));
    // a small embroidered flower in the corner
    bloom(p, QPointF(r.right() - 8, r.bottom() - 8), 3.5, c.darker(112), 5);
}

void handkerchiefs(QPainter& p)
{
    softBox(p, QRectF(22, 36, 96, 50), 2, palette::white);
    foldedCloth(p, QRectF(28, 30, 40, 34), QColor(206, 218, 230));
    foldedCloth(p, QRectF(50, 36, 40, 34), palette::rose.lighter(108));
    foldedCloth(p, QRectF(72, 42, 40, 34), QColor(222, 230, 206));
    // a ribbon across the box
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(192, 182, 206, 200));
    p.drawRect(QRectF(22, 70, 96, 5));
}

void tea(QPainter& p)
{
    // the canister
    const QRectF can(26, 22, 40, 62);
    softBox(p, can, 3, QColor(150, 172, 140));
    p.fillRect(QRectF(can.left() + 4, can.top() + 16, can.width() - 8, 28), palette::cream);
    p.setFont(mincho(14));
    p.setPen(palette::ink);
    p.drawText(QRectF(can.left(), can.top() + 16, can.width(), 28), Qt::AlignCenter, QStringLiteral("煎茶"));
    softBox(p, QRectF(can.left() - 1, can.top() - 4, can.width() + 2, 8), 2, QColor(130, 152, 122));
    // a cup of tea
    const QPointF c(98, 70);
    p.setPen(QPen(palette::line, 0.7));
    p.setBrush(palette::white);
    QPolygonF cup;
    cup << QPointF(c.x() - 18, c.y() - 20) << QPointF(c.x() + 18, c.y() - 20) << QPointF(c.x() + 13, c.y() + 6)
        << QPointF(c.x() - 13, c.y() + 6);
    p.drawPolygon(cup);
    p.setBrush(QColor(196, 206, 150));
    p.drawEllipse(QPointF(c.x(), c.y() - 20), 18, 4);
    p.setBrush(QColor(210, 196, 170));
    p.drawEllipse(QPointF(c.x(), c.y() + 9), 22, 4);
}

void giftSet(QPainter& p)
{
    const QRectF box(14, 26, 112, 60);
    softBox(p, box, 2, palette::woodPale);
    const qreal w = (box.width() - 12) / 3;
    const QRectF cells[3] = {
        {box.left() + 3, box.top() + 4, w, box.height() - 8},
        {box.left() + 6 + w, box.top() + 4, w, box.height() - 8},
        {box.left() + 9 + 2 * w, box.top() + 4, w, box.height() - 8},
    };
    // nori: dark green sheets in a pale wrapper
    p.fillRect(cells[0], palette::white);
    for (int i = 0; i < 3; ++i)
        softBox(p, cells[0].adjusted(4, 6 + i * 12, -4, -36 + i * 12), 1, QColor(70, 86, 70));
    // kelp: a folded olive strip
    p.fillRect(cells[1], palette::white);
    softBox(p, cells[1].adjusted(5, 6, -5, -6), 2, QColor(108, 112, 88));
    // bonito: small packs
    p.fillRect(cells[2], palette::white);
    for (int i = 0; i < 3; ++i)
        softBox(p, cells[2].adjusted(4, 5 + i * 16, -4, -39 + i * 16), 2, palette::peach);
    p.setFont(gothic(10));
    p.setPen(palette::ink);
    const char* names[3] = {"のり", "昆布", "かつお"};
    for (int i = 0; i < 3; ++i)
        p.drawText(QRectF(cells[i].left() - 4, box.bottom() + 1, cells[i].width() + 8, 12), Qt::AlignCenter,
                   QString::fromUtf8(names[i]));
}

} // namespace

void drawGift(QPainter& p, const QSizeF& size, Gift kind)
{
    studioBackground(p, size, 74);
    groundShadow(p, QRectF(10, 76, size.width() - 20, 18));
    switch (kind) {
    case Gift::Handkerchiefs:
        handkerchiefs(p);
        break;
    case Gift::Tea:
        tea(p);
        break;
    case Gift::GiftSet:
        giftSet(p);
        break;
    }
}

} // namespace picturegen
