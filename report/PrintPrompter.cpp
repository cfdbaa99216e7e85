#include "PrintPrompter.h"

#include "LocalFileColumns.h"

#include <QFileDialog>
#include <QMessageBox>

namespace lumenta::report {

namespace {
const QString kTitle = QStringLiteral("印刷");
}

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
    QFileDialog dialog(parent, QStringLiteral("見積書をPDFファイルとして保存"), suggestedPath,
                       QStringLiteral("PDFファイル (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setProxyModel(new LocalFileColumns(&dialog));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace lumenta::report
