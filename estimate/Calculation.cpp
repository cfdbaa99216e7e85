// "計算": checks that every item is decided, totals the estimate and writes
// the lines that no item rule writes.

#include "Estimate.h"

#include "EstimateView.h"
#include "PriceTables.h"

namespace lumenta {

Currency discountFor(Currency gross, bool discount)
{
    if (!discount)
        return Currency();
    // The exact discount may end in half a yen; that half goes to the
    // smaller discount.
    const Currency exact = gross * Currency::fromRatio(prices::kDiscountPercent, 100);
    std::int64_t yen = exact.raw() / Currency::kScale;
    const std::int64_t rest = exact.raw() % Currency::kScale;  // same sign as exact
    if (rest * 2 > Currency::kScale)
        ++yen;
    else if (rest * 2 < -Currency::kScale)
        --yen;
    return -Currency::fromYen(yen);
}

std::optional<Refusal> Estimate::calculate(bool discount)
{
    choices_.discount = discount ? 1 : 0;
    for (const auto& check : prices::kFlagChecks)
        if (!state_[check.flag])
            return Refusal{std::string(check.message), check.step};

    Currency gross;
    for (Currency slot : state_.amounts)
        gross += slot;
    state_.grossTotal = gross;
    state_.discountAmount = discountFor(gross, discount);
    state_.grandTotal = gross + state_.discountAmount;
    view_.setText(Control::SsEditGokei, formatYen(state_.grandTotal));
    totalShown_ = true;

    const auto writeFixedLine = [this](Line line, std::string_view content, std::string_view quantity,
                                       std::string_view unitPrice, std::string_view amount) {
        writeCell(SummaryGrid::Item, line, SummaryGrid::lineLabel(int(line)));
        writeLine(line, content, quantity, unitPrice, amount);
    };
    const std::string cremation = formatYen(state_[Slot::cremationFee]);
    const std::string urn = formatYen(state_[Slot::urnFee]);
    const std::string gratuities = formatYen(state_[Slot::gratuitiesFee]);
    const std::string dryIce = formatYen(prices::kDryIce);
    writeFixedLine(Line::cremation, "　最上等", "1", cremation, cremation);
    writeFixedLine(Line::urn, "　瀬戸、桐箱、覆い一式", "1", urn, urn);
    writeFixedLine(Line::gratuities, "　火葬場職員、各運転手など", "1", gratuities, gratuities);
    writeFixedLine(Line::dryIce, "　通夜当日に使用", "1", dryIce, dryIce);
    // Two people on each of the two days, the unit price written without the yen sign.
    writeFixedLine(Line::ceremonies, "　司会進行、式場と火葬場のご案内", std::to_string(prices::kMcStaff * 2),
                   withPrices("{}", {prices::kMcPerPersonDay}),
                   formatYen(state_[Slot::wakeMcFee] + state_[Slot::ceremonyMcFee]));

    writeCell(SummaryGrid::Content, Line::hallSubtotal, "　うち式場費用などの小計");
    writeCell(SummaryGrid::Amount, Line::hallSubtotal, formatYen(state_[Slot::hallFee] + state_[Slot::cremationFee]));
    writeCell(SummaryGrid::Content, Line::foodSubtotal, "　うち飲食費などの小計");
    writeCell(SummaryGrid::Amount, Line::foodSubtotal,
              formatYen(state_[Slot::wakeFoodFee] + state_[Slot::wakeServingFee] + state_[Slot::ceremonyFoodFee] +
                        state_[Slot::ceremonyServingFee]));

    view_.setEnabled(Control::plBtnPrint, true);
    return std::nullopt;
}

std::optional<Refusal> Estimate::discountClicked(bool discount)
{
    choices_.discount = discount ? 1 : 0;
    if (!totalShown_)
        return std::nullopt;
    return calculate(discount);
}

} // namespace lumenta
