#pragma once

#include <QPointer>
#include <QProgressDialog>
#include <functional>

class QProgressBar;

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

// The progress dialog titled "印刷中" over the window that prints: it says
// what the job is doing, its bar moves with each phase, and "キャンセル",
// Escape and its close box cancel the job and close it at once. The window
// under it stays usable, and closing that window ends the program.
class ProgressWindow : public PrintProgress {
public:
    ProgressWindow() = default;
    ~ProgressWindow() override;
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    void start(QWidget* parent, int phases, std::function<void()> cancel) override;
    void reach(int phase) override;
    void finish() override;

private:
    QPointer<QProgressDialog> dialog_;
    QProgressBar* bar_ = nullptr;
};

} // namespace lumenta::report
