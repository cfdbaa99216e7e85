#pragma once

#include <functional>

class QWidget;

namespace lumenta::report {

// What the user sees while a print job is produced on another thread: the
// job goes through a few phases, and the user may cancel it at any time.
// Every call comes on the window's thread.
class PrintProgress {
public:
    virtual ~PrintProgress() = default;
    // The job has begun; cancel asks it to stop (it ends soon after).
    virtual void start(QWidget* parent, int phases, std::function<void()> cancel) = 0;
    // The job has reached this phase (1..phases); the job has gone on
    // meanwhile, and does not wait for this.
    virtual void reach(int phase) = 0;
    virtual void finish() = 0;
};

} // namespace lumenta::report
