#include "Estimate.h"

#include "CremationScreen.h"
#include "FormSetup.h"
#include "SummaryGridLook.h"
#include "ui_PnlMainKaso.h"

CremationScreen::CremationScreen(lumenta::Estimate& estimate, QWidget* parent)
    : TPanel(parent), estimate_(estimate), ui_(std::make_unique<Ui::PnlMainKaso>())
{
    ui_->setupUi(this);
    screens::setUpForm(this);
    setUpSummaryGrid(*ui_->StrColGrid1);

    for (QRadioButton* after : {ui_->RBtnAto1, ui_->RBtnAto2})
        connect(after, &QRadioButton::clicked, this, &CremationScreen::AtoClick);
}

CremationScreen::~CremationScreen() = default;

void CremationScreen::AtoClick()
{
    if (ui_->RBtnAto1->isChecked())
        estimate_.chooseAfterAltar(true);
    else if (ui_->RBtnAto2->isChecked())
        estimate_.chooseAfterAltar(false);
}
