// The coffin pictures: plain wood, cloth-covered and decorated, each in the same
// three-quarter view with the small viewing window in the lid.

#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"

#include <QPainterPath>

namespace picturegen {

namespace {

// The box seen from above its front right: length runs right and slightly down,
// depth runs towards the viewer (left and down), height straight down.
const QPointF kOrigin(34, 28);
const QPointF kLength(126, 10);
const QPointF kDepth(-22, 16);
const QPointF kHeight(0, 26);
constexpr qreal kLid = 5;

struct Look {
    QColor top;
    QColor front;
    QColor end;
    QColor edge;
};

Look lookOf(Coffin kind)
{
    switch (kind) {
    case Coffin::PlainWood:
        return {palette::woodPale, palette::wood, palette::wood.darker(108), palette::woodDark};
    case Coffin::Cloth:
        return {QColor(240, 240, 238), QColor(226, 226, 228), QColor(214, 214, 218), QColor(180, 180, 186)};
    case Coffin::Decorated:
        return {QColor(236, 232, 240), QColor(222, 216, 230), QColor(208, 202, 220), QColor(170, 160, 186)};
    }
    return {};
}

QPolygonF quad(QPointF a, QPointF b, QPointF c, QPointF d)
{
    return QPolygonF() << a << b << c << d;
}

void face(QPainter& p, const QPolygonF& poly, const QColor& fill, const QColor& edge)
{
    p.setPen(QPen(edge, 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPolygon(poly);
}

// Lines along the length of a face, as wood grain or cloth weave.
void streaks(QPainter& p, QPointF from, QPointF along, QPointF across, int count, const QColor& c)
{
    p.setPen(QPen(c, 0.5));
    for (int i = 1; i < count; ++i) {
        const QPointF s = from + across * (i / qreal(count));
        p.drawLine(s + along * 0.02, s + along * 0.98);
    }
}

void decoration(QPainter& p, QPointF frontTopLeft)
{
    // a band of small flowers along the front and golden edging
    for (int i = 0; i < 7; ++i) {
        const QPointF c = frontTopLeft + kLength * ((i + 0.8) / 7.6) + kHeight * 0.55;
        bloom(p, c, 4.2, i % 2 ? palette::rose : palette::lilac.lighter(104), 5);
    }
    p.setPen(QPen(palette::gold, 1.2));
    p.drawLine(frontTopLeft + kHeight * 0.12, frontTopLeft + kLength + kHeight * 0.12);
    p.drawLine(frontTopLeft + kHeight * 0.95, frontTopLeft + kLength + kHeight * 0.95);
}

void lidWindow(QPainter& p, QPointF lidTopLeft, const Look& look, Coffin kind)
{
    const QPointF a = lidTopLeft + kLength * 0.06 + kDepth * 0.25;
    const QPolygonF window = quad(a, a + kLength * 0.2, a + kLength * 0.2 + kDepth * 0.5, a + kDepth * 0.5);
    face(p, window, look.top.darker(106), look.edge);
    p.setPen(QPen(look.edge, 0.6));
    p.drawLine(a + kLength * 0.1, a + kLength * 0.1 + kDepth * 0.5);
    if (kind == Coffin::Decorated)
        bloom(p, lidTopLeft + kLength * 0.6 + kDepth * 0.5, 5, palette::rose, 6);
}

} // namespace

void drawCoffin(QPainter& p, const QSizeF& size, Coffin kind)
{
    studioBackground(p, size, 84);
    const Look look = lookOf(kind);
    const QPointF o = kOrigin;
    groundShadow(p, QRectF(6, 68, 180, 24));
    // the box: the foot end on the right, then the long front face
    const QPointF f = o + kDepth; // front top left corner
    face(p, quad(f + kLength, o + kLength, o + kLength + kHeight, f + kLength + kHeight), look.end, look.edge);
    face(p, quad(f, f + kLength, f + kLength + kHeight, f + kHeight), look.front, look.edge);
    // the lid, a slightly larger slab on top
    const QPointF lift(0, -kLid);
    const QPointF l = o + lift;
    face(p, quad(f + kLength + lift, l + kLength, o + kLength, f + kLength), look.end.lighter(104), look.edge);
    face(p, quad(f + lift, f + kLength + lift, f + kLength, f), look.front.lighter(104), look.edge);
    face(p, quad(l, l + kLength, l + kLength + kDepth, l + kDepth), look.top, look.edge);
    if (kind == Coffin::PlainWood) {
        streaks(p, l, kLength, kDepth, 6, palette::woodDark.lighter(120));
        streaks(p, f, kLength, kHeight, 5, palette::woodDark.lighter(120));
    } else {
        streaks(p, l, kLength, kDepth, 9, look.top.darker(104));
    }
    if (kind == Coffin::Decorated)
        decoration(p, f);
    lidWindow(p, l, look, kind);
}

} // namespace picturegen
