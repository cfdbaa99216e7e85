#pragma once

#include "Estimate.h"

#include "CeremonyScreen.h"
#include "CremationScreen.h"
#include "PictureStore.h"
#include "PlaceScreen.h"
#include "PreparationScreen.h"
#include "QtEstimateView.h"
#include "StandIns.h"
#include "StartScreen.h"
#include "WakeScreen.h"

#include <QWidget>

#include <algorithm>
#include <initializer_list>

// The start screen, the five step screens and the picture store under one
// root, with an estimate shown through the Qt view, as the main window puts
// them together. The estimate is reset as when the window is first shown.
struct ScreenHarness {
    QWidget root;
    PictureStore* store = new PictureStore(&root);
    QtEstimateView view{[this](const QString& name) { return store->picture(name); }};
    lumenta::Estimate estimate{view};
    PlaceScreen* place = new PlaceScreen(estimate, &root);
    PreparationScreen* preparation = new PreparationScreen(estimate, &root);
    WakeScreen* wake = new WakeScreen(estimate, &root);
    CeremonyScreen* ceremony = new CeremonyScreen(estimate, &root);
    CremationScreen* cremation = new CremationScreen(estimate, &root);
    StartScreen* start = new StartScreen(&root);
    // The header bar is not here: a hidden stand-in takes its print button's state.
    QWidget* plBtnPrint = new QWidget(&root);

    ScreenHarness()
    {
        root.resize(1000, 655);
        plBtnPrint->hide();
        place->attachControls(view);
        preparation->attachControls(view);
        wake->attachControls(view);
        ceremony->attachControls(view);
        cremation->attachControls(view);
        view.attach(lumenta::Control::plBtnPrint, plBtnPrint);
        estimate.reset();
    }

    // Shows these screens and hides the others.
    void showOnly(std::initializer_list<QWidget*> shown)
    {
        for (QWidget* s : std::initializer_list<QWidget*>{start, place, preparation, wake, ceremony, cremation})
            s->setVisible(std::find(shown.begin(), shown.end(), s) != shown.end());
    }

    // The control of that name; when there is none, the running case fails
    // and a blank stand-in comes back.
    template <class T = QWidget>
    T* find(const QString& name) const
    {
        T* w = root.findChild<T*>(name);
        return w ? w : standIns.missing<T>(name, __FILE__, __LINE__);
    }

    mutable StandIns standIns;
};

// Each runs its cases as QTest::qExec does.
int runSteps12Test(int argc, char* argv[]);
int runSteps345Test(int argc, char* argv[]);
