#pragma once

#include <QPointer>
#include <QProgressDialog>
#include <functional>

namespace lumenta::report {

// What the user sees while a print job runs on another thread: the progress
// dialog titled "印刷中" over the window that prints. It says what the job is
// doing, its bar moves with each phase, and "キャンセル", Escape and its close
// box cancel the job and close it at once. The window under it stays usable,
// and closing that window ends the program. Every call comes on the window's
// thread; tests watch in its place.
class PrintProgress {
public:
    PrintProgress() = default;
    virtual ~PrintProgress() { PrintProgress::finish(); }
    PrintProgress(const PrintProgress&) = delete;
    PrintProgress& operator=(const PrintProgress&) = delete;

    // The job has begun; cancel asks it to stop (it ends soon after).
    virtual void start(QWidget* parent, int phases, std::function<void()> cancel);
    // The job has reached this phase (1..phases); it has gone on meanwhile,
    // and does not wait for this.
    virtual void reach(int phase);
    virtual void finish();

private:
    QPointer<QProgressDialog> dialog_;
};

} // namespace lumenta::report
