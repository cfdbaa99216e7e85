#include "FirstSight.h"

#include <QEvent>
#include <QWidget>

namespace screens {

namespace {

// Runs its work once, on the first of the events it waits for, then goes away.
class OnFirstEvent : public QObject {
public:
    OnFirstEvent(QWidget* widget, std::function<void()> work, bool onShow)
        : QObject(widget), work_(std::move(work)), onShow_(onShow)
    {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        const bool due = type == QEvent::Paint || (onShow_ && (type == QEvent::Polish || type == QEvent::Show));
        if (due && work_) {
            watched->removeEventFilter(this);
            const std::function<void()> work = std::move(work_);
            work_ = nullptr;
            deleteLater();
            work();
        }
        return false;
    }

private:
    std::function<void()> work_;
    bool onShow_;
};

} // namespace

void atFirstPaint(QWidget* widget, std::function<void()> work) { new OnFirstEvent(widget, std::move(work), false); }

void atFirstShow(QWidget* widget, std::function<void()> work) { new OnFirstEvent(widget, std::move(work), true); }

} // namespace screens
