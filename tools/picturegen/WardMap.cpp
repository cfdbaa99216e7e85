// The hall step's map: Tokyo's 23 wards from their real boundaries, the main
// rivers and Tokyo Bay, north up, in the projection the hall buttons rely on.

#include "MapProjection.h"
#include "Painting.h"
#include "Palette.h"
#include "Pictures.h"

#include <QHash>
#include <QPainterPath>
#include <QSet>

#include <array>
#include <cmath>
#include <utility>

namespace picturegen {

namespace wm = lumenta::wardmap;

namespace {

const std::array<QColor, 6> kWardTones{{
    {228, 218, 200}, // sand
    {210, 222, 204}, // sage
    {226, 212, 216}, // rose grey
    {212, 218, 230}, // blue grey
    {232, 226, 200}, // straw
    {218, 210, 228}, // lilac grey
}};

// Where a ward's name would sit under a hall button, it moves by this many pixels.
const QHash<QString, QPointF> kLabelNudges{
    {"杉並区", {-6, 22}}, {"中野区", {0, 18}},  {"荒川区", {-10, 10}},
    {"葛飾区", {8, 34}},  {"渋谷区", {6, 17}},  {"品川区", {10, 18}},
    {"江東区", {0, -6}},  {"大田区", {10, -8}}, {"港区", {-2, -4}},
    {"中央区", {1, 2}},
};

struct River {
    const char* name;
    qreal width;
    std::vector<wm::GeoPoint> course; // upstream to mouth
    wm::GeoPoint label;
    qreal labelAngle; // degrees; 90 writes the name top to bottom
};

// Rough courses, good at the scale of the map.
const std::array<River, 4> kRivers{{
    {"荒川",
     4.0,
     {{139.600, 35.826}, {139.625, 35.812}, {139.645, 35.803}, {139.670, 35.802}, {139.695, 35.800},
      {139.715, 35.794}, {139.730, 35.789}, {139.745, 35.782}, {139.765, 35.772}, {139.785, 35.765},
      {139.800, 35.760}, {139.815, 35.752}, {139.823, 35.742}, {139.831, 35.731}, {139.839, 35.721},
      {139.843, 35.705}, {139.846, 35.685}, {139.847, 35.665}, {139.850, 35.643}},
     {139.660, 35.812},
     0},
    {"隅田川",
     2.6,
     {{139.723, 35.786}, {139.733, 35.777}, {139.745, 35.769}, {139.760, 35.762}, {139.772, 35.757},
      {139.785, 35.752}, {139.797, 35.747}, {139.808, 35.741}, {139.812, 35.733}, {139.809, 35.723},
      {139.804, 35.714}, {139.797, 35.706}, {139.791, 35.697}, {139.790, 35.688}, {139.789, 35.678},
      {139.785, 35.668}, {139.776, 35.658}, {139.769, 35.648}},
     {139.7985, 35.6800},
     90},
    {"江戸川",
     3.2,
     {{139.874, 35.826}, {139.872, 35.800}, {139.876, 35.785}, {139.882, 35.772}, {139.887, 35.756},
      {139.897, 35.742}, {139.900, 35.730}, {139.907, 35.717}, {139.914, 35.704}, {139.905, 35.689},
      {139.889, 35.678}, {139.886, 35.662}, {139.880, 35.645}},
     {139.905, 35.772},
     90},
    {"多摩川",
     3.6,
     {{139.562, 35.652}, {139.585, 35.640}, {139.592, 35.626}, {139.609, 35.616}, {139.627, 35.609},
      {139.650, 35.593}, {139.668, 35.586}, {139.680, 35.570}, {139.692, 35.555}, {139.700, 35.542},
      {139.720, 35.541}, {139.740, 35.540}, {139.760, 35.536}, {139.785, 35.533}},
     {139.617, 35.600},
     -30},
}};

// Tokyo Bay, reaching under the ward coast; the wards are painted over it.
const std::array<wm::GeoPoint, 9> kBay{{
    {139.770, 35.500}, {139.770, 35.560}, {139.755, 35.600}, {139.765, 35.640}, {139.820, 35.648},
    {139.874, 35.646}, {139.900, 35.634}, {139.950, 35.610}, {139.950, 35.500},
}};

constexpr qreal kSmallestPart = 3.0; // square pixels

QPointF toPixel(QPointF lonLat)
{
    const wm::MapPoint m = wm::toMap({lonLat.x(), lonLat.y()});
    return {m.x, m.y};
}

QPointF toPixel(wm::GeoPoint g)
{
    const wm::MapPoint m = wm::toMap(g);
    return {m.x, m.y};
}

qreal ringArea(const QPolygonF& ring)
{
    qreal twice = 0;
    for (int i = 0; i + 1 < ring.size(); ++i)
        twice += ring[i].x() * ring[i + 1].y() - ring[i + 1].x() * ring[i].y();
    return std::abs(twice) / 2;
}

QPainterPath wardPath(const wm::Ward& ward)
{
    QPainterPath path;
    for (const QPolygonF& part : ward.parts) {
        if (ringArea(part) * wm::kPixelsPerDegreeLon * wm::kPixelsPerDegreeLat < kSmallestPart)
            continue; // slivers of reclaimed land would only add noise
        QPolygonF px;
        px.reserve(part.size());
        for (const QPointF& pt : part)
            px << toPixel(pt);
        path.addPolygon(px);
        path.closeSubpath();
    }
    return path;
}

// The area-weighted centre of the ward's largest part, in pixels.
QPointF labelAnchor(const wm::Ward& ward)
{
    const QPolygonF* largest = &ward.parts.first();
    for (const QPolygonF& part : ward.parts) {
        if (ringArea(part) > ringArea(*largest))
            largest = &part;
    }
    qreal a = 0, cx = 0, cy = 0;
    for (int i = 0; i + 1 < largest->size(); ++i) {
        const QPointF p0 = toPixel((*largest)[i]);
        const QPointF p1 = toPixel((*largest)[i + 1]);
        const qreal cross = p0.x() * p1.y() - p1.x() * p0.y();
        a += cross;
        cx += (p0.x() + p1.x()) * cross;
        cy += (p0.y() + p1.y()) * cross;
    }
    return {cx / (3 * a), cy / (3 * a)};
}

// Neighbouring wards share their border vertices exactly.
QList<QSet<std::pair<qint64, qint64>>> vertexSets(const QList<wm::Ward>& wards)
{
    QList<QSet<std::pair<qint64, qint64>>> sets;
    for (const wm::Ward& w : wards) {
        QSet<std::pair<qint64, qint64>> s;
        for (const QPolygonF& part : w.parts) {
            for (const QPointF& pt : part)
                s.insert({std::llround(pt.x() * 1e6), std::llround(pt.y() * 1e6)});
        }
        sets << s;
    }
    return sets;
}

// Greedy colouring: each ward takes the first tone none of its earlier neighbours has.
QList<int> wardTones(const QList<wm::Ward>& wards)
{
    const auto sets = vertexSets(wards);
    QList<int> tone(wards.size(), 0);
    for (int i = 0; i < wards.size(); ++i) {
        QSet<int> taken;
        for (int j = 0; j < i; ++j) {
            if (sets[i].intersects(sets[j]))
                taken.insert(tone[j]);
        }
        int t = 0;
        while (taken.contains(t) && t + 1 < int(kWardTones.size()))
            ++t;
        tone[i] = t;
    }
    return tone;
}

void drawRiver(QPainter& p, const River& river)
{
    QPainterPath path;
    path.moveTo(toPixel(river.course.front()));
    for (std::size_t i = 1; i + 1 < river.course.size(); ++i) {
        const QPointF c = toPixel(river.course[i]);
        const QPointF next = toPixel(river.course[i + 1]);
        path.quadTo(c, (c + next) / 2);
    }
    path.lineTo(toPixel(river.course.back()));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(palette::waterLine, river.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(palette::water, river.width * 0.45, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void drawRiverLabel(QPainter& p, const River& river)
{
    const QString name = QString::fromUtf8(river.name);
    const QColor color(78, 110, 128);
    p.save();
    p.translate(toPixel(river.label));
    p.setFont(mincho(11));
    if (river.labelAngle == 90) {
        // written top to bottom, one character under the other
        for (int i = 0; i < name.size(); ++i)
            haloText(p, QRectF(-8, i * 12.0 - 8, 16, 16), Qt::AlignCenter, name.mid(i, 1), color, palette::white);
    } else {
        p.rotate(river.labelAngle);
        haloText(p, QRectF(-30, -8, 60, 16), Qt::AlignCenter, name, color, palette::white);
    }
    p.restore();
}

void drawWardLabel(QPainter& p, const wm::Ward& ward)
{
    const QPointF at = labelAnchor(ward) + kLabelNudges.value(ward.name);
    p.setFont(gothic(11));
    haloText(p, QRectF(at.x() - 30, at.y() - 8, 60, 16), Qt::AlignCenter, ward.name, palette::ink, palette::white);
}

} // namespace

void drawWardMap(QPainter& p, const QSizeF& size, const QList<wm::Ward>& wards)
{
    p.fillRect(QRectF(QPointF(0, 0), size), palette::land);
    QPolygonF bay;
    for (const wm::GeoPoint& g : kBay)
        bay << toPixel(g);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::water);
    p.drawPolygon(bay);

    const QList<int> tones = wardTones(wards);
    for (int i = 0; i < wards.size(); ++i) {
        p.setPen(QPen(palette::white, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(kWardTones[tones[i]]);
        p.drawPath(wardPath(wards[i]));
    }
    for (const River& river : kRivers)
        drawRiver(p, river);
    for (const wm::Ward& ward : wards)
        drawWardLabel(p, ward);
    for (const River& river : kRivers)
        drawRiverLabel(p, river);

    p.setFont(mincho(16));
    haloText(p, QRectF(330, 380, 90, 24), Qt::AlignCenter, QStringLiteral("東京湾"), QColor(78, 110, 128),
             palette::white);
    p.setFont(gothic(10));
    p.setPen(palette::inkSoft);
    p.drawText(QRectF(300, 4, 80, 14), Qt::AlignCenter, QStringLiteral("埼玉県"));
    p.drawText(QRectF(404, 250, 44, 14), Qt::AlignCenter, QStringLiteral("千葉県"));
    p.drawText(QRectF(4, 4, 60, 14), Qt::AlignLeft, QStringLiteral("↑ 北"));
}

} // namespace picturegen
