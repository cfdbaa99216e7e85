#pragma once

#include "HeaderBar.h"
#include "PrintWay.h"
#include "QtEstimateView.h"
#include "ScreenFactory.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class ClientArea;
class ControlStates;
class EstimateOpener;
class WindowMenu;
class KeyboardShortcuts;
class PriceAnnouncer;
class PrintMenu;
class QAbstractButton;
class QScreen;
class QTimer;
class TSsEdit;

namespace lumenta {
class Estimate;
struct EstimateRecord;
struct Refusal;
} // namespace lumenta

// The main window: the header bar, the start screen and the five step
// screens stacked under it, and every handler that moves between them.
class TFormMain : public QWidget {
    Q_OBJECT
public:
    explicit TFormMain(QWidget* parent = nullptr);
    ~TFormMain() override;

    const lumenta::Estimate& estimate() const { return *estimate_; }
    // The estimate shows itself on the step screens: whoever is about to
    // change it gets them built first.
    lumenta::Estimate& estimate()
    {
        buildSteps();
        return *estimate_;
    }
    // How a web page is opened; the default hands it to the desktop's
    // browser. The opener returns false when no browser took the page.
    void setUrlOpener(std::function<bool(const QUrl&)> opener) { openUrl_ = std::move(opener); }
    // The first frame shows only the header and the start screen; the step
    // screens are built right after it. Whatever needs them sooner builds
    // them here; a second call does nothing.
    void buildSteps();
    bool stepsBuilt() const { return screens_.stepsBuilt(); }
    // The print button's menu of the other ways to send the sheet.
    PrintMenu* printMenu() const { return printMenu_; }
    // The window's menu: opening an estimate and the ways of sending the sheet.
    WindowMenu* windowMenu() const { return windowMenu_; }
    // Opens saved estimates (the dialog, drops, the command line).
    EstimateOpener* opener() const { return opener_; }

    // Replaces the estimate on screen with a recorded one, once the user
    // agrees when the window holds choices: the window is made fresh, each
    // choice is made through its control and rule, the total is calculated
    // when the record has one (and compared with it), and step 5 is shown.
    void openEstimate(const lumenta::EstimateRecord& record, const QString& fileName);

public slots:
    void plBtnStartClick();
    void plBtnBashoClick() { showStep(0, pressReason()); }
    void plBtnJunbiClick() { showStep(1, pressReason()); }
    void plBtnTuyaClick() { showStep(2, pressReason()); }
    void plBtnKokuClick() { showStep(3, pressReason()); }
    void plBtnKasoClick() { showStep(4, pressReason()); }
    void plBtnCloseClick();
    void PnlCM1Click();
    void plButton1Click();
    // Alt+G: step 5, with the keyboard focus on the total, where a screen
    // reader reads it again; nothing on the start screen.
    void showTotal();
    // "計算": true when the total could be made; otherwise the user has been
    // told which item is missing and its step is shown.
    bool plBntCalClick();
    void ChkDiscountClick(bool checked);
    // "印 刷": recalculates and, when that succeeds, asks for the sheet.
    void plBtnPrintClick();
    // The print button's menu: recalculates and, when that succeeds, asks
    // for the sheet to go that way.
    void sendSheet(lumenta::report::PrintWay way);

    // The pointer entered or left one of the header or start buttons: the
    // button's two gradient colours change places.
    void plBtnStartMouseEnter(QObject* sender);
    void plBtnStartMouseLeave(QObject* sender) { plBtnStartMouseEnter(sender); }

signals:
    // A calculation for printing succeeded: the sheet can be filled and printed.
    void printRequested();
    // The same, for the other ways of the print button's menu.
    void sheetRequested(lumenta::report::PrintWay way);
    // The step screens are built, right after the first frame: what that
    // frame does not show can be made now.
    void stepsReady();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Step 1 lies under the start screen: Tab must not wander into it unseen.
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void placeSteps();
    void fitToChildren();
    void placeOnScreen();
    void placeWhenFramed();
    void showStartButton();
    void followScreen(QScreen* screen);
    void connectHeader();
    void connectStart();
    void connectSteps();
    // Shows step screen index and moves the keyboard focus onto it, for
    // the given reason: a key's focus is scrolled into view, a click's not.
    void showStep(int index, Qt::FocusReason reason);
    // Where the focus goes on a step just shown: the control that had it
    // when the step was last left, else the step's first choice.
    void focusStep(int index, Qt::FocusReason reason);
    // A button pressed by its key moves the focus as a key does.
    Qt::FocusReason pressReason() const;
    void focusField(TSsEdit* field);
    // Opens a web page; when no browser takes it, the user is told so.
    void openPage(const char* address);
    // Shows the warning of a refused calculation and moves to the item's step.
    bool report(const lumenta::Refusal* refusal);
    bool mayReplace(const QString& fileName);
    void tellOpened(const lumenta::EstimateRecord& record, const QString& fileName);

    Screens screens_;
    QtEstimateView view_;
    std::unique_ptr<lumenta::Estimate> estimate_;
    HeaderBar header_;
    QSize contentSize_;
    ClientArea* area_ = nullptr;
    QTimer* refit_ = nullptr;
    QMetaObject::Connection screenResized_;
    QMetaObject::Connection workAreaChanged_;
    int frameLooks_ = 0;
    bool shown_ = false;
    bool buildingSteps_ = false;
    bool buildQueued_ = false;
    std::function<bool(const QUrl&)> openUrl_;
    std::unique_ptr<KeyboardShortcuts> shortcuts_;
    std::array<QPointer<QWidget>, 5> lastFocus_;
    std::array<QPoint, 5> lastPosition_{};
    PrintMenu* printMenu_ = nullptr;
    WindowMenu* windowMenu_ = nullptr;
    EstimateOpener* opener_ = nullptr;
    // The step screens' controls as the reset left them.
    std::unique_ptr<ControlStates> fresh_;
    PriceAnnouncer* prices_ = nullptr;
};
