// Step 3-5 rules: flowers, reception, wake food, ceremony food, hearse,
// after-altar. The two food rules share the drinks and serving-staff lines.

#include "Estimate.h"

#include "EstimateView.h"
#include "PriceTables.h"

#include <string>

namespace lumenta {

namespace {

Currency count(int n) { return Currency::fromYen(n); }

bool inRange(int index, std::size_t size) { return index >= 0 && index < int(size); }

} // namespace

void Estimate::chooseFlowers(int chrysanthemums, int westernFlowers)
{
    const auto stands = [](int n) { return inRange(n, prices::kStandChoices) ? n : 0; };
    const int a = stands(chrysanthemums);
    const int b = stands(westernFlowers);
    choices_.chrysanthemums = a;
    choices_.westernFlowers = b;
    const Currency fee = prices::kChrysanthemumStand * a + prices::kWesternStand * b;
    setSlot(Slot::flowersFee, fee);
    showAmount(Control::SsEditSeika, fee);
    writeCell(SummaryGrid::Content, Line::flowers,
              withPrices(prices::kFlowersContent, {prices::kChrysanthemumStand, prices::kWesternStand}));
    writeCell(SummaryGrid::Quantity, Line::flowers, std::to_string(a + b));
    writeCell(SummaryGrid::Amount, Line::flowers, formatYen(fee));  // the unit price stays empty
    emptyTotal();
}

void Estimate::chooseReception(bool wanted) { chooseYesNo(prices::kReception, wanted, choices_.reception); }

void Estimate::chooseWakeFood(int index, bool premiumNigiri)
{
    state_[Flag::wakeFoodChosen] = true;
    choices_.wakeFood = inRange(index, prices::kWakeFoods.size()) ? index : -1;
    choices_.premiumNigiri = premiumNigiri ? 1 : 0;
    view_.setEnabled(Control::ChkTuyaryori, true);
    const prices::WakeFood food = inRange(index, prices::kWakeFoods.size()) ? prices::kWakeFoods[index]
                                                                            : prices::WakeFood{0, 0, 0};
    const Currency setPrice = prices::kPlatterSet + (premiumNigiri ? prices::kPremiumNigiriExtra : Currency());
    const Currency dishes = setPrice * food.platterSets;
    setSlot(Slot::wakeFoodFee, dishes + prices::kDrinkPerGuest * food.guests);
    setSlot(Slot::wakeServingFee, prices::kServerFee * food.servers);
    showAmount(Control::SsEditTuyaRyori, state_[Slot::wakeFoodFee]);
    showAmount(Control::SsEditTuyaHaizen, state_[Slot::wakeServingFee]);
    state_.wakeServerCount = count(food.servers);
    state_.wakeGuestCount = count(food.guests);
    writeLine(Line::wakeFood, std::string(kSpace) + std::to_string(food.guests) + "人分", "1", formatYen(dishes), formatYen(dishes));
    writeSharedFoodLines();
    emptyTotal();
}

void Estimate::chooseCeremonyFood(int dish, int quantity)
{
    const bool dishChosen = inRange(dish, prices::kDishes.size());
    const bool quantityChosen = inRange(quantity, prices::kParties.size());
    state_[Flag::ceremonyFoodChosen] = dishChosen && quantityChosen;
    choices_.ceremonyDish = dishChosen ? dish : -1;
    choices_.ceremonyParty = quantityChosen ? quantity : -1;
    Currency perPerson;
    std::string dishText;
    if (dishChosen) {
        const auto& d = prices::kDishes[dish];
        perPerson = d.perPerson;
        dishText = prices::entryText(d);
        view_.copyPicture(Control::ImgKokuRyori, d.picture);
    }
    const prices::Party party = quantityChosen ? prices::kParties[quantity] : prices::Party{0, 0};
    const Currency dishes = perPerson * party.guests;
    setSlot(Slot::ceremonyFoodFee, dishes + prices::kDrinkPerGuest * party.guests);
    setSlot(Slot::ceremonyServingFee, prices::kServerFee * party.servers);
    showAmount(Control::SsEditKokuRyori, state_[Slot::ceremonyFoodFee]);
    showAmount(Control::SsEditKokuHaizen, state_[Slot::ceremonyServingFee]);
    state_.ceremonyServerCount = count(party.servers);
    state_.ceremonyGuestCount = count(party.guests);
    writeLine(Line::ceremonyFood, std::string(kSpace) + dishText, std::to_string(party.guests), formatYen(perPerson), formatYen(dishes));
    writeSharedFoodLines();
    emptyTotal();
}

// Drinks and serving staff cover both days, whichever food rule ran last.
void Estimate::writeSharedFoodLines()
{
    const Currency guests = state_.wakeGuestCount + state_.ceremonyGuestCount;
    const Currency servers = state_.wakeServerCount + state_.ceremonyServerCount;
    writeLine(Line::drinks, "　通夜・告別式両日人数分", formatCount(guests), formatYen(prices::kDrinkPerGuest),
              formatYen(prices::kDrinkPerGuest * guests));
    writeLine(Line::serving, "　通夜及び葬儀、告別式両日", formatCount(servers), formatYen(prices::kServerFee),
              formatYen(prices::kServerFee * servers));
}

void Estimate::chooseHearse(int kind, int hall)
{
    if (kind < 1 || kind > int(prices::kHearses.size()))
        return;
    state_[Flag::hearseChosen] = true;
    choices_.hearse = kind;
    view_.setVisible(Control::LblMapNote, false);
    const auto& h = prices::kHearses[kind - 1];
    const Currency fee = hall == prices::kRoadCrossingHall ? h.roadCrossingFee : h.fee;
    view_.copyPicture(Control::ImgReikyu, h.picture);
    setSlot(Slot::hearseFee, fee);
    showAmount(Control::SsEditReikyu, fee);
    writeLine(Line::hearse, std::string(kSpace) + std::string(h.kind), "1", formatYen(fee), formatYen(fee));
    emptyTotal();
}

void Estimate::chooseAfterAltar(bool wanted) { chooseYesNo(prices::kAfterAltar, wanted, choices_.afterAltar); }

} // namespace lumenta
