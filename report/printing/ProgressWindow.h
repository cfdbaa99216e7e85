#pragma once

#include "PrintProgress.h"

#include <QPointer>
#include <QProgressDialog>

class QProgressBar;

namespace lumenta::report {

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
