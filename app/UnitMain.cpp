#include "UnitMain.h"

#include "AccessibleNames.h"
#include "BuiltInPicture.h"
#include "ChoicesOnScreen.h"
#include "ClientArea.h"
#include "ControlStates.h"
#include "Estimate.h"
#include "EstimateOpener.h"
#include "EstimateRecord.h"
#include "KeyboardShortcuts.h"
#include "Panel.h"
#include "PriceAnnouncer.h"
#include "PrintMenu.h"
#include "ProgramAccessibility.h"
#include "ReaderTables.h"
#include "ShownToReader.h"
#include "SpokenText.h"
#include "SsEdit.h"
#include "TabOrder.h"
#include "UiFont.h"
#include "WebPages.h"
#include "WindowMenu.h"
#include "WindowPlacement.h"
#include "plButton.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

namespace {

struct ColourPair {
    QColor top;
    QColor bottom;
};
const ColourPair kActive{QColor(245, 255, 234), QColor(95, 216, 0)};
const ColourPair kInactive{Qt::white, QColor(192, 192, 192)};

// The step screens are built after the first frame, and this long after
// the first show at the latest.
constexpr auto kLatestStepBuild = std::chrono::milliseconds(250);
// The window system frames a new window a moment after it is shown; its
// frame is looked for this often, this many times at most.
constexpr auto kFramePoll = std::chrono::milliseconds(40);
constexpr int kFrameLooks = 25;
// A change of screen comes as several signals (size, then work area, as the
// desktop's panels follow): the window is fitted again once they stop.
constexpr auto kRefitDelay = std::chrono::milliseconds(100);

void paint(TplButton* button, const ColourPair& pair)
{
    button->setGradColor(1, pair.top);
    button->setGradColor(2, pair.bottom);
}

} // namespace

TFormMain::TFormMain(QWidget* parent)
    : QWidget(parent),
      view_([this](const QString& name) { return screens_.picture ? screens_.picture(name) : QPixmap(); }),
      estimate_(std::make_unique<lumenta::Estimate>(view_)),
      openUrl_([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
    FormCreate();
}

TFormMain::~TFormMain() = default;

void TFormMain::FormCreate()
{
    installProgramAccessibility();
    setObjectName("FormMain");
    // A fixed window: no maximise button, which would only add an empty area.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    const lumenta::ProductInfo& product = estimate_->state().product;
    setWindowTitle(QString::fromStdString(product.appTitle + " ver." + product.appVersion));
    setFont(uiFont(15));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);

    area_ = new ClientArea(this);
    header_ = buildHeaderBar(area_->content());
    ATTACH_CONTROL(view_, header_, plBtnPrint);
    createStartScreen(area_->content(), screens_);
    screens_.top->move(0, 81);
    // Where the window scrolls, the header bar stays in view above the screens.
    area_->pinToTop(header_.PnlInfo);
    header_.PnlInfo->installEventFilter(this); // for its first paint
    connectHeader();
    connectStart();
    nameControls(this);
    prices_ = new PriceAnnouncer(this);
    shortcuts_ = std::make_unique<KeyboardShortcuts>(this);
    shortcuts_->takeButtons(header_, screens_);
    printMenu_ = new PrintMenu(header_.plBtnPrint, this, [this](lumenta::report::PrintWay way) { sendSheet(way); });
    shortcuts_->onUnusable([this](keys::Button button) {
        if (button == keys::Button::plBtnPrint)
            printMenu_->tellNotYet();
    });
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_G), this), &QShortcut::activated, this, &TFormMain::showTotal);
    opener_ = new EstimateOpener(
        this, [this](const lumenta::EstimateRecord& record, const QString& name) { openEstimate(record, name); });
    windowMenu_ = new WindowMenu(this, QList<QAction*>{opener_->action(), nullptr} + printMenu_->actions());
    fitToChildren();
    refit_ = new QTimer(this);
    refit_->setSingleShot(true);
    refit_->setInterval(kRefitDelay);
    connect(refit_, &QTimer::timeout, this, &TFormMain::placeOnScreen);
    placeOnScreen();
}

void TFormMain::buildSteps()
{
    if (screens_.stepsBuilt() || buildingSteps_)
        return;
    buildingSteps_ = true;
    createStepScreens(*estimate_, view_, area_->content(), screens_);
    shortcuts_->takeButtons(header_, screens_);
    // Every control of the estimate and every key has its widget now.
    view_.reportMissing();
    shortcuts_->reportMissing();
    placeSteps();
    connectSteps();
    setReadingTabOrder(screens_);
    // A screen reader names the step the focus enters (「2.準備」), by its button.
    for (std::size_t i = 0; i < header_.steps.size(); ++i)
        screens_.steps[i]->setAccessibleName(header_.steps[i]->captionA());
    new ReaderTables(
        {findChild<QWidget*>(QStringLiteral("ImgShukyosha")), findChild<QWidget*>(QStringLiteral("StrColGrid1"))},
        [this](const std::vector<QWidget*>& last) { setReadingTabOrder(screens_, last); }, this);
    nameControls(this);
    prices_->watch(area_->content());
    area_->takeControls(area_->content());
    area_->keepTogether(screens_.summary);
    windowMenu_->cover(area_->content());
    buildingSteps_ = false;
    if (shown_)
        FormShow();
    emit stepsReady();
}

// The seven panels lie on top of each other under the header bar; the start
// screen covers step 1, which is visible beneath it until it is left.
void TFormMain::placeSteps()
{
    const std::array<std::pair<QWidget*, bool>, 6> table{{
        {screens_.steps[0], true},
        {screens_.steps[1], false},
        {screens_.steps[2], false},
        {screens_.steps[3], false},
        {screens_.steps[4], false},
        {screens_.pictures, false},
    }};
    for (const auto& [panel, visible] : table) {
        panel->setVisible(visible);
        panel->move(0, 81);
    }
    screens_.top->raise();
    header_.PnlInfo->raise(); // the screens scroll under it
}

// The window's content is just large enough for its visible children: the
// header bar and one screen, which meet without a gap.
void TFormMain::fitToChildren()
{
    QWidget* content = area_->content();
    QRect extent;
    for (QWidget* child : content->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isHidden())
            extent = extent.united(child->geometry());
    contentSize_ = extent.size();
    content->setFixedSize(contentSize_);
    setFixedSize(contentSize_);
}

void TFormMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    area_->setGeometry(rect());
}

// The whole frame goes inside the work area of the window's screen: the
// content's size where it fits, else the work area with the content
// scrolling. Before the window is first shown its frame is not known yet;
// it is placed again once the window system has framed it.
void TFormMain::placeOnScreen()
{
    const QScreen* s = screen();
    if (!s)
        return;
    const QWindow* w = windowHandle();
    const QMargins frame = w ? w->frameMargins() : QMargins();
    const bool compositorPlaces = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    const QRect workArea = usableWorkArea(s->geometry(), s->availableGeometry(), compositorPlaces);
    const WindowPlacement p = placeWindow(workArea, frame, contentSize_, area_->barExtent());
    area_->showBars(p.scrollsAcross, p.scrollsDown);
    setFixedSize(p.client);
    move(p.frame.topLeft());
    showStartButton();
}

// The start screen shows its button, which holds the keyboard, also where
// the window scrolls: the way on is never out of sight.
void TFormMain::showStartButton()
{
    if (isVisible() && screens_.top->isVisible())
        area_->showControl(screens_.start);
}

// A change of the screen's size or work area fits the window again by the
// same rule, once the changes have settled; so does a move to another screen.
void TFormMain::followScreen(QScreen* screen)
{
    disconnect(screenResized_);
    disconnect(workAreaChanged_);
    if (!screen)
        return;
    screenResized_ = connect(screen, &QScreen::geometryChanged, refit_, qOverload<>(&QTimer::start));
    workAreaChanged_ = connect(screen, &QScreen::availableGeometryChanged, refit_, qOverload<>(&QTimer::start));
}

// Once the window has its frame (title bar and borders), it is placed again
// by that frame. Without a window manager, or on a platform that draws no
// frame, it stays where it was placed when shown.
void TFormMain::placeWhenFramed()
{
    const QWindow* w = windowHandle();
    if (!w || !isVisible())
        return;
    if (w->frameMargins().isNull() && ++frameLooks_ < kFrameLooks) {
        QTimer::singleShot(kFramePoll, this, &TFormMain::placeWhenFramed);
        return;
    }
    if (!w->frameMargins().isNull())
        placeOnScreen();
}

void TFormMain::connectHeader()
{
    static constexpr void (TFormMain::*kStepHandlers[5])() = {
        &TFormMain::plBtnBashoClick, &TFormMain::plBtnJunbiClick, &TFormMain::plBtnTuyaClick,
        &TFormMain::plBtnKokuClick, &TFormMain::plBtnKasoClick,
    };
    for (std::size_t i = 0; i < header_.steps.size(); ++i)
        connect(header_.steps[i], &TplButton::clicked, this, kStepHandlers[i]);
    connect(header_.plBtnClose, &TplButton::clicked, this, &TFormMain::plBtnCloseClick);
    connect(header_.plButton1, &TplButton::clicked, this, &TFormMain::plButton1Click);
    connect(header_.plBtnPrint, &TplButton::clicked, this, &TFormMain::plBtnPrintClick);

    // The whole banner opens the maker's home page, except the icon's frame.
    header_.PnlCM1->installEventFilter(this);
    header_.PnlIcon->installEventFilter(this);
    header_.ImgIcon->installEventFilter(this);
    for (QLabel* l : header_.bannerLabels)
        l->installEventFilter(this);
}

void TFormMain::connectSteps()
{
    // "計算" says the total it made, also when it is the one shown already.
    connect(screens_.calculate, &TplButton::clicked, this, [this] {
        if (plBntCalClick())
            prices_->announce(screens_.total);
    });
    connect(screens_.discount, &QAbstractButton::clicked, this, &TFormMain::ChkDiscountClick);
}

void TFormMain::connectStart()
{
    connect(screens_.start, &TplButton::clicked, this, &TFormMain::plBtnStartClick);

    std::vector<TplButton*> hovering(header_.steps.begin(), header_.steps.end());
    hovering.insert(hovering.end(), {header_.plBtnClose, header_.plBtnPrint, header_.plButton1, screens_.start});
    for (TplButton* b : hovering) {
        connect(b, &TplButton::mouseEnter, this, [this, b] { plBtnStartMouseEnter(b); });
        connect(b, &TplButton::mouseLeave, this, [this, b] { plBtnStartMouseLeave(b); });
    }
}

void TFormMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        if (screens_.stepsBuilt())
            FormShow();
        else  // in case no paint reaches the window itself
            QTimer::singleShot(kLatestStepBuild, this, &TFormMain::buildSteps);
        // The start button holds the keyboard, so that the window does not
        // hand it to a control of step 1 under it.
        screens_.start->setFocus(Qt::OtherFocusReason);
        // Moved to another screen: the pictures follow its device pixel
        // ratio, and the window is fitted to it.
        connect(windowHandle(), &QWindow::screenChanged, this, [this](QScreen* now) {
            redrawPicturesForScreen(this, screens_.picture);
            followScreen(now);
            refit_->start();
        });
        followScreen(screen());
        QTimer::singleShot(0, this, &TFormMain::placeWhenFramed);
        QTimer::singleShot(0, this, &TFormMain::showStartButton);
    }
}

// Every run starts from the same defaults: the reset also shows the fixed
// charges, writes the grid's line labels and empties the hall labels. It
// runs once the window has been shown and its step screens are built (or
// sooner, for an estimate opened before), and keeps the controls as they
// are then for every estimate opened later.
void TFormMain::FormShow()
{
    if (fresh_)
        return;
    estimate_->reset();
    std::vector<QWidget*> steps(std::begin(screens_.steps), std::end(screens_.steps));
    fresh_ = std::make_unique<ControlStates>(ControlStates::take(steps, {header_.plBtnPrint}));
}

void TFormMain::plBtnStartClick()
{
    buildSteps();
    // Step 1 opens at its top, however far the start screen was scrolled.
    area_->setPosition({});
    // The focus goes to step 1 before the start screen, which holds it, is
    // hidden: hiding it first would pass the focus on by itself.
    focusStep(0, pressReason());
    screens_.top->hide();
    for (TplButton* b : header_.steps)
        b->setEnabled(true);
    paint(header_.steps[0], kActive);
    shortcuts_->startScreenLeft();
    tellShownToReader(screens_.steps[0]);
}

// The step shown gets the focus before the others are hidden, so that no
// control of a hidden step keeps it and none of the others passes it on.
void TFormMain::showStep(int index, Qt::FocusReason reason)
{
    buildSteps();
    for (int i = 0; i < 5; ++i)
        if (screens_.steps[i]->isAncestorOf(focusWidget()))
            lastFocus_[std::size_t(i)] = focusWidget();
    // A step opens where it was last left, at its top the first time.
    for (int i = 0; i < 5; ++i)
        if (i != index && screens_.steps[i]->isVisible()) {
            lastPosition_[std::size_t(i)] = area_->position();
            area_->setPosition(lastPosition_[std::size_t(index)]);
        }
    screens_.steps[index]->show();
    focusStep(index, reason);
    for (int i = 0; i < 5; ++i)
        if (i != index)
            screens_.steps[i]->hide();
    for (int i = 0; i < 5; ++i)
        paint(header_.steps[std::size_t(i)], i == index ? kActive : kInactive);
    tellShownToReader(screens_.steps[index]);
}

void TFormMain::focusStep(int index, Qt::FocusReason reason)
{
    QWidget* step = screens_.steps[index];
    QWidget* target = lastFocus_[std::size_t(index)];
    if (!target || !target->isEnabled() || !target->isVisibleTo(step) || target->focusPolicy() == Qt::NoFocus)
        target = firstStop(step);
    if (target && target == screens_.total)
        focusField(screens_.total);
    else if (target)
        target->setFocus(reason);
}

Qt::FocusReason TFormMain::pressReason() const
{
    return shortcuts_->pressingByKey() ? Qt::ShortcutFocusReason : Qt::OtherFocusReason;
}

bool TFormMain::focusNextPrevChild(bool next)
{
    return screens_.top->isVisible() || QWidget::focusNextPrevChild(next);
}

void TFormMain::showTotal()
{
    if (screens_.top->isVisible())
        return;
    showStep(4, Qt::ShortcutFocusReason);
    focusField(screens_.total);
}

// A money field taken to by a key is brought into view, with its cursor
// before the amount instead of the selection it makes as it gets the focus,
// which a screen reader would read out as a selection.
void TFormMain::focusField(TSsEdit* field)
{
    field->setFocus(Qt::OtherFocusReason);
    area_->showControl(field);
    QTimer::singleShot(0, field, [field] { field->setCursorPosition(0); });  // after the field's own selectAll
}

void TFormMain::plBtnStartMouseEnter(QObject* sender)
{
    auto* b = qobject_cast<TplButton*>(sender);
    if (!b)
        return;
    const QColor top = b->gradBeginColor();
    b->setGradColor(1, b->gradEndColor());
    b->setGradColor(2, top);
}

void TFormMain::plBtnCloseClick() { close(); }
void TFormMain::PnlCM1Click() { openPage(kMakerHomePage); }
void TFormMain::plButton1Click() { openPage(kSoftwarePage); }

void TFormMain::openPage(const char* address)
{
    const QUrl url(QString::fromLatin1(address));
    if (openUrl_(url))
        return;
    QMessageBox::information(this, windowTitle(), QStringLiteral("ブラウザを開けませんでした。\n") + url.toString());
}

// The header bar's first paint: the step screens are built once the first
// frame is on its way to the screen, so that the window appears without
// waiting for them. Clicks on the banner's parts end here, so that none
// reaches the banner a second time; the icon's frame takes its clicks
// without opening anything.
bool TFormMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == header_.PnlInfo) {
        if (event->type() == QEvent::Paint && !buildQueued_ && !screens_.stepsBuilt()) {
            buildQueued_ = true;
            QTimer::singleShot(0, this, &TFormMain::buildSteps);
        }
        return false;
    }
    if (event->type() != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const auto* w = qobject_cast<QWidget*>(watched);
    if (w && w != header_.PnlIcon && mouse->button() == Qt::LeftButton &&
        w->rect().contains(mouse->position().toPoint()))
        PnlCM1Click();
    return true;
}

bool TFormMain::report(const lumenta::Refusal* refusal)
{
    if (!refusal)
        return true;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("警告"), QString::fromStdString(refusal->message),
                    QMessageBox::NoButton, this);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    if (refusal->step >= 1 && refusal->step <= 5)
        showStep(refusal->step - 1, Qt::OtherFocusReason);
    return false;
}

bool TFormMain::plBntCalClick()
{
    buildSteps();
    const auto refusal = estimate_->calculate(screens_.discount->isChecked());
    return report(refusal ? &*refusal : nullptr);
}

void TFormMain::ChkDiscountClick(bool checked)
{
    buildSteps();
    const auto refusal = estimate_->discountClicked(checked);
    report(refusal ? &*refusal : nullptr);
}

void TFormMain::plBtnPrintClick()
{
    if (plBntCalClick())
        emit printRequested();
}

void TFormMain::sendSheet(lumenta::report::PrintWay way)
{
    if (plBntCalClick())
        emit sheetRequested(way);
}

bool TFormMain::mayReplace(const QString& fileName)
{
    if (estimate_->choices() == lumenta::Choices())
        return true;
    QMessageBox box(QMessageBox::Question, QStringLiteral("見積りを開く"),
                    QStringLiteral("画面の見積りを、ファイル「%1」の見積りに置き換えますか？\n"
                                   "画面の見積りで選んだ内容は消えます。")
                        .arg(fileName),
                    QMessageBox::NoButton, this);
    QPushButton* replace = box.addButton(QStringLiteral("置き換える"), QMessageBox::AcceptRole);
    QPushButton* keep = box.addButton(QStringLiteral("今の見積りを残す"), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == replace;
}

void TFormMain::openEstimate(const lumenta::EstimateRecord& record, const QString& fileName)
{
    buildSteps();
    FormShow();
    if (!mayReplace(fileName))
        return;
    fresh_->restore();
    estimate_->reset();
    lastFocus_.fill(nullptr);
    makeChoicesOnScreens(this, record.choices);
    if (record.total)
        plBntCalClick();
    if (screens_.top->isVisible())
        plBtnStartClick();
    showStep(4, Qt::OtherFocusReason);
    tellOpened(record, fileName);
}

// The screen reader hears which estimate came and its total; a total that
// differs from the one saved (other prices) is shown beside it.
void TFormMain::tellOpened(const lumenta::EstimateRecord& record, const QString& fileName)
{
    const QString total = QString::fromStdString(lumenta::formatYen(estimate_->state().grandTotal));
    prices_->say(record.total
                     ? QStringLiteral("見積り「%1」を開きました。合計 %2").arg(fileName, spokenYen(total))
                     : QStringLiteral("見積り「%1」を開きました。合計はまだ計算されていません。").arg(fileName));
    if (record.total && *record.total != estimate_->state().grandTotal)
        QMessageBox::information(
            this, QStringLiteral("見積りを開く"),
            QStringLiteral("この見積りの合計は、保存したときと違います。\n保存したときの合計（消費税込） %1\n"
                           "今の価格での合計（消費税込） %2\n\n価格の違う版のLumentaで保存されたファイルです。"
                           "今の価格で計算した合計を表示しています。")
                .arg(QString::fromStdString(lumenta::formatYen(*record.total)), total));
}
