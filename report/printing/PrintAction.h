#pragma once

#include "CupsJob.h"
#include "PrintWay.h"

#include <QDate>
#include <QFuture>
#include <QObject>
#include <memory>

class QThreadPool;
class QWidget;

namespace lumenta::report {

class PrintPrompter;
class PrintProgress;

// How a print ended.
enum class PrintOutcome {
    Printed, // handed to the printer as one job of one page
    Queued, // handed over, but the printer is stopped: the job waits; the user was told
    Cancelled, // cancelled by the user (or a dialog closed); nothing prints
    NotCancelled, // cancelled too late: the service kept the job; the user was told
    PrinterFailed, // the printer or the print service failed the job; the user was told why
    SavedAsPdf, // saved as a PDF file at the user's wish
    NotSaved, // no printer, and the user chose not to save
    SaveFailed, // the chosen file could not be written; the user was told why
};

// Sends a report page the ways the print button offers. Every way of
// printing goes one way: a job on a thread of its own asks the print
// service, within seconds, for the printers and prints; the window's
// thread never waits on the service, and the user can cancel at once. The
// preview and the PDF file need no print service at all.
class PrintAction : public QObject {
    Q_OBJECT
public:
    explicit PrintAction(QObject* parent = nullptr);
    // Jobs under way end as when the program ends; they are waited for a
    // fraction of a second at most.
    ~PrintAction() override;
    // The program is ending (its window closed, a logout, a signal): the
    // jobs end with it, before its windows close, so that the closing of
    // "印刷中" cancels nothing the service has whole.
    bool eventFilter(QObject* watched, QEvent* event) override;

    void setServices(PrintPrompter* prompter, PrintProgress* progress);
    // The hall the sheets sent from now on are for; it names their PDF files.
    void setHall(const QString& hall) { hall_ = hall; }

    // Starts sending a copy of the page; the future ends with how it went,
    // once the user has been told.
    QFuture<PrintOutcome> send(PrintWay way, const ReportPage& page, const PdfInfo& info, QWidget* parent);

    // The file first offered: 見積書_YYYYMMDD_<hall>.pdf in the user's
    // documents folder, with (2), (3) … before ".pdf" when a file of that
    // name is there.
    static QString suggestedPdfPath(const QDate& day, const QString& hall);

private:
    struct Request;
    struct Mailbox;
    void startJob(Request* request, CupsJob::Order order);
    void watch(Request* request, std::function<JobResult()> step);
    void jobEnded(Request* request, const JobResult& result);
    void choosePrinter(Request* request);
    void printOnChosen(Request* request, const std::vector<PrinterEntry>& printers);
    void showPreview(Request* request);
    PrintOutcome told(Request* request, const JobResult& result);
    void offerPdf(Request* request, const QString& why);
    void savePdf(Request* request);
    PrintOutcome saved(Request* request, const QString& path, const QString& why);
    void finish(Request* request, PrintOutcome outcome);
    void quitJobs();

    PrintPrompter* prompter_ = nullptr;
    PrintProgress* progress_ = nullptr;
    QThreadPool* pool_;
    std::shared_ptr<Mailbox> mailbox_;
    Request* front_ = nullptr; // the request the progress window shows
    QString hall_;
};

} // namespace lumenta::report
