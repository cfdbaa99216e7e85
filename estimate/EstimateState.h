#pragma once

#include "Currency.h"

#include <array>
#include <cstddef>
#include <string>

namespace lumenta {

// The 22 amount slots, in the order in which the calculation adds them.
enum class Slot : std::size_t {
    hallFee,
    transportFee,
    storageFee,
    proceduresFee,
    coffinFee,
    altarFee,
    makeupFee,
    portraitFee,
    returnGiftsFee,
    flowersFee,
    receptionFee,
    wakeFoodFee,
    wakeServingFee,
    ceremonyFoodFee,
    ceremonyServingFee,
    hearseFee,
    afterAltarFee,
    wakeMcFee,
    ceremonyMcFee,
    cremationFee,
    urnFee,
    gratuitiesFee,
};
inline constexpr std::size_t kSlotCount = 22;
static_assert(kSlotCount == std::size_t(Slot::gratuitiesFee) + 1);

// The 16 item-chosen flags, in the order in which the calculation checks them.
enum class Flag : std::size_t {
    hallChosen,
    distanceChosen,
    storageDaysChosen,
    proceduresChosen,
    coffinChosen,
    altarChosen,
    makeupChosen,
    portraitChosen,
    returnGiftsChosen,
    flowersChosen,
    receptionChosen,
    wakeFoodChosen,
    ceremonyFoodChosen,
    spareChosen,
    hearseChosen,
    afterAltarChosen,
};
inline constexpr std::size_t kFlagCount = 16;
static_assert(kFlagCount == std::size_t(Flag::afterAltarChosen) + 1);

// Product information shown in the window caption and on the printed sheet.
// The version is the project's, given by the build.
struct ProductInfo {
    std::string appTitle = "Lumenta";
    std::string appVersion = LUMENTA_VERSION;
    std::string appDate = "2007.01.31";
};

// The one estimate record of a window.
struct EstimateState {
    std::array<Currency, kSlotCount> amounts{};
    std::array<bool, kFlagCount> flags{};

    // Head counts shared by the two food rules (a count of 5 is 5 units).
    Currency wakeServerCount;
    Currency wakeGuestCount;
    Currency ceremonyServerCount;
    Currency ceremonyGuestCount;

    // Totals of the last successful calculation.
    Currency grossTotal;
    Currency discountAmount;
    Currency grandTotal;

    ProductInfo product;

    Currency& operator[](Slot s) { return amounts[static_cast<std::size_t>(s)]; }
    Currency operator[](Slot s) const { return amounts[static_cast<std::size_t>(s)]; }
    bool& operator[](Flag f) { return flags[static_cast<std::size_t>(f)]; }
    bool operator[](Flag f) const { return flags[static_cast<std::size_t>(f)]; }
};

} // namespace lumenta
