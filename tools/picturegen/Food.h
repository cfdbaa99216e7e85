#pragma once

// Small foods, drawn seen from above at a slight angle, shared by the meal pictures.

#include <QPainter>
#include <QRectF>

#include <cstdint>

namespace picturegen {

void sushiRolls(QPainter& p, const QRectF& area, std::uint32_t seed);
void tempura(QPainter& p, const QRectF& area, std::uint32_t seed);
void simmered(QPainter& p, const QRectF& area, std::uint32_t seed);
void rice(QPainter& p, const QRectF& area);
void sashimi(QPainter& p, const QRectF& area);
void omelette(QPainter& p, const QRectF& area);

} // namespace picturegen
