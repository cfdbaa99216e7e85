// Step 1 rules: hall, transport distance, storage days, procedures.

#include "Estimate.h"

#include "EstimateView.h"
#include "PriceTables.h"

#include <string>

namespace lumenta {

void Estimate::chooseHall(int hall)
{
    if (hall < 1 || hall > int(prices::kHalls.size()))
        return;
    state_[Flag::hallChosen] = true;
    const bool otherHall = hall != chosenHall_;
    chosenHall_ = hall;
    choices_.hall = hall;
    const std::string_view name = prices::kHalls[hall - 1].name;
    view_.setText(Control::LblMapInfo1, "選択の式場は");
    view_.setText(Control::LblMapInfo, name);

    // The hearse prices depend on the hall; at the road-crossing hall only
    // vehicles can take the coffin to the furnace.
    const bool crossing = hall == prices::kRoadCrossingHall;
    view_.setEnabled(prices::kHearseButtons[0], !crossing);
    for (std::size_t i = 1; i < prices::kHearses.size(); ++i)
        view_.setText(prices::kHearseButtons[i], prices::captionAt(prices::kHearses[i], crossing));

    setSlot(Slot::hallFee, prices::kHallFee);
    showAmount(Control::SsEditMap, prices::kHallFee);
    const std::string fee = formatYen(prices::kHallFee);
    writeLine(Line::hall, std::string(kSpace) + std::string(name), "1", fee, fee);

    // A hearse chosen at another hall must be chosen again: nothing of it
    // stays on the screens, and the map says so. The same hall again keeps it.
    if (otherHall) {
        choices_.hearse = -1;
        if (state_[Flag::hearseChosen]) {
            view_.setText(Control::LblMapNote, prices::kHearseAgainNote);
            view_.setVisible(Control::LblMapNote, true);
        }
        for (Control button : prices::kHearseButtons)
            view_.setChecked(button, false);
        setSlot(Slot::hearseFee, Currency());
        state_[Flag::hearseChosen] = false;
        view_.setText(Control::SsEditReikyu, "");
        view_.copyPicture(Control::ImgReikyu, prices::kNoPicture);
        writeLine(Line::hearse, "", "", "", "");
    }
    emptyTotal();
}

void Estimate::chooseDistance(int index)
{
    if (index < 0 || index >= int(prices::kDistances.size()))
        return;
    state_[Flag::distanceChosen] = true;
    choices_.distance = index;
    const auto& d = prices::kDistances[index];
    setSlot(Slot::transportFee, d.fee);
    showAmount(Control::SsEditHanso, d.fee);
    const std::string fee = formatYen(d.fee);
    writeLine(Line::transport, std::string(kSpace) + "移動距離：" + std::string(d.text) + "kmまで", "1", fee, fee);
    emptyTotal();
}

void Estimate::chooseStorage(int index)
{
    state_[Flag::storageDaysChosen] = true;
    if (index < 0 || index >= prices::kStorageChoices)
        return;
    choices_.storage = index;
    const int days = index + 2;  // stored one day less than the wait for the wake
    const Currency storage = prices::kStoragePerDay * days;
    setSlot(Slot::storageFee, storage + prices::kDryIce);
    showAmount(Control::SsEditHokan, storage + prices::kDryIce);
    const std::string digits = std::to_string(days);
    view_.setText(Control::LblHokan, "通夜は　　　　　　日後 （霊安室に " + digits + "日保管 + ﾄﾞﾗｲｱｲｽ 1日分）");
    // The day of dry ice is shown on a line of its own by the calculation.
    writeLine(Line::storage, "　冷蔵保管（安置）の日数", digits, formatYen(prices::kStoragePerDay), formatYen(storage));
    emptyTotal();
}

void Estimate::chooseProcedures(bool byProxy) { chooseYesNo(prices::kProcedures, byProxy, choices_.procedures); }

} // namespace lumenta
