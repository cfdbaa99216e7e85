#include "PrintAction.h"

#include "PrintHandover.h"
#include "PrintProgress.h"
#include "PrintPrompter.h"
#include "PrinterCatalog.h"
#include "ReportRenderer.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>

namespace lumenta::report {

namespace {

// The phases the progress window shows.
enum Phase { kPrinterReady = 1, kPageLaidOut = 2, kHandedOver = 3 };

const QString kNoPrinterQuestion =
    QStringLiteral("プリンタが見つかりません。見積書をPDFファイルとして保存しますか？");
const QString kDocumentName = QStringLiteral("見積書");

// Ends the progress window on every way out of a print.
class ProgressScope {
public:
    ProgressScope(PrintProgress& progress, QWidget* parent, int phases) : progress_(progress)
    {
        progress_.start(parent, phases);
    }
    ~ProgressScope() { progress_.finish(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

private:
    PrintProgress& progress_;
};

void setUpPrinter(QPrinter& printer, const QString& printerName, const ReportPage& page)
{
    printer.setPrinterName(printerName);
    printer.setDocName(kDocumentName);
    printer.setCopyCount(1);
    printer.setDuplex(QPrinter::DuplexNone);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFullPage(true);
    ReportRenderer::preparePage(page, printer);
}

} // namespace

PrintAction::PrintAction(const PrinterCatalog& printers, PrintPrompter& prompter, PrintProgress& progress)
    : printers_(printers), prompter_(prompter), progress_(progress)
{
}

PrintOutcome PrintAction::print(const ReportPage& page, QWidget* parent)
{
    const QString printer = printers_.defaultPrinter();
    return printer.isEmpty() ? offerPdf(page, parent) : printOn(printer, page, parent);
}

PrintOutcome PrintAction::printOn(const QString& printerName, const ReportPage& page, QWidget* parent)
{
    QString failure;
    PrintOutcome outcome;
    {
        ProgressScope scope(progress_, parent, kHandedOver);
        outcome = runJob(printerName, page, failure);
    }
    if (outcome == PrintOutcome::PrinterFailed)
        prompter_.tell(parent, QStringLiteral("印刷できませんでした。\n") + failure);
    if (outcome == PrintOutcome::Queued)
        prompter_.tell(parent, QStringLiteral("見積書を印刷待ちにしました。\n"
                                              "プリンタ「%1」が停止しているため、再開されるまで印刷されません。")
                                   .arg(printerName));
    return outcome;
}

PrintOutcome PrintAction::runJob(const QString& printerName, const ReportPage& page, QString& failure)
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, printerName, page);
    // An unknown name quietly falls back to another printer: refuse that.
    if (printer.printerName() != printerName) {
        failure = QStringLiteral("プリンタ「%1」が見つかりません。").arg(printerName);
        return PrintOutcome::PrinterFailed;
    }
    if (!printer.isValid() || printer.printerState() == QPrinter::Error) {
        failure = QStringLiteral("プリンタ「%1」が使えません。").arg(printerName);
        return PrintOutcome::PrinterFailed;
    }
    if (!progress_.reach(kPrinterReady))
        return PrintOutcome::Cancelled;
    const std::vector<DrawStep> steps = ReportRenderer::layout(page, printer);
    if (!progress_.reach(kPageLaidOut))
        return PrintOutcome::Cancelled;

    // From here on the job exists: it is drawn and handed over at once.
    QPainter painter;
    if (!painter.begin(&printer)) {
        failure = QStringLiteral("プリンタ「%1」が印刷を開始できませんでした。").arg(printerName);
        return PrintOutcome::PrinterFailed;
    }
    ReportRenderer::draw(steps, painter);
    const bool ended = painter.end() && printer.printerState() != QPrinter::Error;
    const Handover handover = checkHandover(printerName);
    if (!ended || handover.result == Handover::Result::Refused) {
        failure = QStringLiteral("プリンタ「%1」が印刷を受け付けませんでした。").arg(printerName);
        if (!handover.detail.isEmpty())
            failure += u'\n' + handover.detail;
        return PrintOutcome::PrinterFailed;
    }
    progress_.reach(kHandedOver);
    return handover.result == Handover::Result::Waiting ? PrintOutcome::Queued : PrintOutcome::Printed;
}

PrintOutcome PrintAction::offerPdf(const ReportPage& page, QWidget* parent)
{
    if (!prompter_.ask(parent, kNoPrinterQuestion))
        return PrintOutcome::NotSaved;
    const QString path = prompter_.chooseSaveFile(parent, suggestedPdfPath(QDate::currentDate()));
    if (path.isEmpty())
        return PrintOutcome::NotSaved;
    if (!ReportRenderer::writePdf(page, path)) {
        prompter_.tell(parent, QStringLiteral("PDFファイルを保存できませんでした。\n%1").arg(QDir::toNativeSeparators(path)));
        return PrintOutcome::SaveFailed;
    }
    return PrintOutcome::SavedAsPdf;
}

QString PrintAction::suggestedPdfPath(const QDate& day)
{
    return QDir::home().filePath(QStringLiteral("見積書_%1.pdf").arg(day.toString(QStringLiteral("yyyyMMdd"))));
}

} // namespace lumenta::report
