#include "ProgressWindow.h"

#include <QProgressBar>
#include <QProgressDialog>
#include <QTimer>

namespace lumenta::report {

namespace {
constexpr const char* kEnded = "jobEnded";
constexpr const char* kCancelled = "jobCancelled";
}

ProgressWindow::~ProgressWindow() { finish(); }

void ProgressWindow::start(QWidget* parent, int phases, std::function<void()> cancel)
{
    finish();
    auto* dialog = new QProgressDialog(parent);
    dialog_ = dialog;
    dialog->setObjectName(QStringLiteral("PrintProgress"));
    dialog->setWindowTitle(QStringLiteral("印刷中"));
    dialog->setLabelText(QStringLiteral("見積書を印刷しています…"));
    dialog->setCancelButtonText(QStringLiteral("キャンセル"));
    dialog->setWindowModality(Qt::WindowModal);
    // The dialog neither closes itself nor waits to show; its bar is set
    // directly, since its own setValue() would run the event loop.
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setMinimumDuration(0);
    bar_ = new QProgressBar(dialog);
    bar_->setRange(0, phases);
    bar_->setValue(0);
    dialog->setBar(bar_);
    // "キャンセル" and the close box emit canceled, Escape rejects: either
    // cancels the job once, and the dialog comes back until the job has ended.
    const auto cancelOnce = [dialog, cancel = std::move(cancel)] {
        if (!dialog->property(kCancelled).toBool()) {
            dialog->setProperty(kCancelled, true);
            cancel();
            dialog->setLabelText(QStringLiteral("印刷を取り消しています…"));
        }
        QTimer::singleShot(0, dialog, [dialog] {
            if (!dialog->property(kEnded).toBool())
                dialog->show();
        });
    };
    QObject::connect(dialog, &QProgressDialog::canceled, dialog, cancelOnce);
    QObject::connect(dialog, &QDialog::rejected, dialog, cancelOnce);
    dialog->show();
}

void ProgressWindow::reach(int phase)
{
    if (bar_ && dialog_)
        bar_->setValue(phase);
}

void ProgressWindow::finish()
{
    if (dialog_) {
        dialog_->setProperty(kEnded, true);
        dialog_->hide();
        dialog_->deleteLater();
    }
    dialog_ = nullptr;
    bar_ = nullptr;
}

} // namespace lumenta::report
