#pragma once

#include "PrintProgress.h"

#include <QDialog>

class QProgressBar;
class QPushButton;

namespace lumenta::report {

// The small modal window titled "印刷中" with a progress bar and a
// "キャンセル" button. Events are let through at every phase, so a press
// on the button is seen before the job goes on.
class ProgressWindow : public QDialog, public PrintProgress {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent = nullptr);

    void start(QWidget* parent, int phases) override;
    bool reach(int phase) override;
    void finish() override;
    // Escape or closing the window cancels like the button.
    void reject() override;

    bool cancelled() const { return cancelled_; }
    QProgressBar* bar() const { return bar_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    QProgressBar* bar_;
    QPushButton* cancel_;
    bool cancelled_ = false;
};

} // namespace lumenta::report
