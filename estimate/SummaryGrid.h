#pragma once

#include <array>
#include <string>
#include <string_view>

namespace lumenta {

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

    // Column 0 label of estimate line 1-23 ("　火葬料金" ...).
    static std::string_view lineLabel(int row);

private:
    std::array<std::array<std::string, kColumns>, kRows> cells_{};
};

} // namespace lumenta
