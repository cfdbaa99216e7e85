// Pricing a whole estimate: every item rule once, then the calculation.

#include "Estimate.h"
#include "EstimateView.h"
#include "SheetText.h"

#include <benchmark/benchmark.h>

namespace {

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

void priceEstimate(lumenta::Estimate& e)
{
    e.chooseHall(3);
    e.chooseDistance(4);
    e.chooseStorage(2);
    e.chooseProcedures(true);
    e.chooseCoffin(5);
    e.chooseAltar(3);
    e.chooseMakeup(true);
    e.choosePortrait(true);
    e.chooseReturnGifts(2, 8, 9);
    e.chooseFlowers(2, 1);
    e.chooseReception(true);
    e.chooseWakeFood(2, true);
    e.chooseCeremonyFood(2, 7);
    e.chooseHearse(3, e.chosenHall());
    e.chooseAfterAltar(true);
    benchmark::DoNotOptimize(e.calculate(true));
}

void BM_PriceCompleteEstimate(benchmark::State& state)
{
    SinkView view;
    for (auto _ : state) {
        lumenta::Estimate e(view);
        e.reset();
        priceEstimate(e);
    }
}
BENCHMARK(BM_PriceCompleteEstimate);

void BM_BuildSheetText(benchmark::State& state)
{
    SinkView view;
    lumenta::Estimate e(view);
    e.reset();
    priceEstimate(e);
    for (auto _ : state)
        benchmark::DoNotOptimize(lumenta::buildSheetText(e.grid(), e.state()));
}
BENCHMARK(BM_BuildSheetText);

} // namespace

BENCHMARK_MAIN();
