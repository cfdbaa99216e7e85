#pragma once

// The articles that stand on an altar, shared by the altar pictures.

#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace picturegen {

// A portrait frame with mourning ribbons at its upper corners and a quiet pale picture.
void portraitFrame(QPainter& p, const QRectF& r);

// A white candle on a brass holder, standing on base.
void candle(QPainter& p, QPointF base, qreal height);

// An incense burner on base.
void incenseBurner(QPainter& p, QPointF base, qreal width);

// A small vase of white and pale flowers on base.
void vaseOfFlowers(QPainter& p, QPointF base, qreal height);

// A white cloth-covered step of an altar.
void whiteStep(QPainter& p, const QRectF& r);

} // namespace picturegen
