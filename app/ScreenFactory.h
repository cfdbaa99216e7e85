#pragma once

#include <QPixmap>
#include <QString>
#include <functional>
#include <vector>

class QAbstractButton;
class QtEstimateView;
class QWidget;
class TplButton;
class TSsEdit;

namespace lumenta {
class Estimate;
}

// The seven full-size screen panels of the main window, in the order in
// which the window stacks them, and the picture store's pictures.
struct Screens {
    QWidget* top = nullptr;    // PnlMainTop, the start screen
    QWidget* steps[5] = {};    // PnlMainBasho, PnlMainJunbi, PnlMainTuya, PnlMainKoku, PnlMainKaso
    QWidget* pictures = nullptr;  // PnlImg, never shown
    std::function<QPixmap(const QString& storedName)> picture;
    // The buttons that the window itself handles.
    TplButton* start = nullptr;          // plBtnStart on the start screen
    TplButton* calculate = nullptr;      // plBntCal on step 5
    QAbstractButton* discount = nullptr; // ChkDiscount on step 5
    TSsEdit* total = nullptr;            // SsEditGokei on step 5
    std::vector<QWidget*> summary;       // the summary area's panels on step 5

    bool stepsBuilt() const { return steps[0] != nullptr; }
};

// The start screen: all that the window's first frame shows below the header.
void createStartScreen(QWidget* parent, Screens& screens);

// The five step screens and the picture store. Each step screen drives the
// one estimate of the window and attaches the controls it shows to the view.
void createStepScreens(lumenta::Estimate& estimate, QtEstimateView& view, QWidget* parent, Screens& screens);
