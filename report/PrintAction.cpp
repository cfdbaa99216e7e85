#include "PrintAction.h"

#include "PrintDialogs.h"
#include "PrintProgress.h"
#include "PrintPrompter.h"
#include "PrinterCatalog.h"
#include "PdfFile.h"

#include <QDir>
#include <QEventLoop>
#include <QPrinter>
#include <QStandardPaths>
#include <QThread>

#include <memory>

namespace lumenta::report {

namespace {

const QString kNoPrinter = QStringLiteral("プリンタが見つかりません。");
const QString kSaveQuestion = QStringLiteral("見積書をPDFファイルとして保存しますか？");

struct Cause {
    JobEnd end;
    const char* text;  // %1: the printer
};
const Cause kCauses[] = {
    {JobEnd::NotRunning, "印刷サービスが動いていません。"},
    {JobEnd::NotAnswering, "印刷サービスが応答しません。"},
    {JobEnd::ConnectionLost, "印刷サービスとの接続が切れました。"},
    {JobEnd::UnknownPrinter, "プリンタ「%1」が見つかりません。"},
    {JobEnd::Rejecting, "プリンタ「%1」が印刷を受け付けていません。"},
    {JobEnd::Refused, "プリンタ「%1」が印刷を受け付けませんでした。"},
};

// Why a job failed, in Japanese: the service's own words only follow as a detail.
QString causeOf(const JobResult& result)
{
    QString text;
    for (const Cause& cause : kCauses)
        if (cause.end == result.end)
            text = QString::fromUtf8(cause.text);
    if (text.contains(QStringLiteral("%1")))
        text = text.arg(result.printer);
    else if (!result.printer.isEmpty())
        text += QStringLiteral("（プリンタ「%1」）").arg(result.printer);
    if (!result.detail.isEmpty())
        text += QStringLiteral("\n詳細: ") + result.detail;
    return text;
}

} // namespace

PrintAction::PrintAction(const PrinterCatalog* printers, PrintPrompter& prompter, PrintProgress& progress, PdfInfo info)
    : printers_(printers), prompter_(prompter), progress_(progress), info_(std::move(info))
{
}

PrintOutcome PrintAction::print(const ReportPage& page, QWidget* parent)
{
    QString printer;  // empty: the service's default printer
    if (printers_) {
        printer = printers_->defaultPrinter();
        if (printer.isEmpty())
            return offerPdf(kNoPrinter, page, parent);
    }
    return report(runJob(printer, page, parent), page, parent);
}

// The job runs on a thread of its own while the window's event loop goes
// on; the progress window hears of each phase before the job goes on.
JobResult PrintAction::runJob(const QString& printer, const ReportPage& page, QWidget* parent)
{
    const PdfInfo info = info_;
    CupsJob job({printer, info.title, [&page, info] { return pdfDocument(page, info); }});
    QEventLoop loop;
    job.reached = [this, &loop](int phase) {
        QMetaObject::invokeMethod(&loop, [this, phase] { progress_.reach(phase); }, Qt::BlockingQueuedConnection);
    };
    JobResult result;
    const std::unique_ptr<QThread> thread(QThread::create([&job, &result] { result = job.run(); }));
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    progress_.start(parent, CupsJob::kPhases, [&job] { job.cancel(); });
    thread->start();
    loop.exec();
    thread->wait();
    progress_.finish();
    return result;
}

PrintOutcome PrintAction::report(const JobResult& result, const ReportPage& page, QWidget* parent)
{
    const bool defaultPrinter = result.printer.isEmpty();
    switch (result.end) {
    case JobEnd::Printed:
        return PrintOutcome::Printed;
    case JobEnd::Cancelled:
        return PrintOutcome::Cancelled;
    case JobEnd::Queued:
        prompter_.tell(parent, QStringLiteral("見積書を印刷待ちにしました。\n"
                                              "プリンタ「%1」が停止しているため、再開されるまで印刷されません。")
                                   .arg(result.printer));
        return PrintOutcome::Queued;
    case JobEnd::NotCancelled:
        prompter_.tell(parent, QStringLiteral("印刷を取り消せませんでした。\n"
                                              "見積書はすでにプリンタ「%1」に渡っていて、印刷されることがあります。")
                                   .arg(result.printer));
        return PrintOutcome::NotCancelled;
    case JobEnd::NoPrinter:
        return offerPdf(kNoPrinter, page, parent);
    case JobEnd::NoClient:
        return printWithoutService(page, parent);
    case JobEnd::NotRunning:
    case JobEnd::NotAnswering:
        if (defaultPrinter)
            return offerPdf(kNoPrinter + causeOf(result) + u'\n', page, parent);
        break;
    default:
        break;
    }
    prompter_.tell(parent, QStringLiteral("印刷できませんでした。\n") + causeOf(result));
    return PrintOutcome::PrinterFailed;
}

PrintOutcome PrintAction::offerPdf(const QString& why, const ReportPage& page, QWidget* parent)
{
    if (!prompter_.ask(parent, why + kSaveQuestion))
        return PrintOutcome::NotSaved;
    return savePdf(page, parent);
}

PrintOutcome PrintAction::savePdf(const ReportPage& page, QWidget* parent)
{
    const QString path = prompter_.chooseSaveFile(parent, suggestedPdfPath(QDate::currentDate()));
    if (path.isEmpty())
        return PrintOutcome::NotSaved;
    const QByteArray pdf = pdfDocument(page, info_);
    const QString why = pdf.isEmpty() ? QStringLiteral("PDFファイルを作れませんでした。") : savePdfFile(path, pdf);
    const QString shown = QDir::toNativeSeparators(path);
    if (!why.isEmpty()) {
        prompter_.tell(parent, QStringLiteral("PDFファイルを保存できませんでした。\n%1\n%2").arg(shown, why));
        return PrintOutcome::SaveFailed;
    }
    if (prompter_.ask(parent, QStringLiteral("見積書をPDFファイルとして保存しました。\n%1\n\nこのファイルを開きますか？").arg(shown)) &&
        !prompter_.openFile(path))
        prompter_.tell(parent, QStringLiteral("PDFファイルを開くプログラムが見つかりませんでした。\n%1").arg(shown));
    return PrintOutcome::SavedAsPdf;
}

// Without the print service's client library the toolkit's own print
// engine prints, on this thread.
PrintOutcome PrintAction::printWithoutService(const ReportPage& page, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    if (printer.printerName().isEmpty())
        return offerPdf(kNoPrinter, page, parent);
    prepare(printer, page, info_.title);
    return printOrTell(printer, page, parent, prompter_);
}

QString PrintAction::suggestedPdfPath(const QDate& day)
{
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    const QDir folder = documents.exists() ? documents : QDir::home();
    return folder.filePath(QStringLiteral("見積書_%1.pdf").arg(day.toString(QStringLiteral("yyyyMMdd"))));
}

} // namespace lumenta::report
