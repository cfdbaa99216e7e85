#pragma once

// The ward map of the hall step: how longitude and latitude become pixels of the
// 450 x 450 map picture (north up), and where the six hall radio buttons lie on it.
// The picture generator draws with these numbers and the tests check them, so
// the buttons always sit over the wards of their halls.

#include <array>

namespace lumenta::wardmap {

// An affine map with fixed parameters: x grows east, y grows south.
// The scales keep the ward shapes true at Tokyo's latitude (about 1 : cos 35.7°).
inline constexpr double kWestLongitude = 139.5692;  // x = 0
inline constexpr double kNorthLatitude = 35.8218;   // y = 0
inline constexpr double kPixelsPerDegreeLon = 1244.0;
inline constexpr double kPixelsPerDegreeLat = 1480.0;

inline constexpr int kMapSize = 450;  // the picture is kMapSize x kMapSize
inline constexpr int kMapInFrame = 3; // the picture stands at (3, 3) in its frame

struct GeoPoint {
    double lon;
    double lat;
};

struct MapPoint {
    double x;
    double y;
};

struct MapRect {
    double x;
    double y;
    double width;
    double height;
};

constexpr MapPoint toMap(GeoPoint g)
{
    return {(g.lon - kWestLongitude) * kPixelsPerDegreeLon, (kNorthLatitude - g.lat) * kPixelsPerDegreeLat};
}

constexpr GeoPoint toGeo(MapPoint p)
{
    return {kWestLongitude + p.x / kPixelsPerDegreeLon, kNorthLatitude - p.y / kPixelsPerDegreeLat};
}

// Which end of a radio button holds its round indicator.
enum class CircleEnd { Left, Right };

// A hall's radio button over the map; position and width in frame coordinates.
struct HallButton {
    const char* objectName;
    const char* hall;
    const char* ward;
    int x;
    int y;
    int width;
    CircleEnd circle;
};

inline constexpr int kButtonHeight = 17;
inline constexpr double kCircleDiameter = 13.0;
inline constexpr double kCircleInset = 2.0; // from the button's end to the circle

inline constexpr std::array<HallButton, 6> kHallButtons{{
    {"RBtnMap1", "堀ノ内斎場", "杉並区", 5, 169, 95, CircleEnd::Right},
    {"RBtnMap3", "落合斎場", "新宿区", 72, 149, 85, CircleEnd::Right},
    {"RBtnMap4", "町屋斎場", "荒川区", 186, 105, 90, CircleEnd::Right},
    {"RBtnMap5", "四ツ木斎場", "葛飾区", 350, 105, 100, CircleEnd::Left},
    {"RBtnMap2", "代々幡斎場", "渋谷区", 139, 217, 100, CircleEnd::Left},
    {"RBtnMap6", "桐ヶ谷斎場", "品川区", 193, 305, 102, CircleEnd::Left},
}};

// The hall information box of the map frame, which the picture keeps quiet.
inline constexpr MapRect kInfoBoxInFrame{10, 398, 152, 49};

constexpr MapRect frameToMap(MapRect r)
{
    return {r.x - kMapInFrame, r.y - kMapInFrame, r.width, r.height};
}

// The button's box in map picture coordinates.
constexpr MapRect buttonRect(const HallButton& b)
{
    return frameToMap({double(b.x), double(b.y), double(b.width), double(kButtonHeight)});
}

// Centre of the button's round indicator in map picture coordinates.
constexpr MapPoint circleCentre(const HallButton& b)
{
    const double radius = kCircleDiameter / 2;
    const double x = b.circle == CircleEnd::Left ? b.x + kCircleInset + radius
                                                 : b.x + b.width - kCircleInset - radius;
    return {x - kMapInFrame, b.y + kButtonHeight / 2.0 - kMapInFrame};
}

// The centre and the four extreme points of the indicator circle.
constexpr std::array<MapPoint, 5> circleOutline(const HallButton& b)
{
    const MapPoint c = circleCentre(b);
    const double r = kCircleDiameter / 2;
    return {{c, {c.x - r, c.y}, {c.x + r, c.y}, {c.x, c.y - r}, {c.x, c.y + r}}};
}

} // namespace lumenta::wardmap
