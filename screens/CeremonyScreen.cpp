#include "Estimate.h"

#include "CeremonyScreen.h"
#include "FormSetup.h"
#include "ui_PnlMainKoku.h"

CeremonyScreen::CeremonyScreen(lumenta::Estimate& estimate, QWidget* parent)
    : TPanel(parent), estimate_(estimate), ui_(std::make_unique<Ui::PnlMainKoku>())
{
    ui_->setupUi(this);
    screens::setUpForm(this);

    for (QComboBox* list : {ui_->CBoxKokuRyori, ui_->CBoxKokuRyoriKazu})
        connect(list, &QComboBox::currentIndexChanged, this, &CeremonyScreen::CBoxKokuRyoriChange);
    for (QRadioButton* hearse : {ui_->RBtnReikyu1, ui_->RBtnReikyu2, ui_->RBtnReikyu3})
        connect(hearse, &QRadioButton::clicked, this, &CeremonyScreen::RBtnReikyuClick);
}

CeremonyScreen::~CeremonyScreen() = default;

void CeremonyScreen::CBoxKokuRyoriChange()
{
    estimate_.chooseCeremonyFood(ui_->CBoxKokuRyori->currentIndex(), ui_->CBoxKokuRyoriKazu->currentIndex());
}

void CeremonyScreen::RBtnReikyuClick()
{
    const QRadioButton* buttons[] = {ui_->RBtnReikyu1, ui_->RBtnReikyu2, ui_->RBtnReikyu3};
    for (int kind = 1; kind <= 3; ++kind) {
        if (buttons[kind - 1]->isChecked()) {
            // The price depends on the hall chosen on step 1.
            estimate_.chooseHearse(kind, estimate_.chosenHall());
            return;
        }
    }
}
