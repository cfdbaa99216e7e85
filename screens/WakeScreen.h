#pragma once

#include "Panel.h"

#include <memory>

class QtEstimateView;
namespace lumenta { class Estimate; }
namespace Ui { class PnlMainTuya; }

// Step 3 "3.通夜": flowers, reception, the wake's master of ceremonies, wake
// food and the wake's serving staff.
class WakeScreen : public TPanel {
    Q_OBJECT
public:
    WakeScreen(lumenta::Estimate& estimate, QWidget* parent = nullptr);
    ~WakeScreen() override;

    // Attaches the widgets of this screen's controls that the estimate writes.
    void attachControls(QtEstimateView& view) const;

    // Either flower list changed.
    void CBoxSeikaChange();
    // A reception button was clicked.
    void UketukeClick();
    // The wake-food group or the premium-nigiri box was clicked.
    void RBtnGrpTuyaRyoriClick();

private:
    lumenta::Estimate& estimate_;
    std::unique_ptr<Ui::PnlMainTuya> ui_;
};
