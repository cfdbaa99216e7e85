#pragma once

#include "Choices.h"
#include "ControlNames.h"
#include "EstimateState.h"
#include "SummaryGrid.h"

#include <optional>
#include <string>

namespace lumenta {

class EstimateView;
namespace prices {
struct YesNoItem;
}

// A calculation that could not run: the first undecided item's message and
// the step (1-5) whose screen holds that item.
struct Refusal {
    std::string message;
    int step = 0;
    bool operator==(const Refusal&) const = default;
};

// The discount of a gross total: none, or 5 % of it in whole yen (to the
// nearest yen, an exact half to the smaller discount), negative, so that the
// gross total, the discount and the grand total printed on the sheet add up.
Currency discountFor(Currency gross, bool discount);

// One estimate: its record, its summary grid texts and every item rule.
// Each rule takes its options as arguments (the window reads them off its
// controls) and shows its effects through the view: it marks its item as
// chosen, writes its slots, shows its amount, writes its grid line(s) and
// empties the total field.
class Estimate {
public:
    explicit Estimate(EstimateView& view);

    const EstimateState& state() const { return state_; }
    const SummaryGrid& grid() const { return grid_; }
    // True while the total field shows the result of a calculation.
    bool totalShown() const { return totalShown_; }
    // The hall of the last hall pick, 1-6 (RBtnMap1-6), or 0 before any.
    int chosenHall() const { return chosenHall_; }
    // Every decision as the rules last took it.
    const Choices& choices() const { return choices_; }

    // Window shown, or a new estimate about to be made: zero everything,
    // preset flags, show the fixed charges, empty the hall labels and the
    // grid, and write the grid's line labels.
    void reset();

    // Step 1: place.
    void chooseHall(int hall);              // 1-6 = RBtnMap1-6
    void chooseDistance(int index);         // CBoxHanso 0-6
    void chooseStorage(int index);          // CBoxHokan 0-3, -1 = no selection
    void chooseProcedures(bool byProxy);    // RBtnShindan1 / RBtnShindan2

    // Step 2: preparation.
    void chooseCoffin(int index);           // RBtnGrpHitugi 0-5
    void chooseAltar(int index);            // RBtnGrpSaidan 0-3
    void chooseMakeup(bool wanted);         // RBtnKesho1 / RBtnKesho2
    void choosePortrait(bool wanted);       // RBtnIei1 / RBtnIei2
    // CBoxHenrei1 -1..3 (-1 = no selection), CBoxHenrei2 and CBoxReijo 0-12.
    void chooseReturnGifts(int kind, int giftCountIndex, int letterCountIndex);

    // Step 3: wake.
    void chooseFlowers(int chrysanthemums, int westernFlowers);  // 0-10 each
    void chooseReception(bool wanted);      // RBtnUke1 / RBtnUke2
    void chooseWakeFood(int index, bool premiumNigiri);  // RBtnGrpTuyaRyori -1..3

    // Step 4: farewell ceremony.
    void chooseCeremonyFood(int dish, int quantity);  // -1..2 and -1..7
    void chooseHearse(int kind, int hall);  // 1-3 = RBtnReikyu1-3; hall 0-6

    // Step 5: cremation.
    void chooseAfterAltar(bool wanted);     // RBtnAto1 / RBtnAto2

    // "計算": checks the flags in order, totals, shows the total, writes the
    // calculation's grid lines and enables printing.
    std::optional<Refusal> calculate(bool discount);
    // The discount box was clicked: recalculate only while a total is shown.
    std::optional<Refusal> discountClicked(bool discount);

private:
    void setSlot(Slot slot, Currency amount);
    void showAmount(Control field, Currency amount);
    void writeLine(Line line, std::string_view content, std::string_view quantity,
                   std::string_view unitPrice, std::string_view amount);
    void writeCell(int column, Line line, std::string_view text);
    void emptyTotal();
    void writeSharedFoodLines();
    void chooseYesNo(const prices::YesNoItem& item, bool wanted, int& choice);

    EstimateView& view_;
    EstimateState state_;
    SummaryGrid grid_;
    bool totalShown_ = false;
    int chosenHall_ = 0;
    Choices choices_;
};

} // namespace lumenta
