#pragma once

// Vehicles drawn into a box whose width is about twice its height.

#include <QPainter>
#include <QRectF>

namespace picturegen {

void estateHearse(QPainter& p, const QRectF& box);
void templeHearse(QPainter& p, const QRectF& box);
void coffinTrolley(QPainter& p, const QRectF& box);

} // namespace picturegen
