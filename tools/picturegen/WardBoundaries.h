#pragma once

// The boundaries of Tokyo's 23 wards, read from a GeoJSON FeatureCollection with
// one MultiPolygon per ward (longitude, latitude in degrees; no holes).

#include <QList>
#include <QPolygonF>
#include <QString>

#include <optional>

namespace lumenta::wardmap {

struct Ward {
    QString code;
    QString name;
    QList<QPolygonF> parts; // outer rings, x = longitude, y = latitude

    bool contains(QPointF lonLat) const;
};

// Reads the wards in file order; on failure returns nothing and says why in *error.
std::optional<QList<Ward>> loadWards(const QString& path, QString* error);

const Ward* findWard(const QList<Ward>& wards, const QString& name);

} // namespace lumenta::wardmap
