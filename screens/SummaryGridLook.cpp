#include "SummaryGridLook.h"

#include "StrCGrid.h"

#include <array>

namespace {

constexpr std::array kColumnWidths = {85, 208, 36, 70, 72};

struct ParamRow {
    const char* name;
    int col, colMax, row, rowMax;
    const char* caption;
    Qt::AlignmentFlag alignment;
    bool grey;
};

// Later entries win where several cover a cell.
constexpr ParamRow kParams[] = {
    {"パラメータ1", 0, 0, 0, 0, "項　　目", Qt::AlignHCenter, false},
    {"パラメータ2", 1, 1, 0, 0, "内　　容", Qt::AlignHCenter, false},
    {"パラメータ3", 2, 2, 0, 0, "数量", Qt::AlignHCenter, false},
    {"パラメータ4", 3, 3, 0, 0, "単　価", Qt::AlignHCenter, false},
    {"パラメータ5", 4, 4, 0, 0, "金　額", Qt::AlignHCenter, false},
    {"パラメータ6", 2, 2, 1, 99, "", Qt::AlignHCenter, false},
    {"パラメータ7", 3, 3, 1, 30, "", Qt::AlignRight, false},
    {"パラメータ8", 4, 4, 1, 30, "", Qt::AlignRight, false},
    {"パラメータ9", 0, 4, 24, 24, "", Qt::AlignLeft, true},
    {"パラメータ10", 0, 4, 25, 25, "", Qt::AlignLeft, true},
    {"パラメータ11", 3, 4, 24, 24, "", Qt::AlignRight, true},
    {"パラメータ12", 3, 4, 25, 25, "", Qt::AlignRight, true},
};

const QColor kSubtotalGrey(227, 227, 227);

TSCGCellParam makeParam(const ParamRow& r)
{
    TSCGCellParam p;
    p.name = QString::fromUtf8(r.name);
    p.col = r.col;
    p.colMax = r.colMax;
    p.row = r.row;
    p.rowMax = r.rowMax;
    // Only the caption cells stand alone; the others cover ranges.
    p.rangeEnabled = r.col != r.colMax || r.row != r.rowMax;
    p.caption = QString::fromUtf8(r.caption);
    p.captionType = TSCGCellParam::ctCellText;
    p.alignment = r.alignment;
    p.layout = TSCGCellParam::tlCenter;
    p.cellColorEnabled = r.grey;
    if (r.grey)
        p.cellColor = kSubtotalGrey;
    p.fontColor = QColor(Qt::black);
    p.fontColorEnabled = false;
    p.fontWidth = 1;
    return p;
}

} // namespace

void setUpSummaryGrid(TStrColGrid& grid)
{
    for (int c = 0; c < int(kColumnWidths.size()); ++c)
        grid.setColumnWidth(c, kColumnWidths[c]);
    // Every line's text on one centre line, also in the cells no parameter covers.
    grid.setLayout(TSCGCellParam::tlCenter);
    grid.setFixedLayout(TSCGCellParam::tlCenter);
    QList<TSCGCellParam>& params = grid.cellParams();
    params.clear();
    for (const ParamRow& r : kParams)
        params.append(makeParam(r));
    grid.update();
}
