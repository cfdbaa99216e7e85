#include "PrintDialogs.h"

#include "PrintAction.h"
#include "PrintPrompter.h"
#include "ReportRenderer.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace lumenta::report {

void prepare(QPrinter& printer, const ReportPage& page, const QString& title)
{
    printer.setDocName(title);
    printer.setFullPage(true);
    printer.setFromTo(1, 1);
    ReportRenderer::preparePage(page, printer);
}

bool printOn(QPrinter& printer, const ReportPage& page)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    ReportRenderer::paint(page, painter);
    return painter.end() && printer.printerState() != QPrinter::Error;
}

void showPreview(const ReportPage& page, const QString& title, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer, page, title);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&page](QPrinter* target) { printOn(*target, page); });
    dialog.exec();
}

PrintOutcome printWithDialog(const ReportPage& page, const QString& title, QWidget* parent, PrintPrompter& prompter)
{
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer, page, title);
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, 1);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted)
        return PrintOutcome::Cancelled;
    return printOrTell(printer, page, parent, prompter);
}

PrintOutcome printOrTell(QPrinter& printer, const ReportPage& page, QWidget* parent, PrintPrompter& prompter)
{
    if (printOn(printer, page))
        return PrintOutcome::Printed;
    prompter.tell(parent, QStringLiteral("印刷できませんでした。\nプリンタ「%1」が印刷を開始できませんでした。")
                              .arg(printer.printerName()));
    return PrintOutcome::PrinterFailed;
}

} // namespace lumenta::report
