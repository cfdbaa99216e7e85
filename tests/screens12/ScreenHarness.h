#pragma once

#include "Estimate.h"

#include "PictureStore.h"
#include "PlaceScreen.h"
#include "PreparationScreen.h"
#include "QtEstimateView.h"
#include "StartScreen.h"

#include <QWidget>

// The start screen, steps 1 and 2 and the picture store under one root, with
// an estimate shown through the Qt view, as the main window puts them
// together. The estimate is reset as when the window is first shown.
struct ScreenHarness {
    QWidget root;
    PictureStore* store = new PictureStore(&root);
    QtEstimateView view{&root, [this](const QString& name) { return store->picture(name); }};
    lumenta::Estimate estimate{view};
    PlaceScreen* place = new PlaceScreen(estimate, &root);
    PreparationScreen* preparation = new PreparationScreen(estimate, &root);
    StartScreen* start = new StartScreen(&root);

    ScreenHarness()
    {
        root.resize(1000, 655);
        preparation->hide();
        estimate.reset();
    }

    template <class T = QWidget>
    T* find(const QString& name) const
    {
        return root.findChild<T*>(name);
    }
};
