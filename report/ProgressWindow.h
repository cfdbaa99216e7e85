#pragma once

#include "PrintProgress.h"

#include <QPointer>
#include <QProgressDialog>

class QProgressBar;

namespace lumenta::report {

// The progress dialog titled "印刷中" with its bar and "キャンセル" button,
// made for each job over the window that prints. The window's own event
// loop keeps it answering while the job runs on its thread; "キャンセル",
// Escape and closing it all cancel, and it stays up, saying that the job is
// being cancelled, until the job has ended.
class ProgressWindow : public PrintProgress {
public:
    ProgressWindow() = default;
    ~ProgressWindow() override;
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    void start(QWidget* parent, int phases, std::function<void()> cancel) override;
    void reach(int phase) override;
    void finish() override;

    // The dialog of the job under way, if any.
    QProgressDialog* dialog() const { return dialog_; }

private:
    QPointer<QProgressDialog> dialog_;
    QProgressBar* bar_ = nullptr;
};

} // namespace lumenta::report
