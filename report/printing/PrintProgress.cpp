#include "PrintProgress.h"

#include "CupsJob.h"

#include <QProgressBar>

namespace lumenta::report {

namespace {

// What the job is doing in each phase.
const char* const kPhaseTexts[] = {
    "パソコンの印刷機能に接続しています…",
    "見積書のページを作っています…",
    "見積書をプリンタに送っています…",
    "パソコンの印刷機能が受け取るのを待っています…",
};
static_assert(std::size(kPhaseTexts) == CupsJob::kPhases);

} // namespace

void PrintProgress::start(QWidget* parent, int phases, std::function<void()> cancel)
{
    finish();
    auto* dialog = new QProgressDialog(parent);
    dialog_ = dialog;
    dialog->setObjectName(QStringLiteral("PrintProgress"));
    dialog->setWindowTitle(QStringLiteral("印刷中"));
    dialog->setAccessibleName(QStringLiteral("印刷中"));
    dialog->setCancelButtonText(QStringLiteral("キャンセル"));
    // Not modal: the main window can still be closed, which ends the
    // program and the job with it.
    dialog->setWindowModality(Qt::NonModal);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    // The bar is moved directly: the dialog's own setValue() would run the event loop.
    auto* bar = new QProgressBar(dialog);
    bar->setRange(0, phases);
    bar->setTextVisible(false);
    dialog->setBar(bar);
    // The button and the close box emit canceled; Escape rejects.
    const auto cancelled = [dialog, cancel = std::move(cancel)] {
        if (!dialog->wasCanceled())
            dialog->cancel();
        cancel();
    };
    QObject::connect(dialog, &QProgressDialog::canceled, dialog, cancelled);
    QObject::connect(dialog, &QDialog::rejected, dialog, cancelled);
    reach(CupsJob::kConnecting);
    dialog->show();
}

void PrintProgress::reach(int phase)
{
    if (!dialog_ || phase < 1 || phase > int(std::size(kPhaseTexts)))
        return;
    const QString text = QString::fromUtf8(kPhaseTexts[phase - 1]);
    dialog_->setLabelText(QStringLiteral("見積書を印刷しています。\n") + text);
    dialog_->setAccessibleDescription(text);
    dialog_->findChild<QProgressBar*>()->setValue(phase);
}

void PrintProgress::finish()
{
    if (dialog_) {
        dialog_->hide();
        dialog_->deleteLater();
    }
    dialog_ = nullptr;
}

} // namespace lumenta::report
