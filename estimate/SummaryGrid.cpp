#include "SummaryGrid.h"

#include <stdexcept>

namespace lumenta {

namespace {

constexpr auto kLineLabels = std::to_array<std::string_view>({
    "　火葬料金", "　保管料金", "　容器料金", "　式場料金", "　心付け",
    "　寝台車", "　霊柩車", "　祭　壇", "　生　花", "　御　棺",
    "　ﾄﾞﾗｲｱｲｽ", "　死化粧", "　遺影写真", "　後飾り", "　役所手続き",
    "　司会進行", "　受付設備", "　会葬礼状", "　通夜料理", "　告別式料理",
    "　飲み物", "　配　膳", "　返礼品",
});
static_assert(kLineLabels.size() == SummaryGrid::kEstimateLines);

void check(int column, int row)
{
    if (column < 0 || column >= SummaryGrid::kColumns || row < 0 || row >= SummaryGrid::kRows)
        throw std::out_of_range("summary grid cell out of range");
}

} // namespace

const std::string& SummaryGrid::cell(int column, int row) const
{
    check(column, row);
    return cells_[row][column];
}

void SummaryGrid::setCell(int column, int row, std::string_view text)
{
    check(column, row);
    cells_[row][column] = text;
}

std::string_view SummaryGrid::lineLabel(int row)
{
    if (row < 1 || row > kEstimateLines)
        throw std::out_of_range("no such estimate line");
    return kLineLabels[row - 1];
}

} // namespace lumenta
