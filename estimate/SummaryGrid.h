#pragma once

#include <array>
#include <string>
#include <string_view>

namespace lumenta {

// Grid contents begin with an ideographic space.
inline constexpr std::string_view kSpace = "　";

// The summary grid's lines, by the row that holds them: the 23 estimate
// lines, then the two subtotals.
enum class Line : int {
    cremation = 1, storage, urn, hall, gratuities, transport, hearse, altar, flowers, coffin, dryIce, makeup,
    portrait, afterAltar, procedures, ceremonies, reception, letters, wakeFood, ceremonyFood, drinks, serving,
    returnGifts,
    hallSubtotal, foodSubtotal,
};

// The texts of the summary grid: 26 rows by 5 columns. Row 0 is the caption
// row (its cells stay empty; the grid widget shows captions there), rows 1-23
// the estimate lines, rows 24 and 25 the two subtotals. The window and the
// printed sheet both read these texts.
class SummaryGrid {
public:
    static constexpr int kRows = 26;
    static constexpr int kColumns = 5;
    static constexpr int kEstimateLines = 23;

    enum Column { Item = 0, Content = 1, Quantity = 2, UnitPrice = 3, Amount = 4 };

    const std::string& cell(int column, int row) const;
    void setCell(int column, int row, std::string_view text);
    const std::string& cell(int column, Line line) const { return cell(column, int(line)); }

    // Column 0 label of estimate line 1-23 ("　火葬料金" ...).
    static std::string_view lineLabel(int row);

private:
    static_assert(int(Line::returnGifts) == kEstimateLines && int(Line::foodSubtotal) == kRows - 1);

    std::array<std::array<std::string, kColumns>, kRows> cells_{};
};

} // namespace lumenta
