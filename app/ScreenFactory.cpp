#include "ScreenFactory.h"

#include "CeremonyScreen.h"
#include "CremationScreen.h"
#include "PictureStore.h"
#include "PlaceScreen.h"
#include "PreparationScreen.h"
#include "QtEstimateView.h"
#include "StartScreen.h"
#include "WakeScreen.h"

void createStartScreen(QWidget* parent, Screens& s)
{
    auto* start = new StartScreen(parent);
    s.top = start;
    s.start = start->startButton();
}

void createStepScreens(lumenta::Estimate& estimate, QtEstimateView& view, QWidget* parent, Screens& s)
{
    auto* place = new PlaceScreen(estimate, parent);
    auto* preparation = new PreparationScreen(estimate, parent);
    auto* wake = new WakeScreen(estimate, parent);
    auto* ceremony = new CeremonyScreen(estimate, parent);
    auto* cremation = new CremationScreen(estimate, parent);
    s.steps[0] = place;
    s.steps[1] = preparation;
    s.steps[2] = wake;
    s.steps[3] = ceremony;
    s.steps[4] = cremation;
    place->attachControls(view);
    preparation->attachControls(view);
    wake->attachControls(view);
    ceremony->attachControls(view);
    cremation->attachControls(view);
    s.calculate = cremation->calculateButton();
    s.discount = cremation->discountBox();
    s.total = cremation->totalField();
    s.summary = cremation->summaryPanels();
    auto* store = new PictureStore(parent);
    s.pictures = store;
    s.picture = [store](const QString& name) { return store->picture(name); };
}
