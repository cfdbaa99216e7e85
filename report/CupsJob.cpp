#include "CupsJob.h"

#include "CupsClient.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <iterator>
#include <memory>

namespace lumenta::report {

#ifdef LUMENTA_HAVE_CUPS

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kCancelWithin{4000};
constexpr int kConnectWithinMs = 3000;
// How often a silent service is checked on: the longest a cancel waits.
constexpr double kPollSeconds = 0.1;
constexpr qsizetype kChunk = 16 * 1024;

int onSilence(http_t*, void* job) { return static_cast<CupsJob*>(job)->keepWaiting() ? 1 : 0; }

// The connection is closed, and an answer of the service deleted, on every way out.
struct CloseConnection {
    void operator()(http_t* http) const { cups().close(http); }
};
struct DeleteAnswer {
    void operator()(ipp_t* answer) const { cups().deleteIpp(answer); }
};
using Connection = std::unique_ptr<http_t, CloseConnection>;
using Response = std::unique_ptr<ipp_t, DeleteAnswer>;

bool failed(ipp_status_t status) { return status > IPP_STATUS_OK_EVENTS_COMPLETE; }

QByteArray printerUri(const QByteArray& queue) { return "ipp://localhost/printers/" + queue.toPercentEncoding(); }

// A request about one printer (none: the default printer), from this user.
ipp_t* newRequest(ipp_op_t operation, const QByteArray& queue)
{
    const CupsClient& c = cups();
    ipp_t* request = c.newRequest(operation);
    if (!queue.isEmpty())
        c.addString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri(queue).constData());
    c.addString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, c.user());
    return request;
}

// The default printer the user chose for all programs that print through
// the service, where there is one: LPDEST, PRINTER or the user's lpoptions.
QByteArray usersDefault()
{
    for (const char* variable : {"LPDEST", "PRINTER"})
        if (const QByteArray name = qgetenv(variable); !name.isEmpty())
            return name;
    QFile options(QDir::home().filePath(QStringLiteral(".cups/lpoptions")));
    if (!options.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& line : options.readAll().split('\n'))
        if (line.startsWith("Default "))
            return line.mid(8).trimmed().split(' ').constFirst();
    return {};
}

} // namespace

struct CupsJob::Printer {
    QByteArray queue;
    QString name;
    bool stopped = false;
    bool accepting = true;
};

CupsJob::CupsJob(Request request) : request_(std::move(request))
{
    if (cups().loaded) {
        server_ = cups().server();
        port_ = cups().port();
    }
}

bool CupsJob::keepWaiting()
{
    if (cancelled_ && !cancelling_)
        return false;
    if (Clock::now() < deadline_)
        return true;
    timedOut_ = true;
    return false;
}

void CupsJob::expectAnswerWithin(std::chrono::milliseconds limit)
{
    timedOut_ = false;
    deadline_ = Clock::now() + limit;
}

void* CupsJob::connect()
{
    http_t* http = cups().connect(server_.constData(), port_, nullptr, AF_UNSPEC, HTTP_ENCRYPTION_IF_REQUESTED, 1,
                                  kConnectWithinMs, nullptr);
    if (http)
        cups().setTimeout(http, kPollSeconds, &onSilence, this);
    return http;
}

JobResult CupsJob::failure(const QString& printer) const
{
    if (cancelled_)
        return {JobEnd::Cancelled, printer, {}};
    if (timedOut_)
        return {JobEnd::NotAnswering, printer, {}};
    const QString words = QString::fromUtf8(cups().lastErrorString());
    switch (cups().lastError()) {
    case IPP_STATUS_ERROR_NOT_FOUND:
        return {JobEnd::UnknownPrinter, printer, {}};
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
        return {JobEnd::Rejecting, printer, {}};
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
    case IPP_STATUS_ERROR_INTERNAL:
        return {JobEnd::ConnectionLost, printer, {}};
    default:
        return {JobEnd::Refused, printer, words};
    }
}

JobResult CupsJob::run()
{
    if (!cups().loaded)
        return {JobEnd::NoClient, request_.printer, {}};
    const Connection http(static_cast<http_t*>(connect()));
    if (!http.get())
        return {JobEnd::NotRunning, request_.printer, {}};
    Printer printer;
    if (const auto why = findPrinter(http.get(), printer))
        return *why;
    if (!printer.accepting)
        return {JobEnd::Rejecting, printer.name, {}};
    return hand(http.get(), printer);
}

// Only the one printer is asked for, never the whole list.
std::optional<JobResult> CupsJob::findPrinter(void* connection, Printer& printer)
{
    const CupsClient& c = cups();
    const QByteArray asked = request_.printer.isEmpty() ? usersDefault() : request_.printer.toLocal8Bit();
    // A printer name may carry an instance after a slash; the queue is the part before it.
    const QByteArray queue = asked.split('/').constFirst();
    ipp_t* request = newRequest(queue.isEmpty() ? IPP_OP_CUPS_GET_DEFAULT : IPP_OP_GET_PRINTER_ATTRIBUTES, queue);
    static const char* const kAttributes[] = {"printer-name", "printer-state", "printer-is-accepting-jobs"};
    c.addStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(std::size(kAttributes)),
                 nullptr, kAttributes);
    expectAnswerWithin(kAnswerWithin);
    const Response response(c.doRequest(static_cast<http_t*>(connection), request, "/"));
    printer.name = QString::fromLocal8Bit(asked);
    if (!response.get() || failed(c.lastError())) {
        const JobResult why = failure(printer.name);
        if (asked.isEmpty() && why.end == JobEnd::UnknownPrinter)
            return JobResult{JobEnd::NoPrinter, {}, {}};
        return why;
    }
    printer.queue = queue;
    if (queue.isEmpty()) {
        ipp_attribute_t* name = c.findAttribute(response.get(), "printer-name", IPP_TAG_NAME);
        printer.queue = name ? QByteArray(c.getString(name, 0, nullptr)) : QByteArray();
        printer.name = QString::fromLocal8Bit(printer.queue);
        if (printer.queue.isEmpty())
            return JobResult{JobEnd::NoPrinter, {}, {}};
    }
    ipp_attribute_t* state = c.findAttribute(response.get(), "printer-state", IPP_TAG_ENUM);
    printer.stopped = state && c.getInteger(state, 0) == IPP_PSTATE_STOPPED;
    ipp_attribute_t* accepting = c.findAttribute(response.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    printer.accepting = !accepting || c.getBoolean(accepting, 0);
    return std::nullopt;
}

// One A4 page, one-sided; 0 when the service refused.
int CupsJob::createJob(void* connection, const Printer& printer)
{
    const CupsClient& c = cups();
    ipp_t* request = newRequest(IPP_OP_CREATE_JOB, printer.queue);
    c.addString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, request_.title.toUtf8().constData());
    c.addString(request, IPP_TAG_JOB, IPP_TAG_KEYWORD, "media", nullptr, "iso_a4_210x297mm");
    c.addString(request, IPP_TAG_JOB, IPP_TAG_KEYWORD, "sides", nullptr, "one-sided");
    expectAnswerWithin(kAnswerWithin);
    const Response response(
        c.doRequest(static_cast<http_t*>(connection), request, ("/printers/" + printer.queue).constData()));
    if (!response.get() || failed(c.lastError()))
        return 0;
    ipp_attribute_t* id = c.findAttribute(response.get(), "job-id", IPP_TAG_INTEGER);
    return id ? c.getInteger(id, 0) : 0;
}

JobResult CupsJob::hand(void* connection, const Printer& printer)
{
    const CupsClient& c = cups();
    auto* http = static_cast<http_t*>(connection);
    if (reached)
        reached(kPrinterFound);
    if (cancelled_)
        return {JobEnd::Cancelled, printer.name, {}};
    const QByteArray document = request_.layOut();
    if (reached)
        reached(kPageLaidOut);
    if (cancelled_)
        return {JobEnd::Cancelled, printer.name, {}};

    // From here on the job exists on the service: a cancel has to remove it.
    const int id = createJob(http, printer);
    if (id == 0)
        return failure(printer.name);
    const QByteArray title = request_.title.toUtf8();
    expectAnswerWithin(kAnswerWithin);
    if (c.startDocument(http, printer.queue.constData(), id, title.constData(), CUPS_FORMAT_PDF, 1) !=
        HTTP_STATUS_CONTINUE)
        return cancelled_ ? stop(id, printer, false) : failure(printer.name);
    for (qsizetype at = 0; at < document.size(); at += kChunk) {
        expectAnswerWithin(kAnswerWithin);
        const size_t length = size_t(std::min(kChunk, document.size() - at));
        if (cancelled_ || c.writeRequestData(http, document.constData() + at, length) != HTTP_STATUS_CONTINUE)
            return cancelled_ ? stop(id, printer, false) : failure(printer.name);
    }
    expectAnswerWithin(kAnswerWithin);
    if (failed(c.finishDocument(http, printer.queue.constData())))
        return cancelled_ ? stop(id, printer, true) : failure(printer.name);
    if (reached)
        reached(kHandedOver);
    return {printer.stopped ? JobEnd::Queued : JobEnd::Printed, printer.name, {}};
}

// The job was cancelled after it was created: it is removed from the queue
// on a connection of its own. A job whose document never arrived whole
// cannot print, whatever the service answers.
JobResult CupsJob::stop(int jobId, const Printer& printer, bool documentSent)
{
    cancelling_ = true;
    expectAnswerWithin(kCancelWithin);
    const Connection http(static_cast<http_t*>(connect()));
    const bool removed = http.get() && !failed(cups().cancelJob(http.get(), printer.queue.constData(), jobId, 0));
    if (removed || !documentSent)
        return {JobEnd::Cancelled, printer.name, {}};
    return {JobEnd::NotCancelled, printer.name, {}};
}

#else

struct CupsJob::Printer {};

CupsJob::CupsJob(Request request) : request_(std::move(request)) {}
bool CupsJob::keepWaiting() { return !cancelled_; }
JobResult CupsJob::run() { return {JobEnd::NoClient, request_.printer, {}}; }

#endif

} // namespace lumenta::report
