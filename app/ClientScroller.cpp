#include "ClientScroller.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

namespace {

// Wheel notches and arrow clicks move the content by a few lines of text.
constexpr int kStep = 20;
// A control scrolled into view keeps a little room around it.
constexpr int kMargin = 8;

QScrollBar* bar(Qt::Orientation orientation, const char* name, const QString& spoken, QWidget* window)
{
    auto* b = new QScrollBar(orientation, window);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(spoken);
    b->setFocusPolicy(Qt::NoFocus);
    b->setSingleStep(kStep);
    b->hide();
    return b;
}

// The scroll value that brings [start, end) into a view of the given length
// now scrolled to value.
int valueShowing(int value, int start, int end, int view)
{
    if (end - start > view || start < 0)
        return value + start - kMargin;
    if (end > view)
        return value + end - view + kMargin;
    return value;
}

} // namespace

ClientScroller::ClientScroller(QWidget* window)
    : QObject(window),
      window_(window),
      across_(bar(Qt::Horizontal, "ScrollAcross", QStringLiteral("横スクロール"), window)),
      down_(bar(Qt::Vertical, "ScrollDown", QStringLiteral("縦スクロール"), window)),
      corner_(new QWidget(window))
{
    corner_->setObjectName(QStringLiteral("ScrollCorner"));
    corner_->setAutoFillBackground(true);
    corner_->hide();
    connect(across_, &QScrollBar::valueChanged, this, [this](int x) { scrollTo({x, offset_.y()}); });
    connect(down_, &QScrollBar::valueChanged, this, [this](int y) { scrollTo({offset_.x(), y}); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { showFocused(now); });
    window->installEventFilter(this);
}

int ClientScroller::barExtent() const { return window_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window_); }

bool ClientScroller::isBar(const QObject* o) const { return o == across_ || o == down_ || o == corner_; }

void ClientScroller::setSizes(QSize client, QSize content, bool across, bool down)
{
    const int extent = barExtent();
    const QSize view(client.width() - (down ? extent : 0), client.height() - (across ? extent : 0));
    across_->setRange(0, across ? content.width() - view.width() : 0);
    across_->setPageStep(view.width());
    down_->setRange(0, down ? content.height() - view.height() : 0);
    down_->setPageStep(view.height());
    across_->setGeometry(0, view.height(), view.width(), extent);
    down_->setGeometry(view.width(), 0, extent, view.height());
    corner_->setGeometry(view.width(), view.height(), extent, extent);
    across_->setVisible(across);
    down_->setVisible(down);
    corner_->setVisible(across && down);
    scrollTo({across_->value(), down_->value()});
    raiseBars();
}

void ClientScroller::raiseBars()
{
    for (QWidget* w : std::initializer_list<QWidget*>{across_, down_, corner_})
        w->raise();
}

void ClientScroller::scrollTo(QPoint offset)
{
    const QPoint delta = offset_ - offset;
    if (delta.isNull())
        return;
    offset_ = offset;
    for (QObject* o : window_->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isWindow() && !isBar(w))
            w->move(w->pos() + delta);
    }
}

void ClientScroller::showFocused(QWidget* focused)
{
    // Only a control reached with the keyboard: a panel that holds the focus
    // for the keys (the start screen does) stays where it is.
    if (!focused || focused->window() != window_ || !(focused->focusPolicy() & Qt::TabFocus) ||
        !(across_->isVisible() || down_->isVisible()))
        return;
    const QRect r(focused->mapTo(window_, QPoint(0, 0)), focused->size());
    across_->setValue(valueShowing(across_->value(), r.left(), r.right() + 1, across_->pageStep()));
    down_->setValue(valueShowing(down_->value(), r.top(), r.bottom() + 1, down_->pageStep()));
}

// Wheel turns that no control took scroll the content.
bool ClientScroller::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::Wheel && (across_->isVisible() || down_->isVisible())) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const QPoint turn = wheel->angleDelta() / 120 * 3 * kStep;
        const bool sideways = turn.y() == 0 || (wheel->modifiers() & Qt::ShiftModifier);
        QScrollBar* b = sideways || !down_->isVisible() ? across_ : down_;
        b->setValue(b->value() - (turn.y() != 0 ? turn.y() : turn.x()));
        return true;
    }
    return QObject::eventFilter(watched, event);
}
