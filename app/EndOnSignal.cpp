#include "EndOnSignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The pipe's two ends: the signal writes, the window's thread reads.
int wakeUp[2] = {-1, -1};

extern "C" void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[1], &byte, 1);
    errno = saved;
}

void handleWith(void (*handler)(int))
{
    for (int signal : kSignals) {
        struct sigaction now = {};
        sigaction(signal, nullptr, &now);
        if (now.sa_handler == SIG_IGN)
            continue;
        struct sigaction wanted = {};
        wanted.sa_handler = handler;
        sigemptyset(&wanted.sa_mask);
        wanted.sa_flags = SA_RESTART;
        sigaction(signal, &wanted, nullptr);
    }
}

} // namespace

EndOnSignal::EndOnSignal(QObject* parent) : QObject(parent)
{
    if (wakeUp[0] >= 0 || pipe2(wakeUp, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [] {
        char bytes[16];
        while (::read(wakeUp[0], bytes, sizeof bytes) > 0) {}
        QCoreApplication::quit();
    });
    handleWith(&onSignal);
}

EndOnSignal::~EndOnSignal()
{
    if (!notifier_)
        return;
    handleWith(SIG_DFL);
    delete notifier_;
    for (int& end : wakeUp) {
        ::close(end);
        end = -1;
    }
}
