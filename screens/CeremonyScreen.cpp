#include "CeremonyScreen.h"

#include "ButtonChoice.h"
#include "Estimate.h"
#include "FormSetup.h"
#include "PriceTables.h"
#include "QtEstimateView.h"
#include "TableText.h"
#include "ui_PnlMainKoku.h"

CeremonyScreen::CeremonyScreen(lumenta::Estimate& estimate, QWidget* parent)
    : TPanel(parent), estimate_(estimate), ui_(std::make_unique<Ui::PnlMainKoku>())
{
    ui_->setupUi(this);
    namespace prices = lumenta::prices;
    for (const auto& dish : prices::kDishes)
        ui_->CBoxKokuRyori->addItem(tableText(prices::entryText(dish)));
    ui_->CBoxKokuRyori->setCurrentIndex(-1);
    // Until a hall is chosen, the hearses show the prices of most halls.
    QRadioButton* hearses[] = {ui_->RBtnReikyu1, ui_->RBtnReikyu2, ui_->RBtnReikyu3};
    for (std::size_t i = 0; i < prices::kHearses.size(); ++i)
        hearses[i]->setText(tableText(prices::captionAt(prices::kHearses[i], false)));
    ui_->SsEditKokuShikai->setText(tableText(lumenta::formatYen(prices::fixedCharge(lumenta::Slot::ceremonyMcFee))));
    screens::setUpForm(this);

    for (QComboBox* list : {ui_->CBoxKokuRyori, ui_->CBoxKokuRyoriKazu})
        connect(list, &QComboBox::currentIndexChanged, this, &CeremonyScreen::CBoxKokuRyoriChange);
    for (QRadioButton* hearse : {ui_->RBtnReikyu1, ui_->RBtnReikyu2, ui_->RBtnReikyu3})
        connect(hearse, &QRadioButton::clicked, this, &CeremonyScreen::RBtnReikyuClick);
}

CeremonyScreen::~CeremonyScreen() = default;

void CeremonyScreen::attachControls(QtEstimateView& view) const
{
    ATTACH_CONTROL(view, *ui_, SsEditKokuRyori);
    ATTACH_CONTROL(view, *ui_, SsEditKokuHaizen);
    ATTACH_CONTROL(view, *ui_, ImgKokuRyori);
    ATTACH_CONTROL(view, *ui_, SsEditKokuShikai);
    ATTACH_CONTROL(view, *ui_, SsEditReikyu);
    ATTACH_CONTROL(view, *ui_, ImgReikyu);
    ATTACH_CONTROL(view, *ui_, RBtnReikyu1);
    ATTACH_CONTROL(view, *ui_, RBtnReikyu2);
    ATTACH_CONTROL(view, *ui_, RBtnReikyu3);
}

void CeremonyScreen::CBoxKokuRyoriChange()
{
    estimate_.chooseCeremonyFood(ui_->CBoxKokuRyori->currentIndex(), ui_->CBoxKokuRyoriKazu->currentIndex());
}

void CeremonyScreen::RBtnReikyuClick()
{
    // RBtnReikyu1 ... RBtnReikyu3 are kinds 1 to 3; the price depends on
    // the hall chosen on step 1.
    const int place = checkedPlace({ui_->RBtnReikyu1, ui_->RBtnReikyu2, ui_->RBtnReikyu3});
    if (place >= 0)
        estimate_.chooseHearse(place + 1, estimate_.chosenHall());
}
