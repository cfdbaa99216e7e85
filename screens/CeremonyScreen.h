#pragma once

#include "Panel.h"

#include <memory>

class QtEstimateView;
namespace lumenta { class Estimate; }
namespace Ui { class PnlMainKoku; }

// Step 4 "4.告別式": ceremony food and its serving staff, the ceremony's
// master of ceremonies, the hearse and the officiants' fee table.
class CeremonyScreen : public TPanel {
    Q_OBJECT
public:
    CeremonyScreen(lumenta::Estimate& estimate, QWidget* parent = nullptr);
    ~CeremonyScreen() override;

    // Attaches the widgets of this screen's controls that the estimate writes.
    void attachControls(QtEstimateView& view) const;

    // The dish list or the quantity list changed.
    void CBoxKokuRyoriChange();
    // A hearse button was clicked.
    void RBtnReikyuClick();

private:
    lumenta::Estimate& estimate_;
    std::unique_ptr<Ui::PnlMainKoku> ui_;
};
