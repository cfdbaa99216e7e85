#pragma once

#include <QColor>
#include <QRect>
#include <QSize>

#include <cmath>
#include <functional>
#include <vector>

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

// The whole screen pixels that cover a length or size in logical pixels at a
// device pixel ratio, none left bare (a rounding error of the ratio does not
// add a pixel).
inline int screenPixels(int logical, qreal ratio) { return int(std::ceil(logical * ratio - 1e-6)); }
inline QSize screenPixels(QSize logical, qreal ratio)
{
    return {screenPixels(logical.width(), ratio), screenPixels(logical.height(), ratio)};
}

// A horizontal or vertical line one pixel thick from (x1, y1) to (x2, y2),
// both ends included, in logical pixels. It is filled as the rectangle of
// logical pixels it covers rather than stroked: on a screen with a device
// pixel ratio of 1.25, 1.5 or 2 a stroked line is centred on the edge
// between two pixels and comes out thinner, smeared or a pixel off its
// place, while the filled one covers exactly the screen pixels of its
// logical pixels, meeting the fills beside it without gap or overlap. At a
// ratio of 1 both draw the same pixels.
void drawPixelLine(QPainter& p, int x1, int y1, int x2, int y2, const QColor& colour);

// The logical pixels that an unsmoothed, opaque stroke touches in an area of
// the given size, as few rectangles, and the stroke's colour: an outline that
// is not made of straight lines (a rounded frame, a dotted focus frame) as
// whole logical pixels. The stroke sets its own pen and draws in the logical
// coordinates of the area.
struct StrokedPixels {
    std::vector<QRect> rects;
    QColor colour;
};
StrokedPixels strokedPixels(QSize area, const std::function<void(QPainter&)>& stroke);

// Fills the stroked pixels in the stroke's colour: at a device pixel ratio of
// 1 the very pixels the stroke draws; at any other ratio the outline has the
// same shape and thickness as at 1, only larger, and no edge of it falls
// between screen pixels.
void fillPixels(QPainter& p, const StrokedPixels& stroked);

} // namespace classic
