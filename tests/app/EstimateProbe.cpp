#include "Estimate.h"

#include "EstimateProbe.h"
#include "UnitMain.h"

namespace probe {

bool fixedChargesSet(const TFormMain& form)
{
    const lumenta::EstimateState& s = form.estimate().state();
    return s[lumenta::Slot::cremationFee] != lumenta::Currency() && s[lumenta::Slot::urnFee] != lumenta::Currency();
}

bool hallChosen(const TFormMain& form) { return form.estimate().state()[lumenta::Flag::hallChosen]; }
bool returnGiftsPreset(const TFormMain& form) { return form.estimate().state()[lumenta::Flag::returnGiftsChosen]; }
void chooseHall(TFormMain& form, int hall) { form.estimate().chooseHall(hall); }

} // namespace probe
