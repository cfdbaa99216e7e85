#pragma once

#include <array>

class QLabel;
class QWidget;
class TPanel;
class TplButton;

// The orange bar across the top of the main window: the maker's banner, the
// strip of five step buttons and the command buttons.
struct HeaderBar {
    TPanel* PnlInfo = nullptr;
    TPanel* PnlCM1 = nullptr;
    TPanel* PnlIcon = nullptr;
    QLabel* ImgIcon = nullptr;
    std::array<QLabel*, 3> bannerLabels{};   // LblCM1, LblCM2, LblCM3
    TPanel* PnlFlow = nullptr;
    std::array<TplButton*, 5> steps{};       // plBtnBasho ... plBtnKaso
    TPanel* PnlInfo1 = nullptr;
    TplButton* plButton1 = nullptr;
    TplButton* plBtnPrint = nullptr;
    TplButton* plBtnClose = nullptr;
};

// Builds the header bar on the main window.
HeaderBar buildHeaderBar(QWidget* form);
