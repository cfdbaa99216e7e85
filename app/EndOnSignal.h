#pragma once

#include <QObject>

class QSocketNotifier;

// When the system asks the program to end (SIGTERM, SIGHUP as the session
// ends, SIGINT from a terminal), it ends the way closing its window does:
// the signal only writes a byte to a pipe; the window's thread, woken by
// it, asks the application to quit, so that every window closes, every
// destructor runs, and a print job under way is removed, or left to the
// service once it has the whole sheet. A signal the program was started
// to ignore (nohup) stays ignored.
class EndOnSignal : public QObject {
public:
    explicit EndOnSignal(QObject* parent = nullptr);
    ~EndOnSignal() override;
    EndOnSignal(const EndOnSignal&) = delete;
    EndOnSignal& operator=(const EndOnSignal&) = delete;

private:
    QSocketNotifier* notifier_ = nullptr;
};
