#pragma once

#include "Estimate.h"
#include "EstimateView.h"
#include "SheetText.h"

#include <benchmark/benchmark.h>

namespace bench {

// A view that only keeps the last text, as cheaply as a real one could.
class SinkView : public lumenta::EstimateView {
public:
    void setText(std::string_view, std::string_view t) override { benchmark::DoNotOptimize(t.data()); }
    void setEnabled(std::string_view, bool) override {}
    void setVisible(std::string_view, bool) override {}
    void setChecked(std::string_view, bool) override {}
    void setCurrentIndex(std::string_view, int) override {}
    void copyPicture(std::string_view, std::string_view) override {}
    void setGridCell(int, int, std::string_view t) override { benchmark::DoNotOptimize(t.data()); }
};

// Chooses something for every item of every step and calculates with the
// discount: every line of the estimate is priced.
void priceCompleteEstimate(lumenta::Estimate& estimate);

// The sheet's texts of such an estimate.
lumenta::SheetText completeSheetText();

} // namespace bench
