#pragma once

#include "EstimateState.h"
#include "SummaryGrid.h"

#include <array>
#include <string>

namespace lumenta {

// The texts of the printed estimate sheet, apart from the date: 32 filled
// table lines of five fields (item, content, quantity, unit price, amount),
// the three totals and the version line.
struct SheetText {
    static constexpr int kLines = 32;
    std::array<std::array<std::string, SummaryGrid::kColumns>, kLines> lines{};
    std::string subtotal;   // QRLblShokei
    std::string discount;   // QRLblNebiki
    std::string total;      // QRLblGokei
    std::string version;    // QRLblReNew
    std::string hall;       // the hall's name, which names a saved sheet's file

    bool operator==(const SheetText&) const = default;
};

// Grid rows 1-23 in order, with the nine altar-included lines between them,
// and the totals of the state's last calculation.
SheetText buildSheetText(const SummaryGrid& grid, const EstimateState& state);

} // namespace lumenta
