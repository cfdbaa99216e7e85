#pragma once

#include "JapaneseFonts.h"
#include "ReportPage.h"

#include <QString>

namespace lumenta::report {

// The printed estimate: one A4 portrait page with the title, the date, the
// ruled table of 34 lines under five headings, the subtotal, discount and
// total rows, the memo box and the brand block.
namespace estimate_sheet {

inline constexpr int kColumns = 5;        // item, content, quantity, unit price, amount
inline constexpr int kFilledLines = 32;   // lines 33 and 34 stay empty
inline constexpr int kRuledLines = 34;

struct Column {
    const char* heading;
    double cellLeft;
    double cellWidth;
    double textLeft;
    double textWidth;
    Qt::Alignment alignment;
    double headingLeft;
    double headingWidth;
};
extern const Column kTableColumns[kColumns];

inline constexpr double kHeadingTop = 18.00;
inline constexpr double kHeadingHeight = 7.94;
inline constexpr double kFirstLineTop = 26.00;
inline constexpr double kLineHeight = 6.00;
inline constexpr double kFieldInset = 1.00;     // a line field's top below its cells' top
inline constexpr double kFieldHeight = 4.23;
inline constexpr double kSubtotalTop = 230.00;
inline constexpr double kDiscountTop = 236.00;
inline constexpr double kTotalTop = 242.00;
inline constexpr double kJoinedCellRight = 111.01;  // item and content joined in the last two rows

inline const QString kGothic = japanese_fonts::kGothic;
inline const QString kMincho = japanese_fonts::kMincho;

inline const QString kDateField = QStringLiteral("QRLblNow");
inline const QString kVersionField = QStringLiteral("QRLblReNew");
inline const QString kSubtotalField = QStringLiteral("QRLblShokei");
inline const QString kDiscountField = QStringLiteral("QRLblNebiki");
inline const QString kTotalField = QStringLiteral("QRLblGokei");

// "QRLabel" + column digit + two-digit line: lineFieldName(1, 7) is "QRLabel107".
QString lineFieldName(int column, int line);
// Top of sheet line n (1-34) in millimetres from the band's top.
double lineTop(int line);

// The whole sheet, every element in drawing order, the fields holding
// their placeholders.
ReportPage build();

} // namespace estimate_sheet

} // namespace lumenta::report
