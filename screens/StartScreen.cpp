#include "StartScreen.h"
#include "ui_PnlMainTop.h"

#include "BuiltInPicture.h"
#include "FormSetup.h"
#include "MemoLayout.h"

StartScreen::StartScreen(QWidget* parent) : TPanel(parent), ui_(std::make_unique<Ui::PnlMainTop>())
{
    ui_->setupUi(this);
    screens::applyPixelFonts(this);
    layOutMemos(this);
    ui_->ImgTop->setPixmap(builtInPicture(QStringLiteral("ImgTop"), ui_->ImgTop));
    // The picture and the two texts take no input, but keep their full
    // colours: a disabled widget would draw them greyed out.
    for (QWidget* area : {static_cast<QWidget*>(ui_->PnlMainTop1), static_cast<QWidget*>(ui_->PnlMainTop21)})
        area->setAttribute(Qt::WA_TransparentForMouseEvents);
}

StartScreen::~StartScreen() = default;

TplButton* StartScreen::startButton() const { return ui_->plBtnStart; }
