// Step 2 rules: coffin, altar, make-up, portrait, return gifts and letters.

#include "Estimate.h"

#include "EstimateView.h"
#include "PriceTables.h"

#include <string>

namespace lumenta {

void Estimate::chooseCoffin(int index)
{
    if (index < 0 || index >= int(prices::kCoffins.size()))
        return;
    state_[Flag::coffinChosen] = true;
    choices_.coffin = index;
    const auto& c = prices::kCoffins[index];
    setSlot(Slot::coffinFee, c.fee);
    view_.copyPicture(Control::ImgHitugi1, c.picture);
    showAmount(Control::SsEditHitugi, c.fee);
    const std::string fee = formatYen(c.fee);
    writeLine(Line::coffin, std::string(kSpace) + std::string(c.name), "1", fee, fee);
    emptyTotal();
}

void Estimate::chooseAltar(int index)
{
    if (index < 0 || index >= int(prices::kAltars.size()))
        return;
    state_[Flag::altarChosen] = true;
    choices_.altar = index;
    const auto& a = prices::kAltars[index];
    setSlot(Slot::altarFee, a.fee);
    view_.copyPicture(Control::ImgSaidan1, a.picture);
    showAmount(Control::SsEditSaidan, a.fee);
    const std::string fee = formatYen(a.fee);
    writeLine(Line::altar, std::string(kSpace) + std::string(a.name), "1", fee, fee);
    emptyTotal();
}

void Estimate::chooseMakeup(bool wanted) { chooseYesNo(prices::kMakeup, wanted, choices_.makeup); }

void Estimate::choosePortrait(bool wanted) { chooseYesNo(prices::kPortrait, wanted, choices_.portrait); }

void Estimate::chooseReturnGifts(int kind, int giftCountIndex, int letterCountIndex)
{
    Currency unitPrice;
    std::string kindText;
    if (kind >= 0 && kind < int(prices::kGiftKinds.size())) {
        const auto& k = prices::kGiftKinds[kind];
        unitPrice = k.unitPrice;
        kindText = prices::entryText(k);
        view_.copyPicture(Control::Imghenrei, k.picture);
        view_.setVisible(Control::LblImgHenrei, k.showsContents);
        if (k.clearsCount) {
            giftCountIndex = 0;
            view_.setCurrentIndex(Control::CBoxHenrei2, 0);
        }
    }
    const auto countOf = [](int index) {
        return index >= 0 && index < prices::kCountChoices ? index * prices::kCountStep : 0;
    };
    const auto listed = [](int index) { return index >= 0 && index < prices::kCountChoices ? index : 0; };
    choices_.giftKind = kind >= 0 && kind < int(prices::kGiftKinds.size()) ? kind : -1;
    choices_.giftCount = listed(giftCountIndex);
    choices_.letterCount = listed(letterCountIndex);
    const int gifts = countOf(giftCountIndex);
    const int letters = countOf(letterCountIndex);
    const Currency giftAmount = unitPrice * gifts;
    const Currency letterAmount = prices::kLetterPrice * letters;
    setSlot(Slot::returnGiftsFee, giftAmount + letterAmount);
    showAmount(Control::SsEditHenrei, giftAmount + letterAmount);
    writeLine(Line::returnGifts, std::string(kSpace) + kindText, std::to_string(gifts), formatYen(unitPrice), formatYen(giftAmount));
    writeLine(Line::letters, "　会葬客へのお礼状", std::to_string(letters), formatYen(prices::kLetterPrice), formatYen(letterAmount));
    emptyTotal();
}

} // namespace lumenta
