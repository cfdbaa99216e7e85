// The vehicles: the coffin trolley of the hall, the estate-car hearse and the
// hearse with a temple-style roof. The estate car also rides in the transport diagram.

#include "Vehicles.h"

#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"

#include <QPainterPath>

#include <initializer_list>

namespace picturegen {

namespace {

const QColor kBody(78, 76, 82);
const QColor kBodyLight(112, 110, 118);
const QColor kGlass(182, 196, 206);

// A polygon given in shares of the box: (0, 0) is its top left, (1, 1) its bottom right.
QPolygonF inBox(const QRectF& b, std::initializer_list<QPointF> shares)
{
    QPolygonF poly;
    for (const QPointF& s : shares)
        poly << QPointF(b.left() + b.width() * s.x(), b.top() + b.height() * s.y());
    return poly;
}

// The body: the cabin polygon joined to the common lower body; then the driver's window.
void carBody(QPainter& p, const QRectF& b, std::initializer_list<QPointF> cabin,
             std::initializer_list<QPointF> window);

void wheel(QPainter& p, QPointF c, qreal r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(58, 56, 60));
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(188, 188, 192));
    p.drawEllipse(c, r * 0.5, r * 0.5);
}

// The lower body common to both hearses, in box coordinates 0..1.
QPainterPath lowerBody(const QRectF& b)
{
    QPainterPath path;
    path.moveTo(b.left() + b.width() * 0.02, b.top() + b.height() * 0.82);
    path.lineTo(b.left() + b.width() * 0.02, b.top() + b.height() * 0.55);
    path.quadTo(b.left() + b.width() * 0.05, b.top() + b.height() * 0.47, b.left() + b.width() * 0.2,
                b.top() + b.height() * 0.44);
    path.lineTo(b.right() - b.width() * 0.02, b.top() + b.height() * 0.42);
    path.lineTo(b.right(), b.top() + b.height() * 0.82);
    path.closeSubpath();
    return path;
}

void bodyPaint(QPainter& p, const QPainterPath& path, const QRectF& b)
{
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, kBodyLight);
    g.setColorAt(1, kBody);
    p.setPen(QPen(kBody.darker(130), 0.8));
    p.setBrush(g);
    p.drawPath(path);
}

void wheelsAndShadow(QPainter& p, const QRectF& b)
{
    groundShadow(p, QRectF(b.left() - 4, b.bottom() - b.height() * 0.14, b.width() + 8, b.height() * 0.24));
    const qreal r = b.height() * 0.15;
    wheel(p, QPointF(b.left() + b.width() * 0.18, b.top() + b.height() * 0.82), r);
    wheel(p, QPointF(b.left() + b.width() * 0.8, b.top() + b.height() * 0.82), r);
}

void carBody(QPainter& p, const QRectF& b, std::initializer_list<QPointF> cabin,
             std::initializer_list<QPointF> window)
{
    QPainterPath cabinPath;
    cabinPath.addPolygon(inBox(b, cabin));
    cabinPath.closeSubpath();
    bodyPaint(p, cabinPath.united(lowerBody(b)), b);
    p.setPen(Qt::NoPen);
    p.setBrush(kGlass);
    p.drawPolygon(inBox(b, window));
}

} // namespace

void estateHearse(QPainter& p, const QRectF& b)
{
    wheelsAndShadow(p, b);
    // the driver's window and, behind, the curtained rear
    carBody(p, b, {{0.2, 0.46}, {0.32, 0.12}, {0.97, 0.1}, {0.99, 0.46}},
            {{0.24, 0.42}, {0.33, 0.18}, {0.46, 0.17}, {0.46, 0.42}});
    const QRectF rear(b.left() + b.width() * 0.52, b.top() + b.height() * 0.17, b.width() * 0.4, b.height() * 0.25);
    p.setBrush(QColor(226, 222, 214));
    p.drawRect(rear);
    p.setPen(QPen(QColor(200, 194, 184), 0.6));
    for (qreal x = rear.left() + 3; x < rear.right(); x += 4)
        p.drawLine(QPointF(x, rear.top() + 1), QPointF(x, rear.bottom() - 1));
    // a fine silver line along the side
    p.setPen(QPen(QColor(190, 188, 194), 0.8));
    p.drawLine(QPointF(b.left() + b.width() * 0.04, b.top() + b.height() * 0.6),
               QPointF(b.right() - b.width() * 0.01, b.top() + b.height() * 0.6));
}

void templeHearse(QPainter& p, const QRectF& b)
{
    wheelsAndShadow(p, b);
    // the driver's cabin
    carBody(p, b, {{0.2, 0.46}, {0.3, 0.22}, {0.46, 0.22}, {0.46, 0.46}},
            {{0.235, 0.43}, {0.31, 0.26}, {0.43, 0.26}, {0.43, 0.43}});
    // the carved rear in dark lacquer with golden fittings, under a curved roof
    const QRectF hall(b.left() + b.width() * 0.5, b.top() + b.height() * 0.2, b.width() * 0.46, b.height() * 0.26);
    p.setPen(QPen(palette::gold.darker(120), 0.7));
    p.setBrush(palette::lacquer);
    p.drawRect(hall);
    p.setBrush(palette::gold.lighter(105));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(hall.left() + hall.width() * (0.08 + i * 0.31), hall.top() + hall.height() * 0.2,
                          hall.width() * 0.22, hall.height() * 0.6));
    QPainterPath roof;
    roof.moveTo(hall.left() - b.width() * 0.04, hall.top() + 1);
    roof.quadTo(hall.left() + hall.width() * 0.1, hall.top() - b.height() * 0.04, hall.left() + hall.width() * 0.2,
                hall.top() - b.height() * 0.14);
    roof.lineTo(hall.right() - hall.width() * 0.2, hall.top() - b.height() * 0.14);
    roof.quadTo(hall.right() - hall.width() * 0.1, hall.top() - b.height() * 0.04, hall.right() + b.width() * 0.03,
                hall.top() + 1);
    roof.closeSubpath();
    p.setPen(QPen(palette::gold.darker(125), 0.8));
    p.setBrush(QColor(92, 86, 84));
    p.drawPath(roof);
    p.setBrush(palette::gold);
    p.drawEllipse(QPointF(hall.center().x(), hall.top() - b.height() * 0.16), 2.2, 2.2);
}

void coffinTrolley(QPainter& p, const QRectF& b)
{
    groundShadow(p, QRectF(b.left(), b.bottom() - b.height() * 0.16, b.width(), b.height() * 0.22));
    const QRectF bed(b.left() + b.width() * 0.05, b.top() + b.height() * 0.38, b.width() * 0.82, b.height() * 0.1);
    // handle
    p.setPen(QPen(QColor(170, 170, 176), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(bed.right() - 2, bed.top() + 2), QPointF(b.right() - b.width() * 0.03, b.top() + b.height() * 0.2));
    // legs and wheels
    p.setPen(QPen(QColor(160, 160, 166), 2));
    for (qreal x : {0.15, 0.8}) {
        const qreal lx = bed.left() + bed.width() * x;
        p.drawLine(QPointF(lx, bed.bottom()), QPointF(lx, b.top() + b.height() * 0.82));
    }
    p.drawLine(QPointF(bed.left() + bed.width() * 0.15, b.top() + b.height() * 0.7),
               QPointF(bed.left() + bed.width() * 0.8, b.top() + b.height() * 0.7));
    for (qreal x : {0.15, 0.8})
        wheel(p, QPointF(bed.left() + bed.width() * x, b.top() + b.height() * 0.86), b.height() * 0.07);
    // the bed with its white drape
    p.setPen(QPen(palette::line, 0.7));
    p.setBrush(QColor(200, 200, 206));
    p.drawRect(bed);
    QPainterPath drape;
    drape.moveTo(bed.left() - 2, bed.top());
    drape.lineTo(bed.right() + 2, bed.top());
    drape.lineTo(bed.right() + 1, bed.bottom() + b.height() * 0.14);
    for (int i = 8; i >= 0; --i)
        drape.quadTo(bed.left() + bed.width() * (i + 0.5) / 8.0, bed.bottom() + b.height() * 0.17,
                     bed.left() + bed.width() * i / 8.0, bed.bottom() + b.height() * 0.14);
    drape.closeSubpath();
    p.setBrush(palette::white);
    p.drawPath(drape);
}

void drawVehicle(QPainter& p, const QSizeF& size, Vehicle kind)
{
    studioBackground(p, size, 76);
    const QRectF box(12, 14, size.width() - 24, size.height() - 20);
    switch (kind) {
    case Vehicle::Trolley:
        coffinTrolley(p, box.adjusted(14, 6, -14, 0));
        break;
    case Vehicle::EstateCar:
        estateHearse(p, box);
        break;
    case Vehicle::TempleRoof:
        templeHearse(p, box);
        break;
    }
}

} // namespace picturegen
