#pragma once

#include "Estimate.h"
#include "EstimateView.h"
#include "SheetText.h"

#include <benchmark/benchmark.h>

namespace bench {

// A view that only keeps the last text, as cheaply as a real one could.
class SinkView : public lumenta::EstimateView {
public:
    void setText(lumenta::Control, std::string_view t) override { benchmark::DoNotOptimize(t.data()); }
    void setEnabled(lumenta::Control, bool) override {}
    void setVisible(lumenta::Control, bool) override {}
    void setChecked(lumenta::Control, bool) override {}
    void setCurrentIndex(lumenta::Control, int) override {}
    void copyPicture(lumenta::Control, std::string_view) override {}
    void setGridCell(int, int, std::string_view t) override { benchmark::DoNotOptimize(t.data()); }
};

// Chooses something for every item of every step and calculates with the
// discount: every line of the estimate is priced.
void priceCompleteEstimate(lumenta::Estimate& estimate);

// The sheet's texts of such an estimate.
lumenta::SheetText completeSheetText();

} // namespace bench
