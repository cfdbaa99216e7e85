// Mouse clicks and moves go through the window system, as a real pointer's do.
#define QTEST_QPA_MOUSE_HANDLING

#include "UserDriver.h"

#include "RadioGroup.h"
#include "StrCGrid.h"
#include "plButton.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <optional>

namespace {

// A user aims at the circle or box of a radio button or check box.
std::optional<QPoint> indicatorCentre(QAbstractButton* b)
{
    QStyle::SubElement element;
    if (qobject_cast<QRadioButton*>(b))
        element = QStyle::SE_RadioButtonIndicator;
    else if (qobject_cast<QCheckBox*>(b))
        element = QStyle::SE_CheckBoxIndicator;
    else
        return std::nullopt;
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    return b->style()->subElementRect(element, &option, b).center();
}

} // namespace

UserDriver::UserDriver(QWidget* window) : window_(window) {}

// The test's pointer events go straight to the window, but a widget that is
// shown or hidden under the pointer asks the platform where its pointer is.
// Xvfb's pointer, and the offscreen platform's at a scale other than 1, are
// elsewhere: they are moved to the same spot first, and their own move is
// let through before the test's.
void UserDriver::pointAt(QWidget* w, QPoint point)
{
    const QPoint global = w->mapToGlobal(point);
    if (QCursor::pos() == global)
        return;
    QCursor::setPos(global);
    QCoreApplication::processEvents();
}

void UserDriver::unreachable(const QString& what)
{
    QTest::qFail(qPrintable(QStringLiteral("%1 is not where the user can reach it").arg(what)), __FILE__, __LINE__);
}

QWidget* UserDriver::widget(const QString& name) const
{
    QWidget* w = window_->objectName() == name ? window_ : window_->findChild<QWidget*>(name);
    return w ? w : standIns_.missing<QWidget>(name, __FILE__, __LINE__);
}

QPoint UserDriver::aimPoint(QWidget* w) const
{
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        if (const auto p = indicatorCentre(b))
            return *p;
    return w->rect().center();
}

void UserDriver::click(const QString& name) { clickAt(name, aimPoint(widget(name))); }

void UserDriver::clickAt(const QString& name, QPoint point)
{
    QWidget* w = widget(name);
    if (!w->isVisible())
        return unreachable(name);
    pointAt(w, point);
    QTest::mouseClick(w, Qt::LeftButton, {}, point);
}

void UserDriver::clickEntry(const QString& group, int index)
{
    auto* g = find<TRadioGroup>(group);
    QRadioButton* entry = g->button(index);
    if (!entry || !entry->isVisible())
        return unreachable(QStringLiteral("%1 entry %2").arg(group).arg(index));
    pointAt(entry, aimPoint(entry));
    QTest::mouseClick(entry, Qt::LeftButton, {}, aimPoint(entry));
}

bool UserDriver::pick(const QString& list, int index)
{
    auto* combo = find<QComboBox>(list);
    if (!combo->isVisible() || !combo->isEnabled() || index < 0 || index >= combo->count()) {
        unreachable(QStringLiteral("%1 entry %2").arg(list).arg(index));
        return false;
    }
    // A list without a selection goes to its first entry on the first key.
    // Each key must bring the selection closer, or the user gives up.
    const auto distance = [&] { return combo->currentIndex() < 0 ? combo->count() : qAbs(combo->currentIndex() - index); };
    while (combo->currentIndex() != index) {
        const int before = distance();
        QTest::keyClick(combo, combo->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
        if (distance() >= before)
            return false;
    }
    return true;
}

bool UserDriver::choose(const QString& name, int index)
{
    QWidget* w = widget(name);
    if (qobject_cast<TRadioGroup*>(w))
        clickEntry(name, index);
    else if (qobject_cast<QComboBox*>(w))
        return pick(name, index);
    else
        click(name);
    return true;
}

void UserDriver::hover(const QString& name)
{
    QWidget* w = widget(name);
    if (!w->isVisible())
        return unreachable(name);
    pointAt(w, w->rect().center());
    QTest::mouseMove(w, w->rect().center());
}

void UserDriver::hoverNowhere()
{
    // The orange header bar between the banner and the step strip.
    pointAt(window_, QPoint(295, 40));
    QTest::mouseMove(window_, QPoint(295, 40));
}

QString UserDriver::text(const QString& name) const
{
    QWidget* w = widget(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return combo->currentText();
    if (auto* button = qobject_cast<TplButton*>(w))
        return button->captionA();
    return checkedCast<TplButton>(w, name)->captionA();
}

bool UserDriver::isChecked(const QString& name) const { return find<QAbstractButton>(name)->isChecked(); }
bool UserDriver::isEnabled(const QString& name) const { return widget(name)->isEnabled(); }
bool UserDriver::isVisible(const QString& name) const { return widget(name)->isVisible(); }

int UserDriver::currentIndex(const QString& name) const
{
    QWidget* w = widget(name);
    if (auto* group = qobject_cast<TRadioGroup*>(w))
        return group->itemIndex();
    return checkedCast<QComboBox>(w, name)->currentIndex();
}

TStrColGrid* UserDriver::grid() const { return find<TStrColGrid>(QStringLiteral("StrColGrid1")); }

QString UserDriver::cell(int column, int row) const { return grid()->cell(column, row); }

QStringList UserDriver::line(int row) const
{
    return {cell(1, row), cell(2, row), cell(3, row), cell(4, row)};
}

bool UserDriver::saveShot(const QString& path) const { return window_->grab().save(path, "PNG"); }
