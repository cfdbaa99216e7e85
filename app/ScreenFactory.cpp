#include "ScreenFactory.h"

#include "CeremonyScreen.h"
#include "CremationScreen.h"
#include "PictureStore.h"
#include "PlaceScreen.h"
#include "PreparationScreen.h"
#include "StartScreen.h"
#include "WakeScreen.h"

QWidget* createStartScreen(QWidget* parent) { return new StartScreen(parent); }

void createStepScreens(lumenta::Estimate& estimate, QWidget* parent, Screens& s)
{
    s.steps[0] = new PlaceScreen(estimate, parent);
    s.steps[1] = new PreparationScreen(estimate, parent);
    s.steps[2] = new WakeScreen(estimate, parent);
    s.steps[3] = new CeremonyScreen(estimate, parent);
    s.steps[4] = new CremationScreen(estimate, parent);
    auto* store = new PictureStore(parent);
    s.pictures = store;
    s.picture = [store](const QString& name) { return store->picture(name); };
}
