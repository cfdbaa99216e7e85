#include "SheetText.h"

#include <string_view>

namespace lumenta {

namespace {

// A sheet line: a grid row to copy, or (row 0) a thing whose price is
// included in the altar, with its fixed item and content texts.
struct SheetLine {
    int gridRow;
    std::string_view item;
    std::string_view content;
};

constexpr SheetLine kSheetLines[SheetText::kLines] = {
    {1, {}, {}}, {2, {}, {}}, {3, {}, {}}, {4, {}, {}}, {5, {}, {}}, {6, {}, {}}, {7, {}, {}}, {8, {}, {}}, {9, {}, {}},
    {0, "　宗教者用具", "　経机 大香炉 燭台 りん 木魚 木柾 曲録など"},
    {0, "　白木位牌", "　大中上"},
    {10, {}, {}}, {11, {}, {}}, {12, {}, {}}, {13, {}, {}},
    {0, "　装飾花額", "　祭壇遺影用"},
    {14, {}, {}},
    {0, "　供物", "　果物・砂糖菓子など"},
    {0, "　焼香机", "　無地"},
    {0, "　焼香具", "　喪家・親族・会葬客用"},
    {0, "　水引", "　無地"},
    {0, "　消耗品", "　お香 線香 蝋燭 各種紙類など"},
    {15, {}, {}}, {16, {}, {}},
    {0, "　設営撤去", "　設営と撤去、運搬の人件費"},
    {17, {}, {}}, {18, {}, {}}, {19, {}, {}}, {20, {}, {}}, {21, {}, {}}, {22, {}, {}}, {23, {}, {}},
};

constexpr std::string_view kIncludedInAltar = "祭壇に含む";

} // namespace

SheetText buildSheetText(const SummaryGrid& grid, const EstimateState& state)
{
    SheetText sheet;
    for (int n = 0; n < SheetText::kLines; ++n) {
        const SheetLine& line = kSheetLines[n];
        auto& fields = sheet.lines[n];
        if (line.gridRow > 0) {
            for (int column = 0; column < SummaryGrid::kColumns; ++column)
                fields[column] = grid.cell(column, line.gridRow);
        } else {
            fields = {std::string(line.item), std::string(line.content), "1", std::string(kIncludedInAltar),
                      std::string(kIncludedInAltar)};
        }
    }
    sheet.subtotal = formatYen(state.grossTotal);
    sheet.discount = formatYen(state.discountAmount);
    sheet.total = formatYen(state.grandTotal);
    sheet.version = "Ver. " + state.product.appVersion + "（" + state.product.appDate + "版Software）";
    return sheet;
}

} // namespace lumenta
