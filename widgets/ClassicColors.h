#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// The fixed edge colours of the classic three-dimensional look, shared by
// the panels, the buttons and the grid.
namespace classic {

inline QColor highlightEdge() { return {255, 255, 255}; }
inline QColor shadow() { return {128, 128, 128}; }
inline QColor darkShadow() { return {64, 64, 64}; }
inline QColor lightEdge() { return {223, 223, 223}; }

// A one-pixel edge along the inside of r: one colour on the top and left,
// the other on the bottom and right.
void drawEdge(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight);

} // namespace classic
