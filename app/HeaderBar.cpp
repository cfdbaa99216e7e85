#include "HeaderBar.h"

#include "BuiltInPicture.h"
#include "HeaderButton.h"
#include "Panel.h"
#include "ServiceSlogan.h"
#include "UiFont.h"
#include "WebPages.h"
#include "plButton.h"

#include <QLabel>

namespace {

const QColor kOrange(255, 140, 0);
const QColor kCream(255, 251, 240);

void setTextColour(QWidget* w, const QColor& colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, colour);
    w->setPalette(pal);
}

TPanel* panel(const char* name, const QRect& geometry, QWidget* parent)
{
    auto* p = new TPanel(parent);
    p->setObjectName(name);
    p->setGeometry(geometry);
    return p;
}

QLabel* label(const char* name, const QString& text, const QPoint& at, const QFont& font, const QColor& colour,
              QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(font);
    setTextColour(l, colour);
    l->move(at);
    return l;
}

// A label as large as its text, measured once: a label's own size hint lays
// its text out three times.
QLabel* sizedToText(QLabel* l)
{
    l->resize(l->fontMetrics().size(0, l->text()));
    return l;
}

void buildBanner(HeaderBar& h)
{
    h.PnlCM1 = panel("PnlCM1", QRect(4, 4, 289, 74), h.PnlInfo);
    h.PnlCM1->setColor(kOrange);
    h.PnlCM1->setCursor(Qt::PointingHandCursor);
    h.PnlIcon = panel("PnlIcon", QRect(15, 11, 52, 52), h.PnlCM1);
    h.PnlIcon->setBevelOuter(TPanel::bvLowered);
    h.PnlIcon->setColor(kCream);
    h.ImgIcon = new QLabel(h.PnlIcon);
    h.ImgIcon->setObjectName("ImgIcon");
    h.ImgIcon->setGeometry(2, 2, 48, 48);
    // The maker's icon is one of the built-in pictures, drawn for the screen's
    // device pixel ratio like the others.
    h.ImgIcon->setProperty(kPictureProperty, QStringLiteral("ImgIcon"));
    h.ImgIcon->setPixmap(builtInPicture(QStringLiteral("ImgIcon"), h.ImgIcon));
    h.bannerLabels = {
        sizedToText(label("LblCM1", kServiceSlogan, {79, 9}, uiFont(15), Qt::white, h.PnlCM1)),
        sizedToText(label("LblCM2", "家族葬のヴェルモラ", {94, 27}, uiFont(21, true), Qt::white, h.PnlCM1)),
        sizedToText(label("LblCM3", kMakerHomePage, {107, 47}, uiFont(13), Qt::white, h.PnlCM1)),
    };
}

void buildStepStrip(HeaderBar& h)
{
    h.PnlFlow = panel("PnlFlow", QRect(298, 7, 439, 68), h.PnlInfo);
    h.PnlFlow->setBevelOuter(TPanel::bvLowered);
    h.PnlFlow->setFont(uiFont(15));
    setTextColour(h.PnlFlow, Qt::black);
    struct Step { const char* name; const char* caption; int left; };
    static const Step steps[] = {
        {"plBtnBasho", "1.場所", 10}, {"plBtnJunbi", "2.準備", 98}, {"plBtnTuya", "3.通夜", 187},
        {"plBtnKoku", "4.告別式", 275}, {"plBtnKaso", "5.火葬", 364},
    };
    for (std::size_t i = 0; i < h.steps.size(); ++i) {
        h.steps[i] = headerButton(steps[i].name, steps[i].caption, {}, QRect(steps[i].left, 9, 67, 50), h.PnlFlow);
        h.steps[i]->setEnabled(false);
    }
    static const struct { const char* name; int left; } arrows[] = {
        {"LblFlow1", 64}, {"LblFlow2", 152}, {"LblFlow3", 240}, {"LblFlow4", 329},
    };
    for (const auto& a : arrows) {
        QLabel* l = label(a.name, "＞", {a.left, 28}, uiFont(20, true), Qt::black, h.PnlFlow);
        l->setAlignment(Qt::AlignCenter);
        l->resize(50, 15);
        // The box reaches under the next button: it lies beneath the buttons
        // and lets their clicks through.
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        l->lower();
    }
}

void buildCommands(HeaderBar& h)
{
    h.PnlInfo1 = panel("PnlInfo1", QRect(741, 7, 254, 68), h.PnlInfo);
    h.PnlInfo1->setBevelOuter(TPanel::bvLowered);
    h.PnlInfo1->setFont(uiFont(15));
    setTextColour(h.PnlInfo1, Qt::black);

    h.plButton1 = headerButton("plButton1", "ｿﾌﾄ説明", "のHPを開く", QRect(9, 9, 70, 50), h.PnlInfo1);
    h.plButton1->setFont(uiFont(13));
    h.plButton1->setCaptionLineSpace(2);
    h.plButton1->setCaptionTop(12);
    h.plBtnPrint = headerButton("plBtnPrint", "印 刷", {}, QRect(87, 9, 70, 50), h.PnlInfo1);
    h.plBtnPrint->setEnabled(false);
    TPanel* bar = panel("PnlInfo11", QRect(165, 7, 3, 54), h.PnlInfo1);
    bar->setBevelOuter(TPanel::bvRaised);
    h.plBtnClose = headerButton("plBtnClose", "閉じる", {}, QRect(175, 9, 70, 50), h.PnlInfo1);
    for (TplButton* b : {h.plButton1, h.plBtnPrint, h.plBtnClose})
        b->setGradColor(2, kCommandEndColor);
}

} // namespace

HeaderBar buildHeaderBar(QWidget* form)
{
    HeaderBar h;
    h.PnlInfo = panel("PnlInfo", QRect(0, -1, 1001, 82), form);
    h.PnlInfo->setColor(kOrange);
    h.PnlInfo->setFont(uiFont(15));
    setTextColour(h.PnlInfo, Qt::white);
    buildBanner(h);
    buildStepStrip(h);
    buildCommands(h);
    return h;
}
