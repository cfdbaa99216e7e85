#include "CompleteEstimate.h"

namespace bench {

void priceCompleteEstimate(lumenta::Estimate& e)
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

lumenta::SheetText completeSheetText()
{
    SinkView view;
    lumenta::Estimate e(view);
    e.reset();
    priceCompleteEstimate(e);
    return lumenta::buildSheetText(e.grid(), e.state());
}

} // namespace bench
