#include "ReportRenderer.h"

#include "JapaneseFonts.h"
#include "PdfDocument.h"
#include "PdfFile.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>

namespace lumenta::report {

namespace {

constexpr qreal kMmPerInch = 25.4;

qreal dotsPerMmX(const QPaintDevice& device)
{
    return device.logicalDpiX() / kMmPerInch;
}

qreal dotsPerMmY(const QPaintDevice& device)
{
    return device.logicalDpiY() / kMmPerInch;
}

// Millimetres on the band to pixels of the device.
class DeviceScale {
public:
    DeviceScale(const ReportPage& page, const QPaintDevice& device)
        : x_(dotsPerMmX(device)), y_(dotsPerMmY(device)), band_(page.margins().left(), page.margins().top())
    {
    }

    QRectF toDevice(const QRectF& mm) const
    {
        return QRectF((mm.left() + band_.x()) * x_, (mm.top() + band_.y()) * y_, mm.width() * x_,
                      mm.height() * y_);
    }

private:
    qreal x_;
    qreal y_;
    QPointF band_;
};

void layOutRectangle(std::vector<DrawStep>& steps, const QRectF& box, const RectangleStyle& style)
{
    if (style.fill)
        steps.push_back({DrawStep::Kind::Fill, box, *style.fill, 0, {}, 0, {}});
    const qreal pen = style.penDots;
    const qreal inset = pen / 2;
    steps.push_back(
        {DrawStep::Kind::Frame, box.adjusted(inset, inset, -inset, -inset), Qt::black, pen, {}, 0, {}});
}

int textFlags(const LabelStyle& style)
{
    int flags = int(style.alignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop;
    if (style.sizing == Sizing::Fixed)
        flags |= Qt::TextWordWrap;
    else
        flags |= Qt::TextDontClip | Qt::TextSingleLine;
    return flags;
}

// A fixed label one line high would lose the end of a slightly too long
// text to the wrap: such a line is narrowed to fit instead, down to this
// share of its natural width. Longer texts wrap and are cut at the bottom.
constexpr int kNarrowestStretch = 85;

QFont fittedFont(const ReportElement& label, const QRectF& box, const QPaintDevice& device)
{
    QFont font = ReportRenderer::fontFor(label.label);
    if (label.label.sizing != Sizing::Fixed)
        return font;
    const QFontMetricsF metrics(font, &device);
    const qreal width = metrics.horizontalAdvance(label.text);
    const bool oneLine = box.height() < 2 * metrics.lineSpacing();
    if (!oneLine || width <= box.width())
        return font;
    const int stretch = int(std::floor(100 * box.width() / width));
    if (stretch >= kNarrowestStretch)
        font.setStretch(stretch);
    return font;
}

void layOutLabel(std::vector<DrawStep>& steps, const QRectF& box, const ReportElement& label,
                 const QPaintDevice& device)
{
    steps.push_back({DrawStep::Kind::Fill, box, label.label.background, 0, {}, 0, {}});
    steps.push_back({DrawStep::Kind::Text, box, Qt::black, 0, fittedFont(label, box, device),
                     textFlags(label.label), label.text});
}

void drawStep(QPainter& painter, const DrawStep& step)
{
    switch (step.kind) {
    case DrawStep::Kind::Fill:
        painter.fillRect(step.box, step.colour);
        break;
    case DrawStep::Kind::Frame:
        painter.setPen(QPen(step.colour, step.penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(step.box);
        break;
    case DrawStep::Kind::Text:
        // A fixed label's text never leaves its box.
        painter.save();
        if (!(step.flags & Qt::TextDontClip))
            painter.setClipRect(step.box, Qt::IntersectClip);
        painter.setFont(step.font);
        painter.setPen(step.colour);
        painter.drawText(step.box, step.flags, step.text);
        painter.restore();
        break;
    }
}

} // namespace

bool ReportRenderer::preparePage(const ReportPage& page, QPagedPaintDevice& device)
{
    return device.setPageLayout(page.pageLayout());
}

QFont ReportRenderer::fontFor(const LabelStyle& style)
{
    QFont font(style.face.family);
    font.setFamilies(japanese_fonts::families(style.face.family));
    font.setPointSizeF(style.pointSize);
    font.setUnderline(style.underline);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

QRectF ReportRenderer::labelBox(const ReportElement& label, const QPaintDevice& device)
{
    QRectF box = label.geometry;
    const QFontMetricsF metrics(fontFor(label.label), &device);
    if (label.label.sizing == Sizing::AutoWidth)
        box.setWidth(metrics.horizontalAdvance(label.text) / dotsPerMmX(device));
    if (box.height() <= 0)
        box.setHeight(metrics.height() / dotsPerMmY(device));
    return box;
}

std::vector<DrawStep> ReportRenderer::layout(const ReportPage& page, const QPaintDevice& device)
{
    const DeviceScale scale(page, device);
    std::vector<DrawStep> steps;
    steps.push_back(
        {DrawStep::Kind::Fill, scale.toDevice(QRectF(QPointF(0, 0), page.bandSize())), page.bandColor(), 0, {}, 0, {}});
    for (const ReportElement& element : page.elements()) {
        if (element.isLabel())
            layOutLabel(steps, scale.toDevice(labelBox(element, device)), element, device);
        else
            layOutRectangle(steps, scale.toDevice(element.geometry), element.rectangle);
    }
    return steps;
}

void ReportRenderer::draw(const std::vector<DrawStep>& steps, QPainter& painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const DrawStep& step : steps)
        drawStep(painter, step);
    painter.restore();
}

void ReportRenderer::paint(const ReportPage& page, QPainter& painter)
{
    draw(layout(page, *painter.device()), painter);
}

bool ReportRenderer::writePdf(const ReportPage& page, const QString& path)
{
    const QByteArray pdf = pdfDocument(page, {{}, {}, {}, QStringLiteral("Lumenta"), {}});
    return !pdf.isEmpty() && savePdfFile(path, pdf).isEmpty();
}

} // namespace lumenta::report
