#pragma once

#include "Panel.h"

#include <memory>
#include <vector>

class QAbstractButton;
class TplButton;
class TSsEdit;
class QtEstimateView;
namespace lumenta { class Estimate; }
namespace Ui { class PnlMainKaso; }

// Step 5 "5.火葬": cremation fee, urn, gratuities and the after-altar, and
// the summary area: the summary grid, the calculate button, the discount box
// and the total. The main window wires the calculate button and the discount
// box.
class CremationScreen : public TPanel {
    Q_OBJECT
public:
    CremationScreen(lumenta::Estimate& estimate, QWidget* parent = nullptr);
    ~CremationScreen() override;

    // Attaches the widgets of this screen's controls that the estimate writes.
    void attachControls(QtEstimateView& view) const;

    // An after-altar button was clicked.
    void AtoClick();

    // "計算" (plBntCal) and "総額より５％引き" (ChkDiscount).
    TplButton* calculateButton() const;
    QAbstractButton* discountBox() const;
    // The total "合　計：" (SsEditGokei).
    TSsEdit* totalField() const;
    // The summary area's panels: the grid, the calculate button with the
    // discount box, and the total.
    std::vector<QWidget*> summaryPanels() const;

private:
    lumenta::Estimate& estimate_;
    std::unique_ptr<Ui::PnlMainKaso> ui_;
};
