#include "ScreenFactory.h"

#include "HeaderButton.h"
#include "Panel.h"
#include "SsEdit.h"
#include "StrCGrid.h"
#include "plButton.h"

#include <QCheckBox>
#include <QLabel>

// Stand-in screens: named, empty panels carrying only the controls the main
// window itself drives. The real screen classes replace them here.

namespace {

TPanel* screenPanel(const char* name, QWidget* parent)
{
    auto* panel = new TPanel(parent);
    panel->setObjectName(name);
    panel->resize(1000, 655);
    return panel;
}

TplButton* commandButton(const char* name, const QString& caption, const QRect& geometry, QWidget* parent)
{
    TplButton* button = headerButton(name, caption, {}, geometry, parent);
    button->setGradColor(2, kCommandEndColor);
    return button;
}

QWidget* startScreen(QWidget* parent)
{
    TPanel* top = screenPanel("PnlMainTop", parent);
    auto* right = new TPanel(top);
    right->setObjectName("PnlMainTop2");
    right->setGeometry(505, 17, 487, 630);
    TplButton* start = commandButton("plBtnStart", "見積りを開始します", QRect(107, 546, 270, 50), right);
    QFont font = start->font();
    font.setPixelSize(16);
    start->setFont(font);
    return top;
}

QWidget* placeScreen(QWidget* parent)
{
    TPanel* panel = screenPanel("PnlMainBasho", parent);
    for (const char* name : {"LblMapInfo1", "LblMapInfo"}) {
        auto* label = new QLabel(name, panel);
        label->setObjectName(name);
    }
    return panel;
}

QWidget* cremationScreen(QWidget* parent)
{
    TPanel* panel = screenPanel("PnlMainKaso", parent);
    auto* grid = new TStrColGrid(panel);
    grid->setObjectName("StrColGrid1");
    grid->setRowCount(26);
    grid->setDefaultRowHeight(19);
    grid->setGeometry(5, 5, 479, 525);
    commandButton("plBntCal", "計算", QRect(504 + 216, 579 + 9, 70, 52), panel);
    auto* discount = new QCheckBox("総額より５％引き", panel);
    discount->setObjectName("ChkDiscount");
    discount->setGeometry(504 + 7 + 32, 579 + 9 + 28, 137, 17);
    auto* total = new TSsEdit(panel);
    total->setObjectName("SsEditGokei");
    total->setGeometry(802 + 69, 579 + 22, 116, 27);
    return panel;
}

} // namespace

Screens createScreens(lumenta::Estimate&, QWidget* parent)
{
    Screens s;
    s.steps[0] = placeScreen(parent);
    s.steps[1] = screenPanel("PnlMainJunbi", parent);
    s.steps[2] = screenPanel("PnlMainTuya", parent);
    s.steps[3] = screenPanel("PnlMainKoku", parent);
    s.steps[4] = cremationScreen(parent);
    s.pictures = screenPanel("PnlImg", parent);
    s.top = startScreen(parent);
    s.picture = [](const QString&) { return QPixmap(); };
    return s;
}
