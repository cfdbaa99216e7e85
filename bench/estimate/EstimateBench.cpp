// Pricing a whole estimate: every item rule once, then the calculation.

#include "CompleteEstimate.h"

#include <benchmark/benchmark.h>

namespace {

void BM_PriceCompleteEstimate(benchmark::State& state)
{
    bench::SinkView view;
    for (auto _ : state) {
        lumenta::Estimate e(view);
        e.reset();
        bench::priceCompleteEstimate(e);
    }
}
BENCHMARK(BM_PriceCompleteEstimate);

void BM_BuildSheetText(benchmark::State& state)
{
    bench::SinkView view;
    lumenta::Estimate e(view);
    e.reset();
    bench::priceCompleteEstimate(e);
    for (auto _ : state)
        benchmark::DoNotOptimize(lumenta::buildSheetText(e.grid(), e.state()));
}
BENCHMARK(BM_BuildSheetText);

} // namespace

BENCHMARK_MAIN();
