#pragma once

#include "Panel.h"

#include <memory>

class QtEstimateView;
namespace lumenta {
class Estimate;
}

namespace Ui {
class PnlMainJunbi;
}

// Step 2 "2.準備": coffin, altar, make-up, portrait photograph, return gifts
// and letters of thanks. Each handler reads its controls' current state and
// runs the item's rule.
class PreparationScreen : public TPanel {
    Q_OBJECT
public:
    PreparationScreen(lumenta::Estimate& estimate, QWidget* parent = nullptr);
    ~PreparationScreen() override;

    // Attaches the widgets of this screen's controls that the estimate writes.
    void attachControls(QtEstimateView& view) const;

    void RBtnHitugiClick();
    void RBtnGrpSaidanClick();
    void Kesho1Click();
    void IeiClick();
    void CBoxHenreiChange();

private:
    lumenta::Estimate& estimate_;
    std::unique_ptr<Ui::PnlMainJunbi> ui_;
};
