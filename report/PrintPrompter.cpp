#include "PrintPrompter.h"

#include "LocalFileColumns.h"
#include "SettingsElsewhere.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace lumenta::report {

namespace {

const QString kTitle = QStringLiteral("印刷");

} // namespace

bool DialogPrintPrompter::ask(QWidget* parent, const QString& question)
{
    return QMessageBox::question(parent, kTitle, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

void DialogPrintPrompter::tell(QWidget* parent, const QString& message)
{
    QMessageBox::warning(parent, kTitle, message);
}

QString DialogPrintPrompter::chooseSaveFile(QWidget* parent, const QString& suggestedPath)
{
    const SettingsElsewhere settings;
    QString chosen;
    {
        QFileDialog dialog(parent, QStringLiteral("見積書をPDFファイルとして保存"), suggestedPath,
                           QStringLiteral("PDFファイル (*.pdf)"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        dialog.setProxyModel(new LocalFileColumns(&dialog));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().constFirst();
    }  // the dialog writes its settings here, as it goes
    return chosen;
}

bool DialogPrintPrompter::openFile(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

} // namespace lumenta::report
