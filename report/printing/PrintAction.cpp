#include "PrintAction.h"

#include "PdfFile.h"
#include "PrintProgress.h"
#include "PrintPrompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QPointer>
#include <QPromise>
#include <QStandardPaths>
#include <QThreadPool>
#include <QWidget>
#include <QtConcurrent>

#include <limits>
#include <mutex>

namespace lumenta::report {

namespace {

// While the program ends, the longest it waits for its jobs.
constexpr int kQuitWithinMs = 600;

const QString kNoPrinter = QStringLiteral("プリンタが見つかりません。");
const QString kSaveQuestion = QStringLiteral("見積書をPDFファイルとして保存しますか？");

struct Cause {
    JobEnd end;
    const char* text; // %1: the printer, %2: the user
};
const Cause kCauses[] = {
    {JobEnd::NotRunning, "パソコンの印刷機能（CUPS）が動いていません。"},
    {JobEnd::NotAnswering, "パソコンの印刷機能が応答しません。"},
    {JobEnd::NotEncrypted, "パソコンの印刷機能と暗号化した接続を結べませんでした。"},
    {JobEnd::ConnectionLost, "パソコンの印刷機能との接続が切れました。"},
    {JobEnd::CutBeforeSheet, "見積書を送る前にパソコンの印刷機能との接続が切れました。見積書は印刷されません。"},
    {JobEnd::CutWhileSending,
     "見積書を送っている途中でパソコンの印刷機能との接続が切れました。見積書は印刷されません。"},
    {JobEnd::CutAfterSending,
     "見積書を送り終えたところでパソコンの印刷機能との接続が切れました。見積書は印刷されません。"},
    {JobEnd::UnknownPrinter, "プリンタ「%1」が見つかりません。"},
    {JobEnd::Rejecting, "プリンタ「%1」が印刷を受け付けていません。"},
    {JobEnd::Refused, "プリンタ「%1」が印刷を受け付けませんでした。"},
    {JobEnd::SignInRefused, "パソコンの印刷機能にサインインできませんでした。ユーザー名またはパスワードが違います。"},
    {JobEnd::SignInTooLate, "パソコンの印刷機能へのサインインがないまま時間が過ぎたため、印刷をやめました。"},
    {JobEnd::NotAllowed, "パソコンの印刷機能が、ユーザー「%2」の印刷を許可していません。"},
    {JobEnd::NoClient, "パソコンの印刷機能を使うためのライブラリ（libcups2）が見つかりません。"},
    {JobEnd::NoDocument, "見積書のPDFを作れませんでした。"},
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
    else if (text.contains(QStringLiteral("%2")))
        text = text.arg(result.user);
    else if (!result.printer.isEmpty())
        text += QStringLiteral("（プリンタ「%1」）").arg(result.printer);
    if (!result.detail.isEmpty())
        text += QStringLiteral("\n詳細: ") + result.detail;
    return text;
}

// Runs work on the pool and then, on the window's thread, done with its
// result, unless the request it belongs to has gone.
template <typename Work, typename Done> void runThen(QThreadPool* pool, QObject* request, Work work, Done done)
{
    using Result = std::invoke_result_t<Work>;
    auto* watcher = new QFutureWatcher<Result>(request);
    QObject::connect(watcher, &QFutureWatcherBase::finished, request,
                     [watcher, done = std::move(done)] { done(watcher->result()); });
    watcher->setFuture(QtConcurrent::run(pool, std::move(work)));
}

} // namespace

// One use of the print button's ways, from the press until the user has
// been told how it went. It holds its own copy of the page.
struct PrintAction::Request : QObject {
    Request(PrintAction* action, const ReportPage& page, PdfInfo info, QWidget* parent)
        : QObject(action), page(page), info(std::move(info)), parent(parent)
    {
    }
    ReportPage page;
    PdfInfo info;
    QByteArray sheet; // the document the preview showed
    QString hall;
    QPointer<QWidget> parent;
    QPromise<PrintOutcome> promise;
    std::shared_ptr<CupsJob> job;
    QPointer<QWidget> signIn;
};

// How a job's thread reaches the window's: posts to a request, as long as
// the action is there.
struct PrintAction::Mailbox {
    std::mutex mutex;
    bool open = true;
    void post(Request* request, std::function<void()> work)
    {
        const std::lock_guard lock(mutex);
        if (open)
            QMetaObject::invokeMethod(request, std::move(work), Qt::QueuedConnection);
    }
};

// Every job and every file gets a thread that nothing else waits for: a
// job stuck on a silent service holds up no save and no other job.
PrintAction::PrintAction(QObject* parent)
    : QObject(parent), pool_(new QThreadPool), mailbox_(std::make_shared<Mailbox>())
{
    pool_->setMaxThreadCount(std::numeric_limits<int>::max());
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

PrintAction::~PrintAction()
{
    {
        const std::lock_guard lock(mailbox_->mutex);
        mailbox_->open = false;
    }
    quitJobs();
    // A job still in a call the client library cannot interrupt (a name
    // lookup) is left to end with the program, rather than hold it up.
    if (pool_->waitForDone(kQuitWithinMs))
        delete pool_;
}

void PrintAction::quitJobs()
{
    for (QObject* child : children())
        if (auto* request = dynamic_cast<Request*>(child); request && request->job)
            request->job->quit();
}

bool PrintAction::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance())
        quitJobs();
    return QObject::eventFilter(watched, event);
}

void PrintAction::setServices(PrintPrompter* prompter, PrintProgress* progress)
{
    prompter_ = prompter;
    progress_ = progress;
}

QFuture<PrintOutcome> PrintAction::send(PrintWay way, const ReportPage& page, const PdfInfo& info, QWidget* parent)
{
    auto* request = new Request(this, page, info, parent);
    request->hall = hall_;
    QFuture<PrintOutcome> future = request->promise.future();
    request->promise.start();
    if (way == PrintWay::Pdf)
        savePdf(request);
    else if (way == PrintWay::Preview)
        showPreview(request);
    // One print at a time: while "印刷中" shows a job the user can still
    // cancel, a second press of 印 刷 (a double click) prints nothing more.
    else if (front_ && front_->job && !front_->job->cancelled())
        finish(request, PrintOutcome::Cancelled);
    else if (way == PrintWay::ChoosePrinter)
        choosePrinter(request);
    else
        startJob(request, CupsJob::orderHere(request->page, request->info, {}));
    return future;
}

// The job runs on a thread of the action's own; the progress window hears
// of each phase, and the sign-in is asked on this thread, without waiting.
void PrintAction::startJob(Request* request, CupsJob::Order order)
{
    auto job = std::make_shared<CupsJob>(std::move(order));
    request->job = job;
    const std::shared_ptr<Mailbox> mailbox = mailbox_;
    job->reached = [this, mailbox, request](int phase) {
        mailbox->post(request, [this, request, phase] {
            if (front_ == request)
                progress_->reach(phase);
        });
    };
    job->askSignIn = [this, mailbox, request](const QString& user, bool refused) {
        auto answer = std::make_shared<std::promise<std::optional<SignIn>>>();
        auto once = std::make_shared<std::once_flag>();
        mailbox->post(request, [this, request, user, refused, answer, once] {
            request->signIn = prompter_->askSignIn(request->parent, user, refused, [answer, once](auto given) {
                std::call_once(*once, [&] { answer->set_value(std::move(given)); });
            });
        });
        return answer->get_future();
    };
    job->withdrawSignIn = [mailbox, request] {
        mailbox->post(request, [request] {
            if (request->signIn)
                request->signIn->close();
        });
    };
    front_ = request;
    progress_->start(request->parent, CupsJob::kPhases, [job] { job->cancel(); });
    watch(request, [job] { return job->run(); });
}

// Runs a step of the job on the action's thread; its end is told here.
void PrintAction::watch(Request* request, std::function<JobResult()> step)
{
    runThen(pool_, request, std::move(step), [this, request](const JobResult& result) {
        if (front_ == request) {
            front_ = nullptr;
            progress_->finish();
        }
        jobEnded(request, result);
    });
}

void PrintAction::jobEnded(Request* request, const JobResult& result)
{
    if (request->signIn)
        request->signIn->close();
    if (result.end == JobEnd::Listed)
        return printOnChosen(request, result.printers);
    // The cancel came as the job ended with the sheet on the service.
    const std::shared_ptr<CupsJob> job = request->job;
    if (job->cancelled() && (result.end == JobEnd::Printed || result.end == JobEnd::Queued))
        return watch(request, [job] { return job->withdraw(); });
    // After a cancel nothing opens, but the news that it came too late.
    const bool tellAnyway = result.end == JobEnd::NotCancelled || result.end == JobEnd::SignInTooLate;
    if (job->cancelled() && !tellAnyway)
        return finish(request, PrintOutcome::Cancelled);
    // Without a printer, or a service to ask for the default one, the sheet can still be saved.
    const bool noService = result.end == JobEnd::NotRunning || result.end == JobEnd::NotAnswering;
    if (result.end == JobEnd::NoPrinter || (noService && result.printer.isEmpty()))
        return offerPdf(request, kNoPrinter + (noService ? causeOf(result) + u'\n' : QString()));
    finish(request, told(request, result));
}

// The service's printers are asked for first, off this thread.
void PrintAction::choosePrinter(Request* request)
{
    CupsJob::Order order = CupsJob::orderHere(request->page, request->info, request->sheet);
    order.listOnly = true;
    startJob(request, std::move(order));
}

void PrintAction::printOnChosen(Request* request, const std::vector<PrinterEntry>& printers)
{
    if (printers.empty())
        return offerPdf(request, kNoPrinter);
    const std::optional<PrinterChoice> choice = prompter_->choosePrinter(request->parent, printers);
    if (!choice)
        return finish(request, PrintOutcome::Cancelled);
    CupsJob::Order order = CupsJob::orderHere(request->page, request->info, request->sheet);
    order.printer = choice->printer.name;
    order.stopped = choice->printer.stopped;
    order.copies = choice->copies;
    startJob(request, std::move(order));
}

// The preview shows the PDF document, made on the action's thread, and
// prints, when asked to, those very bytes the way the printer choice does.
void PrintAction::showPreview(Request* request)
{
    runThen(
        pool_, request, [page = request->page, info = request->info] { return pdfDocument(page, info); },
        [this, request](const QByteArray& sheet) {
            if (sheet.isEmpty())
                prompter_->tell(request->parent, causeOf(JobResult(JobEnd::NoDocument)));
            if (sheet.isEmpty() || !prompter_->preview(request->parent, sheet))
                return finish(request, PrintOutcome::Cancelled);
            request->sheet = sheet;
            choosePrinter(request);
        });
}

PrintOutcome PrintAction::told(Request* request, const JobResult& result)
{
    switch (result.end) {
    case JobEnd::Printed:
        return PrintOutcome::Printed;
    case JobEnd::Cancelled:
        return PrintOutcome::Cancelled;
    case JobEnd::Queued:
        prompter_->tell(request->parent,
                        QStringLiteral("見積書を印刷待ちにしました。\n"
                                       "プリンタ「%1」が停止しているため、再開されるまで印刷されません。")
                            .arg(result.printer));
        return PrintOutcome::Queued;
    case JobEnd::NotCancelled: {
        JobResult cause(result.cause, {}, result.user);
        cause.detail = result.detail;
        const QString why = result.cause == JobEnd::Printed
                                ? QStringLiteral("見積書はすでにプリンタ「%1」で印刷されています。").arg(result.printer)
                                : QStringLiteral("見積書はプリンタ「%1」に渡っていて、印刷されることがあります。\n")
                                          .arg(result.printer) +
                                      causeOf(cause);
        prompter_->tell(request->parent, QStringLiteral("印刷を取り消せませんでした。\n") + why);
        return PrintOutcome::NotCancelled;
    }
    default:
        break;
    }
    prompter_->tell(request->parent, QStringLiteral("印刷できませんでした。\n") + causeOf(result));
    return PrintOutcome::PrinterFailed;
}

void PrintAction::offerPdf(Request* request, const QString& why)
{
    if (!prompter_->ask(request->parent, why + kSaveQuestion))
        return finish(request, PrintOutcome::NotSaved);
    savePdf(request);
}

// The document is made and written on a thread of its own, as a job is.
void PrintAction::savePdf(Request* request)
{
    const auto write = [this, request = QPointer<Request>(request)](const QString& path) {
        if (!request)
            return;
        if (path.isEmpty())
            return finish(request, PrintOutcome::NotSaved);
        const auto make = [page = request->page, info = request->info, path] {
            const QByteArray pdf = pdfDocument(page, info);
            return pdf.isEmpty() ? QStringLiteral("PDFファイルを作れませんでした。") : savePdfFile(path, pdf);
        };
        runThen(pool_, request, make,
                [this, request, path](const QString& why) { finish(request, saved(request, path, why)); });
    };
    prompter_->chooseSaveFile(request->parent, suggestedPdfPath(QDate::currentDate(), request->hall), write);
}

PrintOutcome PrintAction::saved(Request* request, const QString& path, const QString& why)
{
    QWidget* parent = request->parent;
    const QString shown = QDir::toNativeSeparators(path);
    if (!why.isEmpty()) {
        prompter_->tell(parent, QStringLiteral("PDFファイルを保存できませんでした。\n%1\n%2").arg(shown, why));
        return PrintOutcome::SaveFailed;
    }
    const QString open = QStringLiteral("見積書をPDFファイルとして保存しました。\n%1\n\nこのファイルを開きますか？");
    if (!prompter_->ask(parent, open.arg(shown)) || prompter_->openFile(path))
        return PrintOutcome::SavedAsPdf;
    // Without a viewer, the folder shows where the file is.
    const QString folder = QFileInfo(path).absolutePath();
    const QString openFolder = QStringLiteral("PDFファイルを開くプログラムが見つかりませんでした。\n%1\n\n"
                                              "保存したフォルダを開きますか？");
    if (prompter_->ask(parent, openFolder.arg(shown)) && !prompter_->openFile(folder))
        prompter_->tell(parent,
                        QStringLiteral("フォルダを開けませんでした。\n%1").arg(QDir::toNativeSeparators(folder)));
    return PrintOutcome::SavedAsPdf;
}

void PrintAction::finish(Request* request, PrintOutcome outcome)
{
    request->promise.addResult(outcome);
    request->promise.finish();
    request->deleteLater();
}

QString PrintAction::suggestedPdfPath(const QDate& day, const QString& hall)
{
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    const QDir place = documents.exists() ? documents : QDir::home();
    QString name = QStringLiteral("見積書_") + day.toString(QStringLiteral("yyyyMMdd"));
    if (!hall.isEmpty())
        name += u'_' + hall;
    QString path = place.filePath(name + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = place.filePath(QStringLiteral("%1(%2).pdf").arg(name).arg(n));
    return path;
}

} // namespace lumenta::report
