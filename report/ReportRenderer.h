#pragma once

#include "ReportPage.h"

#include <QFont>
#include <QRectF>
#include <vector>

class QPainter;
class QPagedPaintDevice;
class QPaintDevice;

namespace lumenta::report {

// One drawing step of a laid-out page, in pixels of the device.
struct DrawStep {
    enum class Kind { Fill, Frame, Text };
    Kind kind = Kind::Fill;
    QRectF box;
    QColor colour;
    qreal penWidth = 0;  // Frame: the pen, centred on the box's edges (already inset)
    QFont font;          // Text
    int flags = 0;       // Text: alignment and wrapping
    QString text;
};

// Draws a report page at true millimetre scale on any paged device: a
// printer or a PDF file. Pens are counted in dots of the device, texts are
// drawn from the top of their label (the first baseline one font ascent
// below it) and every label paints its background first.
//
// Drawing goes in two stages: layout() measures every label on the device
// and turns the page into drawing steps without touching the device, and
// draw() replays them on an active painter. A print job is only opened once
// the page is laid out, so that it can still be abandoned until then.
class ReportRenderer {
public:
    // The resolution of PDF files: a pen dot is as wide as on a 600 dpi printer.
    static constexpr int kPdfResolution = 600;

    // Paper, portrait, no device margins: the painter's origin becomes the
    // paper's corner. False when the device refuses the layout.
    static bool preparePage(const ReportPage& page, QPagedPaintDevice& device);
    static std::vector<DrawStep> layout(const ReportPage& page, const QPaintDevice& device);
    static void draw(const std::vector<DrawStep>& steps, QPainter& painter);
    // layout() and draw() on an active painter of a prepared device.
    static void paint(const ReportPage& page, QPainter& painter);

    // The font a label asks for, drawn by the installed face that stands in for it.
    static QFont fontFor(const LabelStyle& style);
    // Where a label's box lies on the band, in millimetres, once its text is
    // measured on the device (auto-width labels take their text's width).
    static QRectF labelBox(const ReportElement& label, const QPaintDevice& device);
};

} // namespace lumenta::report
