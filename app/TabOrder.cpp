#include "TabOrder.h"

#include "ScreenFactory.h"

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

void orderScreen(QWidget* screen)
{
    std::vector<QWidget*> stops;
    for (QWidget* w : screen->findChildren<QWidget*>())
        if ((w->focusPolicy() & Qt::TabFocus) && w->window() == screen->window())  // not the lists' popups
            stops.push_back(w);
    std::stable_sort(stops.begin(), stops.end(), [screen](QWidget* a, QWidget* b) {
        return readingPlace(a, screen) < readingPlace(b, screen);
    });
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1], stops[i]);
}

} // namespace

void setReadingTabOrder(const Screens& screens)
{
    for (QWidget* step : screens.steps)
        orderScreen(step);
}
