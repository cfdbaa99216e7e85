#include "Estimate.h"
#include "ProgramLook.h"
#include "RadioGroup.h"
#include "UnitMain.h"
#include "WindowPlacement.h"
#include "plButton.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

namespace {

const QColor kLight(245, 255, 234);
const QColor kGreen(95, 216, 0);
const QColor kSilver(192, 192, 192);

// The header bar's rows in the window: it stands one row above the top.
constexpr int kHeaderHeight = 81;

const char* const kSteps[] = {"PnlMainBasho", "PnlMainJunbi", "PnlMainTuya", "PnlMainKoku", "PnlMainKaso"};
const char* const kStepButtons[] = {"plBtnBasho", "plBtnJunbi", "plBtnTuya", "plBtnKoku", "plBtnKaso"};

struct Seen {
    QString title;
    QString text;
    int buttons = 0;
    QString buttonText;
};

// What the window's estimate record holds.
bool fixedChargesSet(const TFormMain& form)
{
    const lumenta::EstimateState& s = form.estimate().state();
    return s[lumenta::Slot::cremationFee] != lumenta::Currency() && s[lumenta::Slot::urnFee] != lumenta::Currency();
}
bool hallChosen(const TFormMain& form) { return form.estimate().state()[lumenta::Flag::hallChosen]; }
bool returnGiftsPreset(const TFormMain& form) { return form.estimate().state()[lumenta::Flag::returnGiftsChosen]; }

// Answers the next modal warning with its OK button and remembers what it said.
void answerNextWarning(Seen& seen)
{
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.buttons = int(box->buttons().size());
        seen.buttonText = box->buttons().value(0)->text();
        box->buttons().value(0)->click();
    });
}

QScreen* screenNamed(const QString& name)
{
    for (QScreen* s : QGuiApplication::screens())
        if (s->name() == name)
            return s;
    return nullptr;
}

// A turn of the wheel (or a touchpad's stroke) over a control, routed by the
// application as the window system's are: up the parents until taken.
void turnWheel(QWidget* over, QPoint angle, QPoint pixels = {}, Qt::KeyboardModifiers modifiers = {})
{
    const QPointF at(over->width() / 2, over->height() / 2);
    QWheelEvent wheel(at, over->mapToGlobal(at), pixels, angle, Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QApplication::instance()->notify(over, &wheel);
}

// The choice a list, a radio group, a check box or a radio button shows.
int valueOf(QWidget* control)
{
    if (auto* list = qobject_cast<QComboBox*>(control))
        return list->currentIndex();
    if (auto* group = qobject_cast<TRadioGroup*>(control))
        return group->itemIndex();
    return qobject_cast<QAbstractButton*>(control)->isChecked();
}

// A click through the window where a user's lands: on whatever is at that
// point of the window.
void clickInWindow(QWidget* window, QPoint at)
{
    QWindow* handle = window->windowHandle();
    const QPointF global = window->mapToGlobal(QPointF(at));
    static int time = 0; // far apart: no double click
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        qt_handleMouseEvent(handle, at, global, type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                            Qt::LeftButton, type, {}, time += 1000);
    QCoreApplication::processEvents();
}

// What a desktop with a dark colour scheme, another widget style and a
// large font hands the program.
void dressAsDarkDesktop()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QApplication::setPalette(QPalette(QColor(49, 54, 59)));
    QFont large(QStringLiteral("DejaVu Sans"));
    large.setPointSize(14);
    QApplication::setFont(large);
}

} // namespace

class TestFormMain : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormMain> form;
    QList<QUrl> opened;

    TplButton* button(const char* name) const { return form->findChild<TplButton*>(name); }
    QWidget* panel(const char* name) const { return form->findChild<QWidget*>(name); }

    void enter(TplButton* b)
    {
        QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(b, &e);
    }
    void leave(TplButton* b)
    {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(b, &e);
    }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton, {}, QPoint(20, 20)); }

    QScrollArea* page() const { return form->findChild<QScrollArea*>(); }
    // The window's client size on a screen of the test platform: the whole
    // work area, less the frame, where the window does not fit.
    QSize clientOn(const QString& screen) const
    {
        const QSize frame = form->frameGeometry().size() - form->size();
        if (screen == QLatin1String("laptop"))
            return {1001 + page()->verticalScrollBar()->sizeHint().width(), 720 - frame.height()};
        return screen == QLatin1String("scaled") ? QSize(960, 540) - frame : QSize(1001, 737);
    }
    // Moves the window onto that screen, where it is fitted.
    bool moveTo(const QString& name)
    {
        QScreen* s = screenNamed(name);
        if (!s)
            return false;
        form->move(s->geometry().topLeft() + QPoint(10, 10));
        return QTest::qWaitFor([&] {
            return form->screen() == s && form->size() == clientOn(name) &&
                   s->availableGeometry().contains(form->frameGeometry());
        });
    }
    // The part of the content the window shows: the view, less the header
    // bar that stays at its top.
    QRect seen() const
    {
        return QRect(-page()->widget()->pos(), page()->viewport()->size()).adjusted(0, kHeaderHeight, 0, 0);
    }
    // The header bar stands at the window's top, whole but for a part to the
    // right of a window narrower than it.
    bool headerInPlace() const
    {
        const QRect header(panel("PnlInfo")->mapTo(form.get(), QPoint(0, 0)), panel("PnlInfo")->size());
        const QRect shown = header & page()->viewport()->rect();
        return header.top() == -1 && header.left() == -page()->horizontalScrollBar()->value() &&
               shown.height() == kHeaderHeight && shown.width() == std::min(header.width(), shown.right() + 1);
    }
    QRect placeOf(const char* name) const
    {
        QWidget* w = panel(name);
        return QRect(w->mapTo(page()->widget(), QPoint(0, 0)), w->size());
    }
    bool activate()
    {
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    }

    // Exactly the step panel k is visible and only its button carries the active pair.
    void checkStepShown(int k)
    {
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(panel(kSteps[i])->isVisible(), i == k);
            TplButton* b = button(kStepButtons[i]);
            QCOMPARE(b->gradBeginColor(), i == k ? kLight : QColor(Qt::white));
            QCOMPARE(b->gradEndColor(), i == k ? kGreen : kSilver);
        }
        QVERIFY(!panel("PnlMainTop")->isVisible());
        QVERIFY(!panel("PnlImg")->isVisible());
    }

private slots:
    void init()
    {
        form = std::make_unique<TFormMain>();
        opened.clear();
        form->setUrlOpener([this](const QUrl& url) {
            opened << url;
            return true;
        });
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTRY_VERIFY(form->stepsBuilt());
    }
    void cleanup() { form.reset(); }

    void windowAndPanelGeometry()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Lumenta ver.1.00"));
        QCOMPARE(form->size(), QSize(1001, 737));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(panel("PnlInfo")->geometry(), QRect(0, -1, 1001, 82));
        for (const char* name : {"PnlMainTop", "PnlMainBasho", "PnlMainJunbi", "PnlMainTuya", "PnlMainKoku",
                                 "PnlMainKaso", "PnlImg"})
            QCOMPARE(panel(name)->geometry(), QRect(0, 81, 1000, 655));
        QCOMPARE(form->font().pixelSize(), 15);
        // The start screen is found where a click lands on the screen area.
        QCOMPARE(form->childAt(300, 300), panel("PnlMainTop"));
    }

    void startState()
    {
        QVERIFY(panel("PnlMainTop")->isVisible());
        QVERIFY(panel("PnlMainBasho")->isVisible());
        for (const char* name : {"PnlMainJunbi", "PnlMainTuya", "PnlMainKoku", "PnlMainKaso", "PnlImg"})
            QVERIFY(!panel(name)->isVisible());
        QVERIFY(!button("plBtnPrint")->isEnabled());
        for (const char* name : kStepButtons) {
            TplButton* b = button(name);
            QVERIFY(!b->isEnabled());
            click(name);
            enter(b);
            QCOMPARE(b->gradBeginColor(), QColor(Qt::white));
            QCOMPARE(b->gradEndColor(), kSilver);
        }
        QVERIFY(panel("PnlMainTop")->isVisible());
        QVERIFY(!panel("PnlMainJunbi")->isVisible());
    }

    void startButtonShowsStepOne()
    {
        click("plBtnStart");
        for (const char* name : kStepButtons)
            QVERIFY(button(name)->isEnabled());
        checkStepShown(0);
        QVERIFY(!button("plBtnPrint")->isEnabled());
    }

    void eachStepButtonShowsItsStepAlone()
    {
        click("plBtnStart");
        for (int k : {2, 4, 0, 3, 1, 1, 4}) {
            click(kStepButtons[k]);
            checkStepShown(k);
        }
    }

    void clickedStepButtonRestsInExchangedOrder()
    {
        click("plBtnStart");
        TplButton* b = button("plBtnTuya");
        enter(b);
        QCOMPARE(b->gradBeginColor(), kSilver);
        click("plBtnTuya");
        leave(b);
        QCOMPARE(b->gradBeginColor(), kGreen);
        QCOMPARE(b->gradEndColor(), kLight);

        // Pressing it again, under the pointer, ends in the same order.
        enter(b);
        click("plBtnTuya");
        leave(b);
        QCOMPARE(b->gradBeginColor(), kGreen);
        QCOMPARE(panel("PnlMainTuya")->isVisible(), true);
        QCOMPARE(panel("PnlMainBasho")->isVisible(), false);
    }

    void hoverExchangesOnlyTheWiredButtons()
    {
        click("plBtnStart");
        for (const char* name : {"plBtnClose", "plButton1", "plBtnJunbi"}) {
            TplButton* b = button(name);
            const QColor top = b->gradBeginColor();
            const QColor bottom = b->gradEndColor();
            enter(b);
            QCOMPARE(b->gradBeginColor(), bottom);
            QCOMPARE(b->gradEndColor(), top);
            leave(b);
            QCOMPARE(b->gradBeginColor(), top);
        }
        TplButton* calc = button("plBntCal");
        const QColor top = calc->gradBeginColor();
        enter(calc);
        QCOMPARE(calc->gradBeginColor(), top);
    }

    void refusedCalculationJumpsLikeAButtonPress()
    {
        click("plBtnStart");
        click("plBtnKaso");
        Seen seen;
        answerNextWarning(seen);
        QVERIFY(!form->plBntCalClick());
        QCOMPARE(seen.title, QStringLiteral("警告"));
        QCOMPARE(seen.text, QStringLiteral("　火葬場が選択されていない為、計算ができません"));
        QCOMPARE(seen.buttons, 1);
        QCOMPARE(seen.buttonText, QStringLiteral("OK"));
        checkStepShown(0);
        QVERIFY(!button("plBtnPrint")->isEnabled());

        // The print button's recalculation refuses the same way and asks for no sheet.
        QSignalSpy prints(form.get(), &TFormMain::printRequested);
        click("plBtnKoku");
        answerNextWarning(seen);
        form->plBtnPrintClick();
        QCOMPARE(prints.count(), 0);
        checkStepShown(0);
    }

    void discountClickWithoutTotalDoesNothing()
    {
        click("plBtnStart");
        click("plBtnKaso");
        auto* discount = form->findChild<QAbstractButton*>("ChkDiscount");
        discount->click();
        QVERIFY(discount->isChecked());
        checkStepShown(4);  // no warning, no jump
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void showingRanTheResetOnce()
    {
        QVERIFY(fixedChargesSet(*form));
        QVERIFY(!hallChosen(*form));
        QVERIFY(returnGiftsPreset(*form));
        QCOMPARE(form->findChild<QLabel*>("LblMapInfo1")->text(), QString());
        QCOMPARE(form->findChild<QLabel*>("LblMapInfo")->text(), QString());

        form->estimate().chooseHall(1);
        form->hide();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QVERIFY(hallChosen(*form));
    }

    // The first frame shows the header and the start screen only; the step
    // screens follow by themselves, and the reset waits for them.
    void stepScreensFollowTheFirstFrame()
    {
        TFormMain fresh;
        QVERIFY(!fresh.stepsBuilt());
        QVERIFY(!fresh.findChild<QWidget*>("PnlMainBasho"));
        QVERIFY(fresh.findChild<QWidget*>("PnlMainTop"));
        fresh.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        QTRY_VERIFY(fresh.stepsBuilt());
        QVERIFY(fixedChargesSet(fresh));
        QVERIFY(fresh.findChild<QWidget*>("PnlMainBasho")->isVisible());
        QVERIFY(fresh.findChild<QWidget*>("PnlMainTop")->isVisible());
        // The start screen still lies on top of step 1.
        QCOMPARE(fresh.childAt(300, 300), fresh.findChild<QWidget*>("PnlMainTop"));
        QCOMPARE(fresh.findChild<TplButton*>("plBntCal")->toolTip(), QStringLiteral("F9 / Alt+K"));
        QVERIFY(!fresh.findChild<QWidget*>("SsEditMap")->accessibleName().isEmpty());
    }

    // A start click that comes before the step screens are there builds them
    // at once: step 1 is shown, reset, and answers its controls.
    void earlyStartClickBuildsTheSteps()
    {
        TFormMain fresh;
        fresh.show();
        fresh.plBtnStartClick();
        QVERIFY(fresh.stepsBuilt());
        QVERIFY(fixedChargesSet(fresh));
        QVERIFY(fresh.findChild<QWidget*>("PnlMainBasho")->isVisible());
        QVERIFY(!fresh.findChild<QWidget*>("PnlMainTop")->isVisible());
        for (const char* name : {"PnlMainJunbi", "PnlMainTuya", "PnlMainKoku", "PnlMainKaso", "PnlImg"})
            QVERIFY2(!fresh.findChild<QWidget*>(name)->isVisible(), name);
        auto* hall = fresh.findChild<QAbstractButton*>("RBtnMap1");
        QVERIFY(hall);
        hall->click();
        QVERIFY(hallChosen(fresh));
        // Building again does nothing: the choice stays.
        fresh.buildSteps();
        QVERIFY(hallChosen(fresh));
        QCOMPARE(fresh.findChildren<QWidget*>("PnlMainBasho").size(), 1);
    }

    // Changing the estimate before the window is shown builds the steps; the
    // first show then resets once, as always.
    void changingTheEstimateEarlyBuildsTheSteps()
    {
        TFormMain fresh;
        fresh.estimate().chooseHall(2);
        QVERIFY(fresh.stepsBuilt());
        QVERIFY(hallChosen(fresh));
        fresh.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        QVERIFY(!hallChosen(fresh));
        QVERIFY(fixedChargesSet(fresh));
    }

    // Every widget asks for an installed face first: a face the font database
    // lacks is looked up through fontconfig for each font made from it, a
    // cost the first frame would wait for. Style sheets would hand their
    // widgets the designed face's bare name. And every text is drawn with the
    // faces' own hinting, so that all of the window looks alike.
    void everyFontAsksForAnInstalledFaceFirst()
    {
        const QStringList installed = QFontDatabase::families();
        QStringList wrong;
        QList<QWidget*> widgets = form->findChildren<QWidget*>();
        widgets.prepend(form.get());
        for (QWidget* w : widgets) {
            if (w->window() != form.get())
                continue;
            const QString first = w->font().families().value(0, w->font().family());
            if (!installed.contains(first) || !w->styleSheet().isEmpty() ||
                w->font().hintingPreference() != QFont::PreferFullHinting)
                wrong << w->objectName() + u' ' + first;
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(", "))));
    }

    void bannerAndSoftwarePages()
    {
        for (const char* name : {"LblCM1", "LblCM2", "LblCM3", "ImgIcon", "PnlCM1"})
            QTest::mouseClick(panel(name), Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseClick(panel("PnlIcon"), Qt::LeftButton, {}, QPoint(1, 1));
        QCOMPARE(opened.size(), 5);
        for (const QUrl& url : opened)
            QCOMPARE(url, QUrl("https://vermora.example/"));
        click("plButton1");
        QCOMPARE(opened.last(), QUrl("https://vermora.example/lumenta/"));
    }

    void headerButtonsTakeNoTabStop()
    {
        for (const char* name : {"plBtnBasho", "plBtnJunbi", "plBtnTuya", "plBtnKoku", "plBtnKaso", "plBtnClose",
                                 "plBtnPrint", "plButton1", "plBtnStart"})
            QVERIFY2(!(button(name)->focusPolicy() & Qt::TabFocus), name);
        // A button that took the focus by a click is clicked again by Enter.
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        click("plBtnStart");
        click("plButton1");
        QVERIFY(button("plButton1")->hasFocus());
        QTest::keyClick(button("plButton1"), Qt::Key_Return);
        QCOMPARE(opened.size(), 2);
        // A step button hands the focus on to the step it shows.
        click("plBtnKoku");
        QVERIFY(panel("PnlMainKoku")->isAncestorOf(QApplication::focusWidget()));
        checkStepShown(3);
    }

    // What a screen reader is told: the window is a window, panels are panes
    // or groupings named once (a step by its button, a frame in an item's
    // grouping a filler, not a second grouping), the summary is a table, a field or a list
    // carries its item's name and its amount or entry.
    void accessibleRolesAndNames_data()
    {
        QTest::addColumn<QString>("object");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("description");
        const auto row = [](const char* object, QAccessible::Role role, const char* name, const char* value = "",
                            const char* description = "") {
            QTest::newRow(object) << QString::fromUtf8(object) << int(role) << QString::fromUtf8(name)
                                  << QString::fromUtf8(value) << QString::fromUtf8(description);
        };
        row("FormMain", QAccessible::Window, "Lumenta ver.1.00");
        row("PnlMainBasho", QAccessible::Pane, "1.場所"); // named like its step button
        row("PnlHitugi", QAccessible::Grouping, "棺の選択");
        row("PnlHitugi1", QAccessible::Pane, "");  // the item's header, not named again
        row("PnlImgHitugi", QAccessible::Pane, "種類をお選び下さい");
        row("RBtnGrpHitugi", QAccessible::Client, "棺の種類"); // in its item's grouping
        row("GrpSeika", QAccessible::Client, ""); // titled like its item
        row("GrpReikyu", QAccessible::Client, "何れかをお選び下さい");
        row("StrColGrid1", QAccessible::Table, "見積りの明細");
        row("ImgShukyosha", QAccessible::Table, "各宗教・宗旨宗派のお礼と戒名の参考金額の表", "",
            "戒名(法名・法号)は、俗名で行う場合は必要ありません");
        row("SsEditKaso", QAccessible::EditableText, "火葬料金", "¥48,300");
        row("CBoxHenrei2", QAccessible::ComboBox, "返礼品と礼状：返礼品の個数", "0", "×0個");
        row("CBoxSeika1", QAccessible::ComboBox, "生花の選択：菊花の基数", "0");  // in a titled frame
        row("RBtnHitugi", QAccessible::RadioButton, "白木棺(6尺)");
        // A list in the blank of a sentence says the sentence, filled in.
        row("CBoxReijo", QAccessible::ComboBox, "返礼品と礼状：礼状の枚数", "0", "礼状（1枚84円）×0枚");
        row("CBoxHokan", QAccessible::ComboBox, "保管日数：通夜までの日数", "", ""); // nothing chosen yet
        // The sentence itself is not shown to the reader, which would read
        // its blank where it comes in the window.
        row("LblHenrei2", QAccessible::Client, "礼状 （1枚84円）×　　　　　 枚");
    }

    void accessibleRolesAndNames()
    {
        QFETCH(QString, object);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, description);
        QObject* o = object == QLatin1String("FormMain") ? form.get() : panel(qPrintable(object));
        if (object == QLatin1String("RBtnHitugi"))  // the first entry of the coffin group
            o = form->findChild<TRadioGroup*>("RBtnGrpHitugi")->button(0);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(o);
        QVERIFY(iface);
        QCOMPARE(int(iface->role()), role);
        QCOMPARE(iface->text(QAccessible::Name), name);
        QCOMPARE(iface->text(QAccessible::Value), value);
        QCOMPARE(iface->text(QAccessible::Description), description);
        if (object.startsWith(QLatin1String("Lbl")))
            QVERIFY(iface->state().invisible);
        // Nothing inside the window is a window of its own, which a screen
        // reader would take for the window it is in.
        for (QAccessibleInterface* a = iface->parent(); a && a->object() != form.get(); a = a->parent())
            QVERIFY2(a->role() != QAccessible::Window && a->role() != QAccessible::Border,
                     qPrintable(a->object()->objectName()));
        // A control's frame is the frame it is in, not its label too.
        for (const auto& label : iface->relations(QAccessible::Label))
            QVERIFY(!qobject_cast<QGroupBox*>(label.first->object()));
    }

    // The summary and the officiants' fees are read cell by cell, under
    // their column headings.
    void tablesAreReadCellByCell()
    {
        QAccessibleTableInterface* grid = QAccessible::queryAccessibleInterface(panel("StrColGrid1"))->tableInterface();
        QVERIFY(grid);
        QCOMPARE(grid->rowCount(), 25);
        QCOMPARE(grid->columnCount(), 5);
        QCOMPARE(grid->columnDescription(4), QStringLiteral("金額"));
        QCOMPARE(grid->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("火葬料金"));
        click("plBtnStart");
        qobject_cast<QAbstractButton*>(panel("RBtnMap3"))->click();
        const QString hall = grid->cellAt(3, 4)->text(QAccessible::Name);
        QVERIFY2(hall.startsWith(QChar(u'¥')), qPrintable(hall));
        QAccessibleTableCellInterface* cell = grid->cellAt(3, 4)->tableCellInterface();
        QCOMPARE(cell->rowIndex(), 3);
        QCOMPARE(cell->columnHeaderCells().value(0)->text(QAccessible::Name), QStringLiteral("金額"));
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(panel("StrColGrid1"));
        QCOMPARE(table->indexOfChild(grid->cellAt(3, 4)), (3 + 1) * 5 + 4);

        QAccessibleTableInterface* fees = QAccessible::queryAccessibleInterface(panel("ImgShukyosha"))->tableInterface();
        QVERIFY(fees);
        QCOMPARE(fees->rowCount(), 14);
        QCOMPARE(fees->columnDescription(0), QStringLiteral("宗教・宗旨宗派"));
        QCOMPARE(fees->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("浄土真宗（法名）"));
        QCOMPARE(fees->cellAt(13, 5)->text(QAccessible::Name), QStringLiteral("15万円～"));
    }

    void closeButtonClosesTheWindow()
    {
        click("plBtnClose");
        QVERIFY(!form->isVisible());
    }

    // The whole frame stays inside the work area; where the window does not
    // fit, it takes the work area and scrolls, the title bar on the screen.
    void placementKeepsTheFrameInTheWorkArea_data()
    {
        QTest::addColumn<QRect>("workArea");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<bool>("across");
        QTest::addColumn<bool>("down");
        const int bar = 16;
        QTest::newRow("fits") << QRect(0, 0, 1280, 994) << QSize(1001, 737) << false << false;
        QTest::newRow("1280x720, 30-px panel") << QRect(0, 0, 1280, 690) << QSize(1001 + bar, 690 - 26) << false << true;
        QTest::newRow("1366x768, 44-px panel above") << QRect(0, 44, 1366, 724) << QSize(1001 + bar, 724 - 26)
                                                       << false << true;
        QTest::newRow("1920x1080 at 2") << QRect(0, 0, 960, 525) << QSize(958, 525 - 26) << true << true;
        // Wide enough for the window but not for the scroll bar beside it.
        QTest::newRow("no room for the bar") << QRect(0, 0, 1010, 700) << QSize(1008, 700 - 26) << true << true;
    }

    void placementKeepsTheFrameInTheWorkArea()
    {
        QFETCH(QRect, workArea);
        QFETCH(QSize, client);
        QFETCH(bool, across);
        QFETCH(bool, down);
        const QMargins frame(1, 25, 1, 1);
        const WindowPlacement p = placeWindow(workArea, frame, QSize(1001, 737), 16);
        QCOMPARE(p.client, client);
        QCOMPARE(p.scrollsAcross, across);
        QCOMPARE(p.scrollsDown, down);
        QCOMPARE(p.frame.size(), client.grownBy(frame));
        QVERIFY(workArea.contains(p.frame));
        // Centred where it fits.
        if (!across)
            QVERIFY(qAbs(p.frame.left() - workArea.left() - (workArea.right() - p.frame.right())) <= 1);
        if (!down)
            QVERIFY(qAbs(p.frame.top() - workArea.top() - (workArea.bottom() - p.frame.bottom())) <= 1);
    }

    // Where the compositor places the window and reports the whole screen as
    // the work area (Wayland), its panel would push the window's bottom row
    // off the screen: room for a panel is left. Elsewhere the work area stands.
    void unknownWorkAreaLeavesRoomForAPanel()
    {
        const QRect screen(0, 0, 1280, 720);
        QCOMPARE(usableWorkArea(screen, screen, true), QRect(0, 0, 1280, 672));
        QCOMPARE(usableWorkArea(screen, screen, false), screen);
        QCOMPARE(usableWorkArea(screen, QRect(0, 30, 1280, 690), true), QRect(0, 30, 1280, 690));
    }

    // Moved to a screen where it does not fit, the window takes the work
    // area and scrolls; back where it fits, it has its fixed size again,
    // without scroll bars, every screen where it was designed.
    void followsTheScreen()
    {
        QVERIFY(moveTo("laptop"));
        QVERIFY(page()->verticalScrollBar()->isVisible());
        QVERIFY(!page()->horizontalScrollBar()->isVisible());
        // The start screen's way on is in sight.
        QVERIFY(seen().contains(placeOf("plBtnStart")));
        QVERIFY(moveTo("scaled"));
        QVERIFY(page()->horizontalScrollBar()->isVisible());
        page()->verticalScrollBar()->setValue(100);
        QVERIFY(moveTo("desktop"));
        QVERIFY(!page()->verticalScrollBar()->isVisible());
        QVERIFY(!page()->horizontalScrollBar()->isVisible());
        QCOMPARE(panel("PnlMainTop")->mapTo(form.get(), QPoint(0, 0)), QPoint(0, 81));
    }

    // The wheel over a choice scrolls the page and leaves the choice alone,
    // unless it is a list with the keyboard focus: that list changes.
    void wheelGoesWhereItIsAimed_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("focused");
        QTest::newRow("list") << "scaled" << 1 << "CBoxReijo" << false;
        QTest::newRow("radio group") << "scaled" << 1 << "RBtnGrpSaidan" << false;
        QTest::newRow("radio button") << "scaled" << 1 << "RBtnKesho1" << false;
        QTest::newRow("check box") << "scaled" << 4 << "ChkDiscount" << false;
        QTest::newRow("list with the focus") << "scaled" << 1 << "CBoxReijo" << true;
        QTest::newRow("list, window that fits") << "desktop" << 1 << "CBoxReijo" << false;
        QTest::newRow("list with the focus, window that fits") << "desktop" << 1 << "CBoxReijo" << true;
    }

    void wheelGoesWhereItIsAimed()
    {
        QFETCH(QString, screen);
        QFETCH(int, step);
        QFETCH(QString, control);
        QFETCH(bool, focused);
        click("plBtnStart");
        click(kStepButtons[step]);
        QVERIFY(moveTo(screen));
        QVERIFY(activate());
        QWidget* w = panel(qPrintable(control));
        if (auto* list = qobject_cast<QComboBox*>(w))
            list->setCurrentIndex(5);
        if (focused)
            w->setFocus(Qt::MouseFocusReason);
        page()->ensureWidgetVisible(w);
        QScrollBar* bar = page()->verticalScrollBar();
        const int before = bar->value();
        const int value = valueOf(w);
        turnWheel(w, QPoint(0, before > 0 ? 120 : -120));
        QCOMPARE(valueOf(w) != value, focused);
        QCOMPARE(bar->value() != before, !focused && screen != QLatin1String("desktop"));
        QCOMPARE(w->hasFocus(), focused);
    }

    // Partial turns of a fine wheel and a touchpad's pixels add up: as far
    // as one notch, here.
    void wheelStepsAddUp_data()
    {
        QTest::addColumn<QList<QPoint>>("turns");
        QTest::addColumn<bool>("pixels");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<Qt::Orientation>("moves");
        const auto times = [](int n, QPoint turn) { return QList<QPoint>(n, turn); };
        QTest::newRow("one notch") << times(1, {0, -120}) << false << Qt::KeyboardModifiers() << Qt::Vertical;
        QTest::newRow("eight of -15") << times(8, {0, -15}) << false << Qt::KeyboardModifiers() << Qt::Vertical;
        QTest::newRow("three of -40") << times(3, {0, -40}) << false << Qt::KeyboardModifiers() << Qt::Vertical;
        QTest::newRow("touchpad pixels") << times(6, {0, -10}) << true << Qt::KeyboardModifiers() << Qt::Vertical;
        QTest::newRow("sideways wheel") << times(1, {-120, 0}) << false << Qt::KeyboardModifiers() << Qt::Horizontal;
        QTest::newRow("Shift+wheel") << times(1, {0, -120}) << false << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                     << Qt::Horizontal;
    }

    void wheelStepsAddUp()
    {
        QFETCH(QList<QPoint>, turns);
        QFETCH(bool, pixels);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(Qt::Orientation, moves);
        click("plBtnStart");
        click("plBtnJunbi");
        QVERIFY(moveTo("scaled"));
        QWidget* list = panel("CBoxHenrei1");
        for (const QPoint& turn : turns)
            turnWheel(list, pixels ? QPoint() : turn, pixels ? turn : QPoint(), modifiers);
        QScrollBar* moved = moves == Qt::Vertical ? page()->verticalScrollBar() : page()->horizontalScrollBar();
        QScrollBar* still = moves == Qt::Vertical ? page()->horizontalScrollBar() : page()->verticalScrollBar();
        const int notch = QApplication::wheelScrollLines() * moved->singleStep();
        QCOMPARE(moved->value(), qMin(notch, moved->maximum()));
        QCOMPARE(still->value(), 0);
        QCOMPARE(qobject_cast<QComboBox*>(list)->currentIndex(), -1);
    }

    // A click on a check box half out of view checks it, where it is.
    void clickOnAHalfVisibleBoxLands()
    {
        click("plBtnStart");
        click("plBtnKaso");
        QVERIFY(moveTo("scaled"));
        QVERIFY(activate());
        auto* box = form->findChild<QAbstractButton*>(QStringLiteral("ChkDiscount"));
        QScrollBar* bar = page()->verticalScrollBar();
        bar->setValue(placeOf("ChkDiscount").top() + 8 - page()->viewport()->height());
        const int before = bar->value();
        clickInWindow(form.get(), box->mapTo(form.get(), QPoint(8, 4)));
        QVERIFY(box->isChecked());
        QCOMPARE(bar->value(), before);
    }

    // Focus moved by the keyboard brings its control into view, with room
    // around it; focus given by a click or by the program does not move the page.
    void keyboardFocusIsScrolledIntoView_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("Tab") << int(Qt::TabFocusReason) << true;
        QTest::newRow("Shift+Tab") << int(Qt::BacktabFocusReason) << true;
        QTest::newRow("shortcut or mnemonic") << int(Qt::ShortcutFocusReason) << true;
        QTest::newRow("click") << int(Qt::MouseFocusReason) << false;
        QTest::newRow("program") << int(Qt::OtherFocusReason) << false;
    }

    void keyboardFocusIsScrolledIntoView()
    {
        QFETCH(int, reason);
        QFETCH(bool, scrolls);
        click("plBtnStart");
        click("plBtnJunbi");
        QVERIFY(moveTo("scaled"));
        QVERIFY(activate());
        QVERIFY(!seen().contains(placeOf("CBoxReijo")));
        panel("CBoxReijo")->setFocus(Qt::FocusReason(reason));
        QVERIFY(panel("CBoxReijo")->hasFocus());
        QCOMPARE(seen().contains(placeOf("CBoxReijo").marginsAdded(QMargins(20, 20, 20, 20))), scrolls);
    }

    // At 200 % on 1920 x 1080 the summary's right edge lies beyond the view:
    // the keyboard alone brings the total, the amount column and the
    // discount box into view, by Tab to the box or by End.
    void keysReachTheWholeSummary()
    {
        click("plBtnStart");
        click("plBtnKaso");
        QVERIFY(moveTo("scaled"));
        QVERIFY(activate());
        const auto amountsSeen = [this] {
            const QRect grid = placeOf("StrColGrid1");
            return seen().contains(placeOf("SsEditGokei")) && seen().contains(placeOf("ChkDiscount")) &&
                   seen().left() <= grid.left() && grid.right() <= seen().right();
        };
        QVERIFY(!amountsSeen());
        panel("ChkDiscount")->setFocus(Qt::TabFocusReason);
        QVERIFY(amountsSeen());
        QTest::keyClick(panel("ChkDiscount"), Qt::Key_Home);
        QCOMPARE(page()->widget()->pos(), QPoint(0, 0));
        QTest::keyClick(panel("ChkDiscount"), Qt::Key_End);
        QVERIFY(amountsSeen());
        QVERIFY(headerInPlace());
        // The close button can be reached, scrolling across.
        QVERIFY(page()->viewport()->rect().contains(
            QRect(button("plBtnClose")->mapTo(page()->viewport(), QPoint(0, 0)), button("plBtnClose")->size())));
        // A page is what is seen below the header bar.
        const int end = page()->verticalScrollBar()->value();
        QTest::keyClick(panel("ChkDiscount"), Qt::Key_PageUp);
        QCOMPARE(page()->verticalScrollBar()->value(), qMax(0, end - seen().height()));
        QVERIFY(headerInPlace());
    }

    // Where the window scrolls, the header bar stays at its top; a step
    // shown by its button, its key or a refused calculation opens at its
    // top the first time, and then where it was left.
    void stepOpensWhereItWasLeft_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("step button") << "button";
        QTest::newRow("Alt+1, Alt+5") << "key";
        QTest::newRow("refused calculation") << "refusal";
    }

    void stepOpensWhereItWasLeft()
    {
        QFETCH(QString, way);
        click("plBtnStart");
        QVERIFY(moveTo("laptop"));
        QVERIFY(activate());
        QScrollBar* bar = page()->verticalScrollBar();
        QCOMPARE(bar->value(), 0);
        bar->setValue(bar->maximum() / 2);
        const int left = bar->value();
        QVERIFY(left > 0);
        QVERIFY(headerInPlace());
        if (way == QLatin1String("key"))
            QTest::keyClick(form.get(), Qt::Key_5, Qt::AltModifier);
        else
            click("plBtnKaso");
        QVERIFY(panel("PnlMainKaso")->isVisible());
        QCOMPARE(bar->value(), 0);
        bar->setValue(bar->maximum()); // down to "計算"
        if (way == QLatin1String("key")) {
            QTest::keyClick(form.get(), Qt::Key_1, Qt::AltModifier);
        } else if (way == QLatin1String("button")) {
            click("plBtnBasho");
        } else {
            Seen warning;
            answerNextWarning(warning);
            click("plBntCal");
            QCOMPARE(warning.title, QStringLiteral("警告"));
        }
        QVERIFY(panel("PnlMainBasho")->isVisible());
        QCOMPARE(bar->value(), left);
        QVERIFY(headerInPlace());
        if (way == QLatin1String("key"))
            QTest::keyClick(form.get(), Qt::Key_5, Qt::AltModifier);
        else
            click("plBtnKaso");
        QCOMPARE(bar->value(), bar->maximum());
    }

    // The window's look is the program's own: it paints every screen and
    // its warning box alike under a dark colour scheme, another widget style
    // and a large desktop font, also when a desktop tool hands them over
    // after start-up, and on a plain desktop as before the program set its
    // own look. Runs last: it changes the whole application.
    void sameLookOnEveryDesktop()
    {
        form.reset();
        const QList<QImage> plain = screensAndWarning(false);
        program_look::apply();
        const QList<QImage> own = screensAndWarning(true);
        dressAsDarkDesktop();
        const QList<QImage> dark = screensAndWarning(true);
        QCOMPARE(plain.size(), 6);
        QCOMPARE(own.size(), 7);
        QCOMPARE(own.mid(0, plain.size()), plain);
        QCOMPARE(dark.size(), own.size());
        for (int i = 0; i < own.size(); ++i)
            QVERIFY2(dark[i] == own[i], qPrintable(QStringLiteral("picture %1 differs").arg(i)));
    }

private:
    // The start screen, the five steps and, if asked, the warning of a
    // refused calculation, as a fresh window paints them.
    static QList<QImage> screensAndWarning(bool withWarning)
    {
        TFormMain window;
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return {};
        window.buildSteps();
        QList<QImage> shots{window.grab().toImage()};
        window.plBtnStartClick();
        for (int k = 0; k < 5; ++k) {
            window.findChild<TplButton*>(kStepButtons[k])->click();
            shots << window.grab().toImage();
        }
        if (withWarning) {
            QTimer::singleShot(0, [&shots] {
                if (QWidget* box = QApplication::activeModalWidget()) {
                    shots << box->grab().toImage();
                    box->close();
                }
            });
            window.plBntCalClick();
        }
        return shots;
    }
};

QTEST_MAIN(TestFormMain)
#include "tst_FormMain.moc"
