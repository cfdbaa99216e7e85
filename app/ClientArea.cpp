#include "ClientArea.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace {

// Room kept around a control scrolled into view: Qt's own for a scroll area.
constexpr int kMargin = 50;

bool byKeyboard(Qt::FocusReason reason)
{
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

void nameBar(QScrollBar* bar, const char* name, const QString& spoken)
{
    bar->setObjectName(QLatin1String(name));
    bar->setAccessibleName(spoken);
}

} // namespace

ClientArea::ClientArea(QWidget* window) : QScrollArea(window)
{
    setObjectName(QStringLiteral("ClientArea"));
    setFrameShape(QFrame::NoFrame);
    // The page is no stop of its own for Tab; keys that no control uses
    // reach it all the same.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(false);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("ClientContent"));
    setWidget(content);
    nameBar(horizontalScrollBar(), "ScrollAcross", QStringLiteral("横スクロール"));
    nameBar(verticalScrollBar(), "ScrollDown", QStringLiteral("縦スクロール"));
    showBars(false, false);
}

void ClientArea::showBars(bool across, bool down)
{
    setHorizontalScrollBarPolicy(across ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(down ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    fitPageStep();
}

void ClientArea::pinToTop(QWidget* pinned)
{
    pinned_ = pinned;
    pinnedTop_ = pinned->y();
    pinned->raise();
    connect(verticalScrollBar(), &QScrollBar::valueChanged, pinned,
            [this](int down) { pinned_->move(pinned_->x(), pinnedTop_ + down); });
    fitPageStep();
}

int ClientArea::pinnedHeight() const { return pinned_ ? std::max(0, pinnedTop_ + pinned_->height()) : 0; }

QRect ClientArea::seen() const { return QRect(position(), viewport()->size()).adjusted(0, pinnedHeight(), 0, 0); }

QPoint ClientArea::position() const { return {horizontalScrollBar()->value(), verticalScrollBar()->value()}; }

void ClientArea::setPosition(QPoint position)
{
    horizontalScrollBar()->setValue(position.x());
    verticalScrollBar()->setValue(position.y());
}

// A page up or down is what is seen below the pinned widget.
void ClientArea::fitPageStep() { verticalScrollBar()->setPageStep(std::max(1, seen().height())); }

void ClientArea::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    fitPageStep();
}

int ClientArea::barExtent() const { return verticalScrollBar()->sizeHint().width(); }

void ClientArea::takeControls(QWidget* root)
{
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || w->window() != window()) // not the lists' pop-ups
            continue;
        // The wheel gives a list no focus: it has to be clicked or reached with Tab.
        if (auto* list = qobject_cast<QComboBox*>(w))
            list->setFocusPolicy(Qt::StrongFocus);
        w->installEventFilter(this);
    }
}

bool ClientArea::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && byKeyboard(static_cast<QFocusEvent*>(event)->reason()))
        showControl(static_cast<QWidget*>(watched));
    // Ignored and held back, the wheel goes on to the list's parents and so
    // to the page, with the scroll bars' handling of partial steps.
    if (event->type() == QEvent::Wheel && qobject_cast<QComboBox*>(watched) &&
        !static_cast<QWidget*>(watched)->hasFocus()) {
        event->ignore();
        return true;
    }
    return QScrollArea::eventFilter(watched, event);
}

// A control fully seen stays where it is; otherwise it is brought into view
// with room around it, as Qt's scroll area does, below the pinned widget.
void ClientArea::showControl(QWidget* control)
{
    const auto holds = [control](QWidget* panel) { return panel == control || panel->isAncestorOf(control); };
    if (std::any_of(together_.begin(), together_.end(), holds)) {
        QRect all;
        for (QWidget* panel : together_)
            all |= QRect(panel->mapTo(widget(), QPoint(0, 0)), panel->size());
        showArea(all);
    }
    const QRect place(control->mapTo(widget(), QPoint(0, 0)), control->size());
    if (!seen().contains(place))
        showArea(place);
}

// The far corner first, then the near one: an area larger than the view
// shows its top left.
void ClientArea::showArea(const QRect& area)
{
    const QRect wanted = area.marginsAdded(QMargins(kMargin, kMargin, kMargin, kMargin));
    QPoint to = position();
    const QRect view = seen();
    if (wanted.right() > view.right())
        to.rx() += wanted.right() - view.right();
    if (wanted.bottom() > view.bottom())
        to.ry() += wanted.bottom() - view.bottom();
    const QRect moved = view.translated(to - position());
    if (wanted.left() < moved.left())
        to.rx() -= moved.left() - wanted.left();
    if (wanted.top() < moved.top())
        to.ry() -= moved.top() - wanted.top();
    setPosition(to);
}

void ClientArea::keyPressEvent(QKeyEvent* event)
{
    const bool home = event->key() == Qt::Key_Home;
    if ((home || event->key() == Qt::Key_End) && event->modifiers() == Qt::NoModifier) {
        for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()})
            bar->triggerAction(home ? QAbstractSlider::SliderToMinimum : QAbstractSlider::SliderToMaximum);
        return;
    }
    // The page step may have been reset by the scroll area to the whole view.
    fitPageStep();
    QScrollArea::keyPressEvent(event);
}

// The scroll bars take the wheel and add up its partial steps. Shift turns
// it sideways, as on most desktops (to a scroll bar alone it means a page).
// A touchpad that tells only pixels moves the page by those pixels.
void ClientArea::wheelEvent(QWheelEvent* event)
{
    const bool across = event->modifiers() & Qt::ShiftModifier;
    const QPoint angle = across ? event->angleDelta().transposed() : event->angleDelta();
    const QPoint pixels = across ? event->pixelDelta().transposed() : event->pixelDelta();
    if (angle.isNull() && !pixels.isNull()) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - pixels.x());
        verticalScrollBar()->setValue(verticalScrollBar()->value() - pixels.y());
        return;
    }
    if (!across)
        return QScrollArea::wheelEvent(event);
    QWheelEvent sideways(event->position(), event->globalPosition(), pixels, angle, event->buttons(),
                         event->modifiers() & ~Qt::ShiftModifier, event->phase(), event->inverted(), event->source(),
                         event->pointingDevice());
    QScrollArea::wheelEvent(&sideways);
    event->setAccepted(sideways.isAccepted());
}

// Tab moves the focus as on any window; the control it reaches is scrolled
// into view by its focus event. (The scroll area's own rule would also
// scroll to the start screen, which holds the focus while it is shown.)
bool ClientArea::focusNextPrevChild(bool next) { return QWidget::focusNextPrevChild(next); }
