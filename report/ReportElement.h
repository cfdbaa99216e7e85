#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <optional>

namespace lumenta::report {

// A face to ask for; the renderer draws it with the first installed face
// that stands in for it (JapaneseFonts.h), registered substitutes or not.
struct FontFace {
    QString family;
};

// How a label's box follows its text.
enum class Sizing {
    Fixed,      // the box never changes; text wraps at word boundaries and is clipped to it
    AutoWidth,  // one line; the box grows to the right from its left edge
};

// A rectangle's black pen lies entirely within the rectangle, so that its
// outer edge is where the geometry says at any resolution.
struct RectangleStyle {
    int penDots = 1;                  // pen width in dots of the output device
    std::optional<QColor> fill;       // no value: not filled
};

struct LabelStyle {
    FontFace face;
    qreal pointSize = 11;
    bool underline = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    QColor background = Qt::white;    // labels are always opaque
    Sizing sizing = Sizing::Fixed;
};

// One positioned element of a report page: a rectangle or a text label.
// Geometry is in millimetres from the band's top-left corner. An auto-width
// label's width is ignored, and a zero height means one line of its font.
struct ReportElement {
    enum class Kind { Rectangle, Label };

    QString name;
    Kind kind = Kind::Label;
    QRectF geometry;
    RectangleStyle rectangle;
    LabelStyle label;
    QString text;

    bool isLabel() const { return kind == Kind::Label; }
};

} // namespace lumenta::report
