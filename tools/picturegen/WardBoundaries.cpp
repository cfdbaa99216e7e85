#include "WardBoundaries.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace lumenta::wardmap {

namespace {

std::optional<QPolygonF> readRing(const QJsonArray& positions)
{
    QPolygonF ring;
    for (const QJsonValue& v : positions) {
        const QJsonArray pos = v.toArray();
        if (pos.size() < 2 || !pos[0].isDouble() || !pos[1].isDouble())
            return std::nullopt;
        ring << QPointF(pos[0].toDouble(), pos[1].toDouble());
    }
    if (ring.size() < 4 || ring.first() != ring.last())
        return std::nullopt; // a linear ring has at least four positions and closes
    return ring;
}

std::optional<Ward> readWard(const QJsonObject& feature)
{
    const QJsonObject props = feature["properties"].toObject();
    const QJsonObject geometry = feature["geometry"].toObject();
    if (geometry["type"].toString() != QLatin1String("MultiPolygon"))
        return std::nullopt;
    Ward ward{props["code"].toString(), props["name"].toString(), {}};
    for (const QJsonValue& polygon : geometry["coordinates"].toArray()) {
        const QJsonArray rings = polygon.toArray();
        if (rings.isEmpty())
            return std::nullopt;
        const std::optional<QPolygonF> outer = readRing(rings[0].toArray());
        if (!outer)
            return std::nullopt;
        ward.parts << *outer;
    }
    if (ward.name.isEmpty() || ward.parts.isEmpty())
        return std::nullopt;
    return ward;
}

} // namespace

bool Ward::contains(QPointF lonLat) const
{
    for (const QPolygonF& part : parts) {
        if (part.containsPoint(lonLat, Qt::OddEvenFill))
            return true;
    }
    return false;
}

std::optional<QList<Ward>> loadWards(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("%1 is not JSON: %2").arg(path, parseError.errorString());
        return std::nullopt;
    }
    QList<Ward> wards;
    for (const QJsonValue& feature : doc.object()["features"].toArray()) {
        std::optional<Ward> ward = readWard(feature.toObject());
        if (!ward) {
            *error = QStringLiteral("%1: feature %2 is not a ward with a MultiPolygon").arg(path).arg(wards.size());
            return std::nullopt;
        }
        wards << *ward;
    }
    if (wards.isEmpty()) {
        *error = QStringLiteral("%1 holds no features").arg(path);
        return std::nullopt;
    }
    return wards;
}

const Ward* findWard(const QList<Ward>& wards, const QString& name)
{
    for (const Ward& w : wards) {
        if (w.name == name)
            return &w;
    }
    return nullptr;
}

} // namespace lumenta::wardmap
