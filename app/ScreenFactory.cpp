#include "ScreenFactory.h"

#include "CeremonyScreen.h"
#include "CremationScreen.h"
#include "PictureStore.h"
#include "PlaceScreen.h"
#include "PreparationScreen.h"
#include "StartScreen.h"
#include "WakeScreen.h"

void createStartScreen(QWidget* parent, Screens& s)
{
    auto* start = new StartScreen(parent);
    s.top = start;
    s.start = start->startButton();
}

void createStepScreens(lumenta::Estimate& estimate, QWidget* parent, Screens& s)
{
    s.steps[0] = new PlaceScreen(estimate, parent);
    s.steps[1] = new PreparationScreen(estimate, parent);
    s.steps[2] = new WakeScreen(estimate, parent);
    s.steps[3] = new CeremonyScreen(estimate, parent);
    auto* cremation = new CremationScreen(estimate, parent);
    s.steps[4] = cremation;
    s.calculate = cremation->calculateButton();
    s.discount = cremation->discountBox();
    auto* store = new PictureStore(parent);
    s.pictures = store;
    s.picture = [store](const QString& name) { return store->picture(name); };
}
