#include "ClassicColors.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <map>

namespace classic {

void drawEdge(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    drawPixelLine(p, r.left(), r.top(), r.right(), r.top(), topLeft);
    drawPixelLine(p, r.left(), r.top(), r.left(), r.bottom(), topLeft);
    drawPixelLine(p, r.left(), r.bottom(), r.right(), r.bottom(), bottomRight);
    drawPixelLine(p, r.right(), r.top(), r.right(), r.bottom(), bottomRight);
}

void drawPixelLine(QPainter& p, int x1, int y1, int x2, int y2, const QColor& colour)
{
    p.fillRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))), colour);
}

namespace {

// The pixels of an image that are not transparent, as rectangles: one for
// each run of them in a row, and the runs of one column of pixels after
// another made one.
std::vector<QRect> opaqueRuns(const QImage& image)
{
    std::vector<QRect> rects;
    std::map<std::pair<int, int>, std::size_t> open; // by left and width: the run reaching furthest down
    const auto add = [&](int left, int right, int y) {
        const auto key = std::make_pair(left, right - left);
        const auto above = open.find(key);
        if (above != open.end() && rects[above->second].bottom() + 1 == y) {
            rects[above->second].setBottom(y);
            return;
        }
        open[key] = rects.size();
        rects.emplace_back(left, y, right - left, 1);
    };
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        // Premultiplied: a transparent pixel is 0.
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width;) {
            if (line[x] == 0) {
                ++x;
                continue;
            }
            const int left = x;
            while (x < width && line[x] != 0)
                ++x;
            add(left, x, y);
        }
    }
    return rects;
}

} // namespace

StrokedPixels strokedPixels(QSize area, const std::function<void(QPainter&)>& stroke)
{
    QImage pixels(area, QImage::Format_ARGB32_Premultiplied);
    pixels.fill(Qt::transparent);
    QPainter onPixels(&pixels);
    stroke(onPixels);
    const QColor colour = onPixels.pen().color();
    onPixels.end();
    return {opaqueRuns(pixels), colour};
}

void fillPixels(QPainter& p, const StrokedPixels& stroked)
{
    for (const QRect& r : stroked.rects)
        p.fillRect(r, stroked.colour);
}

} // namespace classic
