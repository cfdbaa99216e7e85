#include "PlaceScreen.h"

#include "Estimate.h"
#include "ui_PnlMainBasho.h"

#include "ButtonChoice.h"
#include "FormSetup.h"
#include "QtEstimateView.h"

PlaceScreen::PlaceScreen(lumenta::Estimate& estimate, QWidget* parent) : TPanel(parent), estimate_(estimate), ui_(std::make_unique<Ui::PnlMainBasho>())
{
    ui_->setupUi(this);
    screens::setUpForm(this);
    // The note on the map appears only when a change of hall undid the hearse.
    ui_->LblMapNote->hide();

    for (QRadioButton* hall : {ui_->RBtnMap1, ui_->RBtnMap2, ui_->RBtnMap3, ui_->RBtnMap4, ui_->RBtnMap5, ui_->RBtnMap6}) {
        // A button fills its background with the button face; the hall
        // buttons stand on the map's grey, which their form gives as their
        // window colour.
        hall->setBackgroundRole(QPalette::Window);
        connect(hall, &QRadioButton::clicked, this, &PlaceScreen::RBtnMapClick);
    }
    // Only the user's own pick runs a rule.
    connect(ui_->CBoxHanso, &QComboBox::activated, this, &PlaceScreen::CBoxHansoClick);
    connect(ui_->CBoxHokan, &QComboBox::activated, this, &PlaceScreen::CBoxHokanClick);
    for (QRadioButton* b : {ui_->RBtnShindan1, ui_->RBtnShindan2})
        connect(b, &QRadioButton::clicked, this, &PlaceScreen::RBtnShindanClick);
}

PlaceScreen::~PlaceScreen() = default;

void PlaceScreen::attachControls(QtEstimateView& view) const
{
    ATTACH_CONTROL(view, *ui_, SsEditMap);
    ATTACH_CONTROL(view, *ui_, LblMapInfo1);
    ATTACH_CONTROL(view, *ui_, LblMapInfo);
    ATTACH_CONTROL(view, *ui_, LblMapNote);
    ATTACH_CONTROL(view, *ui_, SsEditHanso);
    ATTACH_CONTROL(view, *ui_, SsEditHokan);
    ATTACH_CONTROL(view, *ui_, LblHokan);
    ATTACH_CONTROL(view, *ui_, SsEditShindan);
}

void PlaceScreen::RBtnMapClick()
{
    // RBtnMap1 ... RBtnMap6 are halls 1 to 6.
    const int place = checkedPlace(
        {ui_->RBtnMap1, ui_->RBtnMap2, ui_->RBtnMap3, ui_->RBtnMap4, ui_->RBtnMap5, ui_->RBtnMap6});
    if (place >= 0)
        estimate_.chooseHall(place + 1);
}

void PlaceScreen::CBoxHansoClick() { estimate_.chooseDistance(ui_->CBoxHanso->currentIndex()); }

void PlaceScreen::CBoxHokanClick() { estimate_.chooseStorage(ui_->CBoxHokan->currentIndex()); }

void PlaceScreen::RBtnShindanClick()
{
    if (const auto byProxy = yesOrNo(ui_->RBtnShindan1, ui_->RBtnShindan2))
        estimate_.chooseProcedures(*byProxy);
}
