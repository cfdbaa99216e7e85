#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

// Ends the program once the watched window has painted its first frame:
// the time from exec to exit is then the start-up time a user waits for.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window) : window_(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Leave the loop after this paint has been flushed to the screen.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    QWidget* window_;
    bool seen_ = false;
};
