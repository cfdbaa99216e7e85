#pragma once

class TFormMain;

// Looks into the window's estimate record. Kept apart from the Qt Test file:
// the meta-object compiler cannot read the estimate core's headers.
namespace probe {

bool fixedChargesSet(const TFormMain& form);
bool hallChosen(const TFormMain& form);
bool returnGiftsPreset(const TFormMain& form);
void chooseHall(TFormMain& form, int hall);

} // namespace probe
