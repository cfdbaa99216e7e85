#include "Estimate.h"

#include "EstimateView.h"
#include "PriceTables.h"

namespace lumenta {

Estimate::Estimate(EstimateView& view) : view_(view) {}

void Estimate::reset()
{
    state_.amounts.fill(Currency());
    state_.flags.fill(false);
    state_.wakeServerCount = state_.wakeGuestCount = Currency();
    state_.ceremonyServerCount = state_.ceremonyGuestCount = Currency();
    state_.grossTotal = state_.discountAmount = state_.grandTotal = Currency();
    totalShown_ = false;
    chosenHall_ = 0;
    choices_ = Choices();
    for (Flag f : prices::kPresetFlags)
        state_[f] = true;
    for (const auto& charge : prices::kFixedCharges) {
        state_[charge.slot] = charge.amount;
        showAmount(charge.field, charge.amount);
    }
    view_.setText(Control::LblMapInfo1, "");
    view_.setText(Control::LblMapInfo, "");
    // A fresh grid is empty already; one that showed an estimate is emptied.
    for (int row = 1; row < SummaryGrid::kRows; ++row)
        for (int column = SummaryGrid::Item; column < SummaryGrid::kColumns; ++column)
            if (!grid_.cell(column, row).empty())
                writeCell(column, Line(row), "");
    view_.setVisible(Control::LblMapNote, false);
    for (int row = 1; row <= SummaryGrid::kEstimateLines; ++row)
        writeCell(SummaryGrid::Item, Line(row), SummaryGrid::lineLabel(row));
}

void Estimate::setSlot(Slot slot, Currency amount) { state_[slot] = amount; }

void Estimate::showAmount(Control field, Currency amount) { view_.setText(field, formatYen(amount)); }

void Estimate::writeCell(int column, Line line, std::string_view text)
{
    grid_.setCell(column, int(line), text);
    view_.setGridCell(column, int(line), text);
}

void Estimate::writeLine(Line line, std::string_view content, std::string_view quantity,
                         std::string_view unitPrice, std::string_view amount)
{
    writeCell(SummaryGrid::Content, line, content);
    writeCell(SummaryGrid::Quantity, line, quantity);
    writeCell(SummaryGrid::UnitPrice, line, unitPrice);
    writeCell(SummaryGrid::Amount, line, amount);
}

// Procedures, make-up, portrait, reception and after-altar: a fee or nothing.
void Estimate::chooseYesNo(const prices::YesNoItem& item, bool wanted, int& choice)
{
    choice = wanted ? 1 : 0;
    state_[item.flag] = true;
    const Currency fee = wanted ? item.fee : Currency();
    setSlot(item.slot, fee);
    showAmount(item.field, fee);
    const std::string_view quantity = wanted || !item.quantityFollowsAnswer ? "1" : "0";
    writeLine(item.line, item.content, quantity, formatYen(fee), formatYen(fee));
    emptyTotal();
}

void Estimate::emptyTotal()
{
    totalShown_ = false;
    view_.setText(Control::SsEditGokei, "");
}

} // namespace lumenta
