#include "WakeScreen.h"

#include "ButtonChoice.h"
#include "Estimate.h"
#include "FormSetup.h"
#include "PriceTables.h"
#include "QtEstimateView.h"
#include "TableText.h"
#include "ui_PnlMainTuya.h"

WakeScreen::WakeScreen(lumenta::Estimate& estimate, QWidget* parent)
    : TPanel(parent), estimate_(estimate), ui_(std::make_unique<Ui::PnlMainTuya>())
{
    ui_->setupUi(this);
    namespace prices = lumenta::prices;
    ui_->LblSeika3->setText(tableText(lumenta::withPrices(prices::kStandLabel, {prices::kChrysanthemumStand})));
    ui_->LblSeika4->setText(tableText(lumenta::withPrices(prices::kStandLabel, {prices::kWesternStand})));
    ui_->SsEditTuyaShikai->setText(tableText(lumenta::formatYen(prices::fixedCharge(lumenta::Slot::wakeMcFee))));
    screens::setUpForm(this);

    // The rules run on the user's changes only: what the estimate shows is
    // set with the controls' signals blocked.
    for (QComboBox* flowers : {ui_->CBoxSeika1, ui_->CBoxSeika2})
        connect(flowers, &QComboBox::currentIndexChanged, this, &WakeScreen::CBoxSeikaChange);
    for (QRadioButton* reception : {ui_->RBtnUke1, ui_->RBtnUke2})
        connect(reception, &QRadioButton::clicked, this, &WakeScreen::UketukeClick);
    connect(ui_->RBtnGrpTuyaRyori, &TRadioGroup::clicked, this, &WakeScreen::RBtnGrpTuyaRyoriClick);
    connect(ui_->ChkTuyaryori, &QCheckBox::clicked, this, &WakeScreen::RBtnGrpTuyaRyoriClick);
}

WakeScreen::~WakeScreen() = default;

void WakeScreen::attachControls(QtEstimateView& view) const
{
    ATTACH_CONTROL(view, *ui_, SsEditSeika);
    ATTACH_CONTROL(view, *ui_, SsEditUketuke);
    ATTACH_CONTROL(view, *ui_, SsEditTuyaShikai);
    ATTACH_CONTROL(view, *ui_, SsEditTuyaRyori);
    ATTACH_CONTROL(view, *ui_, SsEditTuyaHaizen);
    ATTACH_CONTROL(view, *ui_, ChkTuyaryori);
}

void WakeScreen::CBoxSeikaChange()
{
    // The number of stands is the entry's index.
    estimate_.chooseFlowers(ui_->CBoxSeika1->currentIndex(), ui_->CBoxSeika2->currentIndex());
}

void WakeScreen::UketukeClick()
{
    if (const auto wanted = yesOrNo(ui_->RBtnUke1, ui_->RBtnUke2))
        estimate_.chooseReception(*wanted);
}

void WakeScreen::RBtnGrpTuyaRyoriClick()
{
    estimate_.chooseWakeFood(ui_->RBtnGrpTuyaRyori->itemIndex(), ui_->ChkTuyaryori->isChecked());
}
