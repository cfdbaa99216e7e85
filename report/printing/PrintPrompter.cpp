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

// Opened with open(), not exec(): the window's own event loop serves it.
void DialogPrintPrompter::chooseSaveFile(QWidget* parent, const QString& suggestedPath,
                                         std::function<void(const QString&)> chosen)
{
    auto settings = std::make_shared<SettingsElsewhere>();
    auto* dialog = new QFileDialog(parent, QStringLiteral("見積書をPDFファイルとして保存"), suggestedPath,
                                   QStringLiteral("PDFファイル (*.pdf)"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->setProxyModel(new LocalFileColumns(dialog));
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, chosen = std::move(chosen)](int result) {
        const QStringList files = dialog->selectedFiles();
        chosen(result == QDialog::Accepted && !files.isEmpty() ? files.constFirst() : QString());
    });
    // The dialog writes its settings as it goes, and then the user's are put back.
    QObject::connect(dialog, &QObject::destroyed, [settings] {});
    dialog->open();
}

bool DialogPrintPrompter::openFile(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

} // namespace lumenta::report
