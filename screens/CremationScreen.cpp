#include "CremationScreen.h"

#include "ButtonChoice.h"
#include "Estimate.h"
#include "FormSetup.h"
#include "PriceTables.h"
#include "QtEstimateView.h"
#include "SummaryGridLook.h"
#include "TableText.h"
#include "ui_PnlMainKaso.h"

CremationScreen::CremationScreen(lumenta::Estimate& estimate, QWidget* parent)
    : TPanel(parent), estimate_(estimate), ui_(std::make_unique<Ui::PnlMainKaso>())
{
    ui_->setupUi(this);
    namespace prices = lumenta::prices;
    ui_->ChkDiscount->setText(tableText(prices::discountBoxCaption()));
    ui_->LblKaso->setText(tableText(lumenta::withPrices(prices::kChildCremationLabel, {prices::kChildCremationFee})));
    const struct {
        TSsEdit* field;
        lumenta::Slot slot;
    } charges[] = {{ui_->SsEditKaso, lumenta::Slot::cremationFee},
                   {ui_->SsEditTubo, lumenta::Slot::urnFee},
                   {ui_->SsEditKokoro, lumenta::Slot::gratuitiesFee}};
    for (const auto& c : charges)
        c.field->setText(tableText(lumenta::formatYen(prices::fixedCharge(c.slot))));
    screens::setUpForm(this);
    setUpSummaryGrid(*ui_->StrColGrid1);

    for (QRadioButton* after : {ui_->RBtnAto1, ui_->RBtnAto2})
        connect(after, &QRadioButton::clicked, this, &CremationScreen::AtoClick);
}

CremationScreen::~CremationScreen() = default;

void CremationScreen::attachControls(QtEstimateView& view) const
{
    ATTACH_CONTROL(view, *ui_, SsEditKaso);
    ATTACH_CONTROL(view, *ui_, SsEditTubo);
    ATTACH_CONTROL(view, *ui_, SsEditKokoro);
    ATTACH_CONTROL(view, *ui_, SsEditAto);
    ATTACH_CONTROL(view, *ui_, SsEditGokei);
    ATTACH_CONTROL(view, *ui_, StrColGrid1);
}

void CremationScreen::AtoClick()
{
    if (const auto wanted = yesOrNo(ui_->RBtnAto1, ui_->RBtnAto2))
        estimate_.chooseAfterAltar(*wanted);
}

TplButton* CremationScreen::calculateButton() const { return ui_->plBntCal; }

QAbstractButton* CremationScreen::discountBox() const { return ui_->ChkDiscount; }

TSsEdit* CremationScreen::totalField() const { return ui_->SsEditGokei; }
std::vector<QWidget*> CremationScreen::summaryPanels() const { return {ui_->PnlList, ui_->PnlGokei, ui_->PnlGoukei}; }
