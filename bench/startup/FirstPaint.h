#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

// Ends the program once the watched window has painted its first frame and
// the program says it is ready (a program may finish its start-up after the
// first frame). Right after the frame it writes the moment the frame was
// done and the peak resident memory so far to standard output
// ("first-paint-ns <steady clock>", "first-paint-rss-kib <KiB>"), so that
// the measuring program can take the time from its start without counting
// the rest of the start-up or the program's tear-down. The frame is the
// first paint of any widget in the window: where the window's own surface is
// covered by its children (a scrolling window), only they paint.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window, std::function<bool()> ready = [] { return true; })
        : window_(window), ready_(std::move(ready))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_ && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_) {
            seen_ = true;
            // Runs once this paint has been flushed to the screen.
            QTimer::singleShot(0, this, [this] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("first-paint-ns %lld\n",
                            static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::printf("first-paint-rss-kib %ld\n", peakRssKiB());
                std::fflush(stdout);
                quitWhenReady();
            });
        }
        return false;
    }

private:
    void quitWhenReady()
    {
        if (ready_())
            QCoreApplication::quit();
        else
            QTimer::singleShot(1, this, [this] { quitWhenReady(); });
    }

    // VmHWM of /proc/self/status: the peak resident memory until now.
    static long peakRssKiB()
    {
        long kib = 0;
        if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
            char line[256];
            while (std::fgets(line, sizeof line, status))
                if (std::strncmp(line, "VmHWM:", 6) == 0)
                    kib = std::atol(line + 6);
            std::fclose(status);
        }
        return kib;
    }

    QWidget* window_;
    std::function<bool()> ready_;
    bool seen_ = false;
};
