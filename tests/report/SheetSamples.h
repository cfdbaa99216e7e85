#pragma once

#include "JapaneseFonts.h"
#include "SheetText.h"

// Estimates worked out by the estimate core, for the sheet tests.
namespace samples {

// A modest estimate without the discount, at the first hall.
lumenta::SheetText plainEstimate();
// A large estimate at another hall, with the 5 % discount.
lumenta::SheetText discountedEstimate();

} // namespace samples
