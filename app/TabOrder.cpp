#include "TabOrder.h"

#include "ScreenFactory.h"

#include <QRadioButton>
#include <QWidget>
#include <algorithm>
#include <tuple>

namespace {

// The item panel that holds a control: its ancestor directly on the screen.
QWidget* itemPanel(QWidget* control, QWidget* screen)
{
    QWidget* w = control;
    while (w->parentWidget() && w->parentWidget() != screen)
        w = w->parentWidget();
    return w;
}

// Sort key: column and top of the item panel, then the control's row and column.
std::tuple<int, int, int, int> readingPlace(QWidget* control, QWidget* screen)
{
    const QWidget* panel = itemPanel(control, screen);
    const QPoint at = control->mapTo(screen, QPoint(0, 0));
    return {panel->x(), panel->y(), at.y(), at.x()};
}

std::vector<QWidget*> readingStops(QWidget* screen)
{
    std::vector<QWidget*> stops;
    for (QWidget* w : screen->findChildren<QWidget*>())
        if ((w->focusPolicy() & Qt::TabFocus) && w->window() == screen->window())  // not the lists' popups
            stops.push_back(w);
    std::stable_sort(stops.begin(), stops.end(), [screen](QWidget* a, QWidget* b) {
        return readingPlace(a, screen) < readingPlace(b, screen);
    });
    return stops;
}

void orderScreen(QWidget* screen, const std::vector<QWidget*>& last)
{
    std::vector<QWidget*> stops = readingStops(screen);
    std::stable_partition(stops.begin(), stops.end(),
                          [&last](QWidget* w) { return std::find(last.begin(), last.end(), w) == last.end(); });
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1], stops[i]);
}

// Tab enters a set of radio buttons at its checked one.
QWidget* checkedOfSet(QWidget* control)
{
    auto* radio = qobject_cast<QRadioButton*>(control);
    if (!radio || !radio->autoExclusive())
        return control;
    for (auto* sibling : radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        if (sibling->isChecked() && sibling->autoExclusive() && sibling->isEnabled())
            return sibling;
    return control;
}

} // namespace

void setReadingTabOrder(const Screens& screens, const std::vector<QWidget*>& last)
{
    for (QWidget* step : screens.steps)
        orderScreen(step, last);
}

QWidget* firstStop(QWidget* screen)
{
    for (QWidget* w : readingStops(screen))
        if (w->isEnabled() && w->isVisibleTo(screen))
            return checkedOfSet(w);
    return nullptr;
}
