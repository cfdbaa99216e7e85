#pragma once

#include "JapaneseFonts.h"
#include "ReportPage.h"
#include "SheetText.h"

// Estimates worked out by the estimate core, for the sheet tests.
namespace samples {

// A modest estimate without the discount, at the first hall.
lumenta::SheetText plainEstimate();
// A large estimate at another hall, with the 5 % discount.
lumenta::SheetText discountedEstimate();

// Renders the page as a one-page PDF file, as a save does; false when it can't be written.
bool writePdf(const lumenta::report::ReportPage& page, const QString& path);

} // namespace samples
