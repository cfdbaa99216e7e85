#include "EstimateSheet.h"

#include "PriceTables.h"
#include "SheetText.h"

#include <array>

namespace lumenta::report::estimate_sheet {

const Column kTableColumns[kColumns] = {
    {"項　　　目", 8.00, 29.00, 8.73, 26.46, Qt::AlignLeft, 8.82, 26.99},
    {"内　　　　　　容", 37.00, 74.00, 38.30, 72.00, Qt::AlignLeft, 38.81, 71.44},
    {"数 量", 111.00, 16.00, 114.56, 8.73, Qt::AlignHCenter, 111.83, 13.93},
    {"単　　価", 127.00, 23.00, 128.50, 20.00, Qt::AlignRight, 128.41, 20.28},
    {"金　　額", 150.20, 30.00, 151.61, 27.00, Qt::AlignRight, 151.34, 27.69},
};

static_assert(kFilledLines == SheetText::kLines);

namespace {

const QColor kGrey(227, 227, 227);
const QColor kWhite(255, 255, 255);

constexpr double kHeadingLabelTop = 19.76;
constexpr double kHeadingLabelHeight = 4.59;
constexpr int kAmountColumn = 4;

const FontFace kGothicFace{kGothic};
const FontFace kMinchoFace{kMincho};

ReportElement rectangle(const QString& name, QRectF mm, int penDots, std::optional<QColor> fill)
{
    ReportElement element;
    element.name = name;
    element.kind = ReportElement::Kind::Rectangle;
    element.geometry = mm;
    element.rectangle = {penDots, fill};
    return element;
}

// A label of the sheet; auto-width labels are one line of their font high.
struct LabelRow {
    QString name;
    QString text;
    double left;
    double top;
    double width;      // 0 for auto-width labels
    double height;     // 0 for one line of the font
    bool mincho;
    double points;
    Qt::Alignment alignment;
    bool grey;
    bool underline;
};

ReportElement label(const LabelRow& row)
{
    ReportElement element;
    element.name = row.name;
    element.kind = ReportElement::Kind::Label;
    element.geometry = QRectF(row.left, row.top, row.width, row.height);
    element.text = row.text;
    element.label.face = row.mincho ? kMinchoFace : kGothicFace;
    element.label.pointSize = row.points;
    element.label.underline = row.underline;
    element.label.alignment = row.alignment;
    element.label.background = row.grey ? kGrey : kWhite;
    element.label.sizing = row.width > 0 ? Sizing::Fixed : Sizing::AutoWidth;
    return element;
}

// A row of ruled cells: the five columns, or with the item and content
// columns joined into one cell.
struct TableRow {
    QString tag;
    double top;
    double height;
    QColor fill;
    bool joined;
};

std::vector<TableRow> tableRows()
{
    std::vector<TableRow> rows{{QStringLiteral("Heading"), kHeadingTop, kHeadingHeight, kGrey, false}};
    for (int line = 1; line <= kRuledLines; ++line)
        rows.push_back({QStringLiteral("Line%1").arg(line, 2, 10, QLatin1Char('0')), lineTop(line), kLineHeight,
                        kWhite, false});
    rows.push_back({QStringLiteral("Subtotal"), kSubtotalTop, kLineHeight, kGrey, false});
    rows.push_back({QStringLiteral("Discount"), kDiscountTop, kLineHeight, kGrey, true});
    rows.push_back({QStringLiteral("Total"), kTotalTop, kLineHeight, kGrey, true});
    return rows;
}

QString cellName(const TableRow& row, int column)
{
    return QStringLiteral("Cell%1_%2").arg(row.tag).arg(column);
}

// The subtotal row's content cell touches the item/content rule and is
// drawn after the rules.
bool drawnAfterRules(const TableRow& row, int column)
{
    return row.top == kSubtotalTop && column == 1;
}

void addCells(ReportPage& page, bool afterRules)
{
    for (const TableRow& row : tableRows()) {
        for (int column = row.joined ? 1 : 0; column < kColumns; ++column) {
            if (drawnAfterRules(row, column) != afterRules)
                continue;
            const Column& c = kTableColumns[column];
            double left = c.cellLeft;
            double width = c.cellWidth;
            if (row.joined && column == 1) {
                left = kTableColumns[0].cellLeft;
                width = kJoinedCellRight - left;
            }
            page.add(rectangle(cellName(row, column), QRectF(left, row.top, width, row.height), 1, row.fill));
        }
    }
}

void addHeavyRules(ReportPage& page)
{
    page.add(rectangle(QStringLiteral("QRShape190"), QRectF(8.00, 25.70, 172.00, 0.30), 3, kWhite));
    page.add(rectangle(QStringLiteral("QRShape191"), QRectF(36.70, 18.00, 0.30, 218.00), 3, kWhite));
    page.add(rectangle(QStringLiteral("QRShape192"), QRectF(8.00, 241.70, 171.98, 0.30), 3, kWhite));
}

void addHeadings(ReportPage& page)
{
    for (int column = 0; column < kColumns; ++column) {
        const Column& c = kTableColumns[column];
        page.add(label({QStringLiteral("QRLabel%1").arg(column + 1), QString::fromUtf8(c.heading), c.headingLeft, kHeadingLabelTop, c.headingWidth,
                        kHeadingLabelHeight, false, 12, Qt::AlignHCenter, true, false}));
    }
}

void addLineFields(ReportPage& page)
{
    for (int line = 1; line <= kFilledLines; ++line) {
        for (int column = 0; column < kColumns; ++column) {
            const Column& c = kTableColumns[column];
            const QString name = lineFieldName(column, line);
            page.add(label({name, name, c.textLeft, lineTop(line) + kFieldInset,
                            c.textWidth, kFieldHeight, false, 11, c.alignment, false, false}));
        }
    }
}

void addTotalRows(ReportPage& page)
{
    const Column& item = kTableColumns[0];
    const Column& amount = kTableColumns[kAmountColumn];
    const LabelRow rows[] = {
        {"QRLabel8", "　小　　　計", item.textLeft, 230.98, item.textWidth, kFieldHeight, false, 11, Qt::AlignLeft,
         true, false},
        {"QRLblShokei", "QRLblShokei", amount.textLeft, 230.98, amount.textWidth, kFieldHeight, false, 11,
         Qt::AlignRight, true, false},
        {"QRLabel9", QStringLiteral("　総額より%1％引き").arg(prices::kDiscountPercent), 8.82, 237.07, 0, 0, false, 11, Qt::AlignLeft, true, false},
        {"QRLabel10", "（事前申込み済みでお支払いが現金の場合）", 40.57, 237.42, 0, 0, false, 10, Qt::AlignLeft,
         true, false},
        {"QRLblNebiki", "QRLblNebiki", amount.textLeft, 237.07, amount.textWidth, kFieldHeight, false, 11,
         Qt::AlignRight, true, false},
        {"QRLabel11", "　合　　計", 8.82, 243.06, 0, 0, false, 12, Qt::AlignLeft, true, false},
        {"QRLblGokei", "QRLblGokei", amount.textLeft, 242.89, amount.textWidth, kFieldHeight, false, 11,
         Qt::AlignRight, true, false},
    };
    for (const LabelRow& row : rows)
        page.add(label(row));
}

void addHeaderAndFooter(ReportPage& page)
{
    const LabelRow rows[] = {
        {"QRLabel6", "お客様制作見積り例", 4.76, 6.35, 0, 0, false, 16, Qt::AlignLeft, false, false},
        {"QRLblNow", "平成99年12月31日", 146.40, 7.06, 0, 0, true, 11, Qt::AlignLeft, false, false},
        {"QRLabel7", "No.　　　　　　　　　　", 146.93, 12.35, 0, 0, true, 11, Qt::AlignLeft, false, true},
        {"QRLabel15", "Memo:", 10.58, 250.65, 0, 0, true, 10, Qt::AlignLeft, false, false},
        {"QRLblReNew", "QRLblReNew", 9.88, 263.00, 87.67, 3.53, true, 8, Qt::AlignRight, false, false},
        {"QRLabel12", "家族葬のヴェルモラ", 103.19, 251.53, 0, 0, false, 17, Qt::AlignLeft, false, false},
        {"QRLabel13", "https://vermora.example/", 106.19, 257.53, 0, 0, true, 11, Qt::AlignLeft, false, false},
        {"QRLabel14", "TEL: 03-0000-0000 ／ FAX: 03-0000-0001", 106.19, 261.94, 0, 0, true, 11, Qt::AlignLeft,
         false, false},
    };
    for (const LabelRow& row : rows)
        page.add(label(row));
}

} // namespace

QString lineFieldName(int column, int line)
{
    return QStringLiteral("QRLabel%1%2").arg(column).arg(line, 2, 10, QLatin1Char('0'));
}

double lineTop(int line)
{
    return kFirstLineTop + kLineHeight * (line - 1);
}

ReportPage build()
{
    ReportPage page(QPageSize(QPageSize::A4), QMarginsF(10, 10, 10, 10), QSizeF(190.15, 278.69), kWhite);
    page.add(rectangle(QStringLiteral("QRShape189"), QRectF(7.58, 17.50, 173.10, 230.90), 10, std::nullopt));
    addCells(page, false);
    addHeavyRules(page);
    addCells(page, true);
    page.add(rectangle(QStringLiteral("QRShape188"), QRectF(8.00, 249.77, 91.02, 17.29), 2, kWhite));
    addHeadings(page);
    addLineFields(page);
    addTotalRows(page);
    addHeaderAndFooter(page);
    return page;
}

} // namespace lumenta::report::estimate_sheet
