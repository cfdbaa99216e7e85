#pragma once

// Small drawing helpers shared by the pictures.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <cstdint>

namespace picturegen {

QFont gothic(int pixelSize, bool bold = false);
QFont mincho(int pixelSize);

// Fills a rectangle with a top-to-bottom gradient.
void fillVertical(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom);

// Text with a soft light rim, readable over any background.
void haloText(QPainter& p, const QRectF& r, int flags, const QString& text, const QColor& color,
              const QColor& halo);

// A soft shadow under an object standing on the ground.
void groundShadow(QPainter& p, const QRectF& r);

// A rounded box with a light top and a slightly darker bottom, and a fine outline.
void softBox(QPainter& p, const QRectF& r, qreal radius, const QColor& base);

// Flowers and leaves, drawn around their centre.
void chrysanthemum(QPainter& p, QPointF c, qreal r, const QColor& petal);
void bloom(QPainter& p, QPointF c, qreal r, const QColor& petal, int petals);
void lily(QPainter& p, QPointF c, qreal r, qreal angleDeg, const QColor& petal);
void leafAt(QPainter& p, QPointF base, qreal length, qreal angleDeg, const QColor& color);

// A small tree of rounded crowns.
void tree(QPainter& p, QPointF foot, qreal height, const QColor& crown);

// Deterministic scatter for arrangements: the same numbers on every run and platform.
class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : state_(seed) {}
    qreal next(); // in [0, 1)
    qreal between(qreal lo, qreal hi) { return lo + (hi - lo) * next(); }

private:
    std::uint32_t state_;
};

} // namespace picturegen

namespace picturegen {

// The quiet backdrop of the option pictures: a wall fading into a floor at floorY.
void studioBackground(QPainter& p, const QSizeF& size, qreal floorY);

} // namespace picturegen
