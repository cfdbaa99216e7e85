#include "SheetText.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace lumenta {

namespace {

// A sheet line: a grid line to copy, or a thing whose price is included in
// the altar, with its fixed item and content texts.
struct SheetLine {
    std::optional<Line> gridLine;
    std::string_view item = {};
    std::string_view content = {};
};

constexpr auto kSheetLines = std::to_array<SheetLine>({
    {Line::cremation}, {Line::storage}, {Line::urn}, {Line::hall}, {Line::gratuities}, {Line::transport},
    {Line::hearse}, {Line::altar}, {Line::flowers},
    {{}, "　宗教者用具", "　経机 大香炉 燭台 りん 木魚 木柾 曲録など"},
    {{}, "　白木位牌", "　大中上"},
    {Line::coffin}, {Line::dryIce}, {Line::makeup}, {Line::portrait},
    {{}, "　装飾花額", "　祭壇遺影用"},
    {Line::afterAltar},
    {{}, "　供物", "　果物・砂糖菓子など"},
    {{}, "　焼香机", "　無地"},
    {{}, "　焼香具", "　喪家・親族・会葬客用"},
    {{}, "　水引", "　無地"},
    {{}, "　消耗品", "　お香 線香 蝋燭 各種紙類など"},
    {Line::procedures}, {Line::ceremonies},
    {{}, "　設営撤去", "　設営と撤去、運搬の人件費"},
    {Line::reception}, {Line::letters}, {Line::wakeFood}, {Line::ceremonyFood}, {Line::drinks}, {Line::serving},
    {Line::returnGifts},
});
static_assert(kSheetLines.size() == SheetText::kLines);
static_assert(std::count_if(kSheetLines.begin(), kSheetLines.end(), [](const SheetLine& l) { return l.gridLine; }) ==
              SummaryGrid::kEstimateLines, "every estimate line of the grid is printed");

constexpr std::string_view kIncludedInAltar = "祭壇に含む";

} // namespace

SheetText buildSheetText(const SummaryGrid& grid, const EstimateState& state)
{
    SheetText sheet;
    for (int n = 0; n < SheetText::kLines; ++n) {
        const SheetLine& line = kSheetLines[n];
        auto& fields = sheet.lines[n];
        if (line.gridLine) {
            for (int column = 0; column < SummaryGrid::kColumns; ++column)
                fields[column] = grid.cell(column, *line.gridLine);
        } else {
            fields = {std::string(line.item), std::string(line.content), "1", std::string(kIncludedInAltar),
                      std::string(kIncludedInAltar)};
        }
    }
    sheet.subtotal = formatYen(state.grossTotal);
    sheet.discount = formatYen(state.discountAmount);
    sheet.total = formatYen(state.grandTotal);
    sheet.version = "Ver. " + state.product.appVersion + "（" + state.product.appDate + "版Software）";
    sheet.hall = grid.cell(SummaryGrid::Content, int(Line::hall));
    if (sheet.hall.starts_with(kSpace))
        sheet.hall.erase(0, kSpace.size());
    return sheet;
}

} // namespace lumenta
