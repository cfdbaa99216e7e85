#include "PreparationScreen.h"

#include "Estimate.h"
#include "PriceTables.h"
#include "QtEstimateView.h"
#include "ui_PnlMainJunbi.h"

#include "ButtonChoice.h"
#include "FormSetup.h"
#include "TableText.h"

namespace {

template <class Options>
QStringList entries(const Options& options)
{
    QStringList list;
    for (const auto& option : options)
        list << tableText(option.entry);
    return list;
}

} // namespace

PreparationScreen::PreparationScreen(lumenta::Estimate& estimate, QWidget* parent)
    : TPanel(parent), estimate_(estimate), ui_(std::make_unique<Ui::PnlMainJunbi>())
{
    ui_->setupUi(this);
    ui_->RBtnGrpHitugi->setItems(entries(lumenta::prices::kCoffins));
    ui_->RBtnGrpSaidan->setItems(entries(lumenta::prices::kAltars));
    for (const auto& kind : lumenta::prices::kGiftKinds)
        ui_->CBoxHenrei1->addItem(tableText(lumenta::prices::entryText(kind)));
    ui_->CBoxHenrei1->setCurrentIndex(-1);
    ui_->LblHenrei2->setText(tableText(lumenta::withPrices(lumenta::prices::kLetterLabel, {lumenta::prices::kLetterPrice})));
    screens::setUpForm(this);

    connect(ui_->RBtnGrpHitugi, &TRadioGroup::clicked, this, &PreparationScreen::RBtnHitugiClick);
    connect(ui_->RBtnGrpSaidan, &TRadioGroup::clicked, this, &PreparationScreen::RBtnGrpSaidanClick);
    for (QRadioButton* b : {ui_->RBtnKesho1, ui_->RBtnKesho2})
        connect(b, &QRadioButton::clicked, this, &PreparationScreen::Kesho1Click);
    for (QRadioButton* b : {ui_->RBtnIei1, ui_->RBtnIei2})
        connect(b, &QRadioButton::clicked, this, &PreparationScreen::IeiClick);
    // Every new selection in any of the three lists prices gifts and letters
    // together. The rule's own reset of the gift count comes with the list's
    // signals blocked, so it does not run the rule a second time.
    for (QComboBox* list : {ui_->CBoxHenrei1, ui_->CBoxHenrei2, ui_->CBoxReijo})
        connect(list, &QComboBox::currentIndexChanged, this, &PreparationScreen::CBoxHenreiChange);
}

PreparationScreen::~PreparationScreen() = default;

void PreparationScreen::attachControls(QtEstimateView& view) const
{
    ATTACH_CONTROL(view, *ui_, SsEditHitugi);
    ATTACH_CONTROL(view, *ui_, ImgHitugi1);
    ATTACH_CONTROL(view, *ui_, SsEditSaidan);
    ATTACH_CONTROL(view, *ui_, ImgSaidan1);
    ATTACH_CONTROL(view, *ui_, SsEditKesho);
    ATTACH_CONTROL(view, *ui_, SsEditIei);
    ATTACH_CONTROL(view, *ui_, SsEditHenrei);
    ATTACH_CONTROL(view, *ui_, Imghenrei);
    ATTACH_CONTROL(view, *ui_, LblImgHenrei);
    ATTACH_CONTROL(view, *ui_, CBoxHenrei2);
}

void PreparationScreen::RBtnHitugiClick() { estimate_.chooseCoffin(ui_->RBtnGrpHitugi->itemIndex()); }

void PreparationScreen::RBtnGrpSaidanClick() { estimate_.chooseAltar(ui_->RBtnGrpSaidan->itemIndex()); }

void PreparationScreen::Kesho1Click()
{
    if (const auto wanted = yesOrNo(ui_->RBtnKesho1, ui_->RBtnKesho2))
        estimate_.chooseMakeup(*wanted);
}

void PreparationScreen::IeiClick()
{
    if (const auto wanted = yesOrNo(ui_->RBtnIei1, ui_->RBtnIei2))
        estimate_.choosePortrait(*wanted);
}

void PreparationScreen::CBoxHenreiChange()
{
    estimate_.chooseReturnGifts(ui_->CBoxHenrei1->currentIndex(), ui_->CBoxHenrei2->currentIndex(),
                                ui_->CBoxReijo->currentIndex());
}
