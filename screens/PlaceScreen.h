#pragma once

#include "Panel.h"

#include <memory>

class QtEstimateView;
namespace lumenta {
class Estimate;
}

namespace Ui {
class PnlMainBasho;
}

// Step 1 "1.場所": the hall on the map, the distance to the mortuary, the
// days of storage and the official procedures. Each handler reads its
// controls' current state and runs the item's rule.
class PlaceScreen : public TPanel {
    Q_OBJECT
public:
    PlaceScreen(lumenta::Estimate& estimate, QWidget* parent = nullptr);
    ~PlaceScreen() override;

    // Attaches the widgets of this screen's controls that the estimate writes.
    void attachControls(QtEstimateView& view) const;

    void RBtnMapClick();
    void CBoxHansoClick();
    void CBoxHokanClick();
    void RBtnShindanClick();

private:
    lumenta::Estimate& estimate_;
    std::unique_ptr<Ui::PnlMainBasho> ui_;
};
