#pragma once

#include <QtGlobal>
#include <array>

class UserDriver;

// What the estimate must hold, worked out from nothing but what the
// controls show (which hall is checked, which list entry is selected ...)
// and the price list of the estimate. Whatever order the user took, the
// amounts must agree with the controls as they stand.
struct ExpectedEstimate {
    std::array<qint64, 22> yen{};   // the 22 amount slots, in whole yen
    std::array<bool, 16> chosen{};  // the 16 item flags
};

ExpectedEstimate expectedFromControls(const UserDriver& user);
