// The start screen's picture: the six halls, each as a calm painted view with its name.

#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"

#include <QPainterPath>

#include <array>
#include <cmath>

namespace picturegen {

namespace {

enum class Roof { Hipped, Flat, Gabled };

struct HallLook {
    const char* name;
    Roof roof;
    QColor wall;
    qreal bodyWidth;  // share of the scene width
    bool tower;       // a taller block at the right
    bool road;        // a road in front of the hall
    std::array<qreal, 4> treeX; // share of the scene width; negative: none
};

// In reading order: two columns, three rows.
const std::array<HallLook, 6> kHalls{{
    {"桐ヶ谷斎場", Roof::Hipped, {232, 226, 214}, 0.56, false, false, {0.08, 0.17, 0.86, -1}},
    {"代々幡斎場", Roof::Flat, {226, 224, 218}, 0.60, false, false, {0.07, 0.88, 0.94, -1}},
    {"落合斎場", Roof::Flat, {214, 196, 180}, 0.50, false, true, {0.10, 0.90, -1, -1}},
    {"堀ノ内斎場", Roof::Hipped, {236, 230, 218}, 0.48, false, false, {0.09, 0.18, 0.84, 0.93}},
    {"町屋斎場", Roof::Flat, {236, 234, 228}, 0.52, true, false, {0.08, 0.92, -1, -1}},
    {"四ツ木斎場", Roof::Gabled, {230, 220, 204}, 0.54, false, false, {0.07, 0.15, 0.90, -1}},
}};

constexpr qreal kGap = 3;
constexpr qreal kLabelHeight = 20;

void drawRoof(QPainter& p, const QRectF& body, Roof roof)
{
    p.setPen(QPen(palette::roof.darker(120), 0.7));
    p.setBrush(palette::roof);
    QPainterPath path;
    switch (roof) {
    case Roof::Hipped: {
        const qreal eave = body.width() * 0.08;
        const qreal h = body.height() * 0.62;
        path.moveTo(body.left() - eave, body.top() + 1);
        path.quadTo(body.left() + body.width() * 0.18, body.top() - h * 0.45, body.left() + body.width() * 0.2,
                    body.top() - h);
        path.lineTo(body.right() - body.width() * 0.2, body.top() - h);
        path.quadTo(body.right() - body.width() * 0.18, body.top() - h * 0.45, body.right() + eave, body.top() + 1);
        path.closeSubpath();
        break;
    }
    case Roof::Flat:
        p.setBrush(palette::stone.darker(112));
        path.addRect(QRectF(body.left() - 3, body.top() - 4, body.width() + 6, 4));
        break;
    case Roof::Gabled: {
        const qreal h = body.height() * 0.55;
        path.moveTo(body.left() - 5, body.top() + 1);
        path.lineTo(body.left() + body.width() * 0.25, body.top() - h);
        path.lineTo(body.right() - body.width() * 0.25, body.top() - h);
        path.lineTo(body.right() + 5, body.top() + 1);
        path.closeSubpath();
        break;
    }
    }
    p.drawPath(path);
}

void drawWindows(QPainter& p, const QRectF& body)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(176, 192, 202));
    const int count = int(body.width() / 12);
    const qreal step = body.width() / count;
    for (int i = 0; i < count; ++i) {
        const qreal x = body.left() + (i + 0.5) * step;
        if (std::abs(x - body.center().x()) < 14)
            continue; // the entrance is there
        p.drawRect(QRectF(body.left() + i * step + step * 0.25, body.top() + body.height() * 0.22, step * 0.5,
                          body.height() * 0.3));
    }
}

void drawEntrance(QPainter& p, const QRectF& body)
{
    const QRectF door(body.center().x() - 9, body.bottom() - body.height() * 0.42, 18, body.height() * 0.42);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 142, 132));
    p.drawRect(door);
    p.setBrush(palette::stone.darker(115));
    p.drawRect(QRectF(door.left() - 6, door.top() - 3, door.width() + 12, 3));
}

void drawBuilding(QPainter& p, const QRectF& scene, qreal groundY, const HallLook& look)
{
    const qreal w = scene.width() * look.bodyWidth;
    const qreal h = scene.height() * 0.3;
    const QRectF body(scene.center().x() - w / 2, groundY - h, w, h);
    groundShadow(p, QRectF(body.left() - 8, groundY - 3, body.width() + 16, 8));
    if (look.tower) {
        const QRectF tower(body.right() - w * 0.22, body.top() - h * 0.9, w * 0.16, h * 0.9 + 1);
        p.setPen(QPen(look.wall.darker(118), 0.7));
        p.setBrush(look.wall.darker(104));
        p.drawRect(tower);
    }
    p.setPen(QPen(look.wall.darker(125), 0.7));
    p.setBrush(look.wall);
    p.drawRect(body);
    drawWindows(p, body);
    drawRoof(p, body, look.roof);
    drawEntrance(p, body);
}

void drawScene(QPainter& p, const QRectF& scene, const HallLook& look)
{
    const qreal groundY = scene.top() + scene.height() * 0.74;
    fillVertical(p, QRectF(scene.left(), scene.top(), scene.width(), groundY - scene.top()), palette::skyTop,
                 palette::skyBottom);
    fillVertical(p, QRectF(scene.left(), groundY, scene.width(), scene.bottom() - groundY), palette::grass,
                 palette::grass.darker(106));
    // a few soft clouds
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 120));
    for (const QPointF c : {QPointF(0.22, 0.16), QPointF(0.30, 0.13), QPointF(0.70, 0.2)})
        p.drawEllipse(QPointF(scene.left() + scene.width() * c.x(), scene.top() + scene.height() * c.y()), 16, 5);
    // far trees along the horizon
    p.setPen(Qt::NoPen);
    p.setBrush(palette::sage.lighter(112));
    for (int i = 0; i < 9; ++i)
        p.drawEllipse(QPointF(scene.left() + scene.width() * (i + 0.5) / 9, groundY - 3), scene.width() / 14, 8);
    drawBuilding(p, scene, groundY, look);
    // a path to the entrance
    p.setPen(Qt::NoPen);
    p.setBrush(palette::stone.lighter(104));
    QPolygonF path;
    path << QPointF(scene.center().x() - 8, groundY) << QPointF(scene.center().x() + 8, groundY)
         << QPointF(scene.center().x() + 20, scene.bottom()) << QPointF(scene.center().x() - 20, scene.bottom());
    p.drawPolygon(path);
    if (look.road) {
        p.setBrush(palette::stone);
        p.drawRect(QRectF(scene.left(), groundY + 9, scene.width(), 8));
        p.setPen(QPen(palette::white, 1, Qt::DashLine));
        p.drawLine(QPointF(scene.left(), groundY + 13), QPointF(scene.right(), groundY + 13));
    }
    for (std::size_t i = 0; i < look.treeX.size(); ++i) {
        if (look.treeX[i] >= 0)
            tree(p, QPointF(scene.left() + scene.width() * look.treeX[i], groundY + 4 + (i % 2) * 3),
                 scene.height() * (0.5 + (i % 2) * 0.06), i % 2 ? palette::sage : palette::leaf.lighter(110));
    }
}

void drawLabel(QPainter& p, const QRectF& r, const QString& name)
{
    p.fillRect(r, palette::cream);
    p.setPen(QPen(palette::line, 0.6));
    p.drawLine(r.topLeft(), r.topRight());
    p.setFont(mincho(14));
    p.setPen(palette::ink);
    p.drawText(r, Qt::AlignCenter, name);
}

} // namespace

void drawHallViews(QPainter& p, const QSizeF& size)
{
    p.fillRect(QRectF(QPointF(0, 0), size), palette::paper);
    const qreal cellW = (size.width() - 3 * kGap) / 2;
    const qreal cellH = (size.height() - 4 * kGap) / 3;
    for (int i = 0; i < int(kHalls.size()); ++i) {
        const QRectF cell(kGap + (i % 2) * (cellW + kGap), kGap + (i / 2) * (cellH + kGap), cellW, cellH);
        const QRectF scene(cell.left(), cell.top(), cell.width(), cell.height() - kLabelHeight);
        p.save();
        p.setClipRect(scene);
        drawScene(p, scene, kHalls[i]);
        p.restore();
        drawLabel(p, QRectF(cell.left(), scene.bottom(), cell.width(), kLabelHeight),
                  QString::fromUtf8(kHalls[i].name));
        p.setPen(QPen(palette::line, 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawRect(cell.adjusted(0.4, 0.4, -0.4, -0.4));
    }
}

} // namespace picturegen
