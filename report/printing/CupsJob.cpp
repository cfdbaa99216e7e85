#include "CupsJob.h"

#include <QDateTime>
#include <QScopeGuard>

#include <cups/cups.h>
#include <dlfcn.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <memory>
#include <span>
#include <thread>

namespace lumenta::report {

// The functions of the print service's client library the job calls. The
// library and the twenty libraries it pulls in (TLS, Kerberos, ...) cost
// start-up time and memory, and only printing needs them, so it is opened
// at the first print instead of being linked (the package depends on libcups2).
// clang-format off
#define LUMENTA_CUPS_FUNCTIONS(F)                                                                                      \
    F(cupsServer) F(ippPort) F(cupsEncryption) F(cupsUser) F(cupsSetUser) F(cupsSetPasswordCB2) F(httpConnect2)        \
    F(httpEncryption) F(httpSetTimeout) F(httpGetFd) F(httpError) F(httpGetStatus) F(httpClose) F(cupsLastError)       \
    F(cupsLastErrorString) F(ippNewRequest) F(ippAddString) F(ippAddStrings) F(ippAddInteger) F(ippFindAttribute)      \
    F(ippGetInteger) F(ippGetBoolean) F(ippDelete) F(cupsDoRequest) F(cupsGetNamedDest) F(cupsGetDests2)               \
    F(cupsFreeDests) F(cupsGetOption) F(cupsStartDocument) F(cupsWriteRequestData) F(cupsGetResponse)                  \
    F(ippGetStatusCode) F(cupsCancelJob2) F(cupsGetJobs2) F(cupsFreeJobs)
// clang-format on

struct CupsClient {
#define LUMENTA_CUPS_MEMBER(name) decltype(&::name) name = nullptr;
    LUMENTA_CUPS_FUNCTIONS(LUMENTA_CUPS_MEMBER)
#undef LUMENTA_CUPS_MEMBER
    bool loaded = false; // false when the library is not installed
};

const CupsClient& cups()
{
    static const CupsClient client = [] {
        CupsClient c;
        void* library = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return c;
        c.loaded = true;
#define LUMENTA_CUPS_RESOLVE(name)                                                                                     \
    c.name = reinterpret_cast<decltype(c.name)>(dlsym(library, #name));                                                \
    c.loaded = c.loaded && c.name;
        LUMENTA_CUPS_FUNCTIONS(LUMENTA_CUPS_RESOLVE)
#undef LUMENTA_CUPS_RESOLVE
        return c;
    }();
    return client;
}

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto kConnectWithin = 3000ms;
constexpr auto kAnswerWithin = 8000ms;
// Removing a job the user cancelled, or one a cut left behind; the same while the program ends.
constexpr auto kCleanUpWithin = 4000ms;
constexpr auto kCleanUpWhileQuitting = 400ms;
constexpr auto kSignInWithin = 120s;
// How often a silent service or an unanswered sign-in is looked at: the longest a cancel waits.
constexpr auto kPoll = 100ms;
constexpr qsizetype kChunk = 16 * 1024;
// A job that lost the answer to its opening is looked for among the jobs
// opened this long before it at most (the service's clock may differ a
// little), for a second: an opening cut on its way may still open it later.
constexpr qint64 kLostJobSeconds = 60;
constexpr auto kLostJobAppears = 1000ms;

using Connection = std::unique_ptr<http_t, void (*)(http_t*)>;
using Answer = std::unique_ptr<ipp_t, void (*)(ipp_t*)>;

int onSilence(http_t*, void* job) { return static_cast<CupsJob*>(job)->keepWaiting() ? 1 : 0; }
const char* onPasswordWanted(const char*, http_t* http, const char*, const char*, void* job)
{
    return static_cast<CupsJob*>(job)->password(http);
}

bool failed(ipp_status_t status) { return status > IPP_STATUS_OK_EVENTS_COMPLETE; }

// The client library keeps its password question and its user for each
// thread: the job sets them on its thread, and puts them back on every way out.
auto askPasswordsOnThisThread(CupsJob* job)
{
    cups().cupsSetPasswordCB2(&onPasswordWanted, job);
    return qScopeGuard([] {
        cups().cupsSetPasswordCB2(nullptr, nullptr);
        cups().cupsSetUser(nullptr);
    });
}

// The printer the user's environment names, as lp reads it (LPDEST, then
// PRINTER unless it is "lp"): named when the service cannot be asked.
QString printerNamedBySettings()
{
    QString name = qEnvironmentVariable("LPDEST");
    if (name.isEmpty() && qEnvironmentVariable("PRINTER") != QLatin1String("lp"))
        name = qEnvironmentVariable("PRINTER");
    return name;
}

bool isStopped(const cups_dest_t& dest)
{
    const char* state = cups().cupsGetOption("printer-state", dest.num_options, dest.options);
    return state && atoi(state) == IPP_PSTATE_STOPPED;
}

// A request about a queue, made by this thread's user.
ipp_t* newRequest(ipp_op_t operation, const QByteArray& queue)
{
    const CupsClient& c = cups();
    ipp_t* request = c.ippNewRequest(operation);
    c.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                   ("ipp://localhost/printers/" + queue.toPercentEncoding()).constData());
    c.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, c.cupsUser());
    return request;
}

} // namespace

CupsJob::Order CupsJob::orderHere(const ReportPage& page, const PdfInfo& info, const QByteArray& sheet)
{
    Order order{{}, 0, 0, {}, false, 1, false, page, info, sheet};
    if (cups().loaded) {
        order.host = cups().cupsServer();
        order.port = cups().ippPort();
        order.encryption = int(cups().cupsEncryption());
    }
    return order;
}

CupsJob::CupsJob(Order order) : c_(cups()), order_(std::move(order)) {}

// The connection's socket is published while it is open, so that a cancel
// from another thread can end a wait the client library does not let its
// callback end (the second it waits for "100 Continue"). It is published as
// a descriptor of the job's own, taken anew on the job's thread before each
// step: the library may open the connection again, and a number it closed
// may by then name another file.
void CupsJob::follow(http_t* http)
{
    live_ = http;
    const int socket = http ? fcntl(c_.httpGetFd(http), F_DUPFD_CLOEXEC, 0) : -1;
    const std::lock_guard lock(liveMutex_);
    if (liveSocket_ >= 0)
        ::close(liveSocket_);
    liveSocket_ = socket;
}

void CupsJob::cancel()
{
    if (!quitting_)
        stop(true);
}

// Every wait ends by then, whatever deadline the job set last.
void CupsJob::quit()
{
    quitBy_ = (Clock::now() + kCleanUpWhileQuitting).time_since_epoch().count();
    quitting_ = true;
    stop(!sheetHandedOver_);
}

// Ends the wait under way, for connecting or on the connection's socket.
void CupsJob::stop(bool cancel)
{
    if (cancel)
        cancelled_ = true;
    std::atomic_ref<int>(cancelConnect_).store(1);
    const std::lock_guard lock(liveMutex_);
    if (liveSocket_ >= 0)
        ::shutdown(liveSocket_, SHUT_RDWR);
}

bool CupsJob::keepWaiting()
{
    if ((cancelled_ && !cleaningUp_) || (quitting_ && sheetHandedOver_))
        return false;
    const Clock::rep now = Clock::now().time_since_epoch().count();
    timedOut_ = now >= deadline_ || now >= quitBy_;
    return !timedOut_;
}

void CupsJob::expectAnswerWithin(std::chrono::milliseconds limit)
{
    timedOut_ = false;
    deadline_ = (Clock::now() + limit).time_since_epoch().count();
    if (live_)
        follow(live_);
}

// Connects in the clear, puts the deadline in place, and only then raises
// encryption where the settings require it, so that the TLS handshake is
// waited for as briefly as any answer and a cancel ends it. cancel: set by
// another thread to give up connecting; live: the job's own connection,
// whose socket a cancel shuts.
http_t* CupsJob::connect(int* cancel, bool live)
{
    const auto within = quitting_ ? kCleanUpWhileQuitting : kConnectWithin;
    const auto wanted = http_encryption_t(order_.encryption);
    const bool encrypted = wanted == HTTP_ENCRYPTION_REQUIRED || wanted == HTTP_ENCRYPTION_ALWAYS;
    const auto start = Clock::now();
    http_t* http = c_.httpConnect2(order_.host.constData(), order_.port, nullptr, AF_UNSPEC,
                                   encrypted ? HTTP_ENCRYPTION_IF_REQUESTED : wanted, 1, int(within.count()), cancel);
    // A service that is there but never takes the connection is silent;
    // where none listens, the connection is refused at once.
    if (!http) {
        timedOut_ = Clock::now() - start >= within;
        return nullptr;
    }
    c_.httpSetTimeout(http, std::chrono::duration<double>(kPoll).count(), &onSilence, this);
    if (live)
        follow(http);
    if (!encrypted)
        return http;
    expectAnswerWithin(within);
    // "Always" opens the connection anew for its handshake: its socket is
    // published again once it is there.
    if (live && wanted == HTTP_ENCRYPTION_ALWAYS)
        follow(nullptr);
    const bool done = (!cancelled_ || cleaningUp_) && c_.httpEncryption(http, wanted) == 0;
    if (live)
        follow(done ? http : nullptr);
    if (done)
        return http;
    notEncrypted_ = !cancelled_;
    c_.httpClose(http);
    return nullptr;
}

// The password the service asks for. Once given, it is offered again on a
// new connection (the one that removes a job); asked again on the same
// connection, it was refused, and the user is asked again.
const char* CupsJob::password(http_t* http)
{
    if (signIn_ && http != signedInOn_) {
        signedInOn_ = http;
        return password_.constData();
    }
    if (cancelled_ || quitting_)
        return nullptr;
    const QString user = signIn_ ? signIn_->user : QString::fromUtf8(c_.cupsUser());
    std::future<std::optional<SignIn>> answer = askSignIn(user, signIn_.has_value());
    const auto tooLate = Clock::now() + kSignInWithin;
    while (answer.wait_for(kPoll) != std::future_status::ready) {
        if (cancelled_ || quitting_ || Clock::now() > tooLate) {
            signInTooLate_ = !cancelled_ && !quitting_;
            withdrawSignIn();
            stop(true);
            return nullptr;
        }
    }
    try {
        signIn_ = answer.get();
    } catch (const std::future_error&) {
        signIn_.reset(); // the question went without an answer
    }
    expectAnswerWithin(kAnswerWithin);
    if (!signIn_) {
        stop(true);
        return nullptr;
    }
    signedInOn_ = http;
    password_ = signIn_->password.toUtf8();
    c_.cupsSetUser(signIn_->user.toUtf8().constData());
    return password_.constData();
}

// Why the service's last answer did not come or said no; transport when
// the connection broke.
JobEnd CupsJob::serviceEnd(JobEnd transport) const
{
    struct Meaning {
        ipp_status_t status;
        JobEnd end;
    };
    const Meaning meanings[] = {
        {IPP_STATUS_ERROR_NOT_FOUND, JobEnd::UnknownPrinter},
        {IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS, JobEnd::Rejecting},
        {IPP_STATUS_ERROR_FORBIDDEN, JobEnd::NotAllowed},
        {IPP_STATUS_ERROR_NOT_AUTHORIZED, JobEnd::NotAllowed},
        {IPP_STATUS_ERROR_NOT_AUTHENTICATED, JobEnd::SignInRefused},
        {IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED, JobEnd::SignInRefused},
        // What the library reports for a connection that broke or never answered.
        {IPP_STATUS_ERROR_SERVICE_UNAVAILABLE, transport},
        {IPP_STATUS_ERROR_INTERNAL, transport},
    };
    const ipp_status_t status = c_.cupsLastError();
    const auto meaning = std::find_if(std::begin(meanings), std::end(meanings),
                                      [status](const Meaning& m) { return m.status == status; });
    return timedOut_ ? JobEnd::NotAnswering : meaning != std::end(meanings) ? meaning->end : JobEnd::Refused;
}

// Why a step ended. broke: the step's own status says the connection
// broke, which leaves the service's last error as it was before.
JobResult CupsJob::failure(JobEnd transport, bool broke) const
{
    JobResult result{serviceEnd(transport), printer_, QString::fromUtf8(c_.cupsUser())};
    if (cancelled_)
        result.end = signInTooLate_ ? JobEnd::SignInTooLate : JobEnd::Cancelled;
    else if (broke)
        result.end = timedOut_ ? JobEnd::NotAnswering : transport;
    if (result.end == JobEnd::Refused)
        result.detail = QString::fromUtf8(c_.cupsLastErrorString());
    return result;
}

JobResult CupsJob::run()
{
    if (!c_.loaded)
        return {JobEnd::NoClient, order_.printer};
    const auto settings = askPasswordsOnThisThread(this);
    reached(kConnecting);
    const auto unpublish = qScopeGuard([this] { follow(nullptr); });
    const Connection http(connect(&cancelConnect_, true), c_.httpClose);
    if (!http) {
        // A handshake that timed out under the deadline is a silent service.
        const JobEnd end = cancelled_      ? JobEnd::Cancelled
                           : timedOut_     ? JobEnd::NotAnswering
                           : notEncrypted_ ? JobEnd::NotEncrypted
                                           : JobEnd::NotRunning;
        // A service that is there failed a printer the settings name; with
        // no service at all, the sheet can still be saved.
        const bool named = order_.printer.isEmpty() && end != JobEnd::NotRunning;
        return {end, named ? printerNamedBySettings() : order_.printer};
    }
    if (cancelled_)
        return {JobEnd::Cancelled, order_.printer};
    if (order_.listOnly)
        return listPrinters(http.get());
    if (const auto why = findPrinter(http.get()))
        return *why;
    reached(kLayingOut);
    const QByteArray sheet = order_.sheet.isEmpty() ? pdfDocument(order_.page, order_.info) : order_.sheet;
    if (sheet.isEmpty())
        return {JobEnd::NoDocument, printer_};
    if (cancelled_)
        return failure(JobEnd::Cancelled);
    reached(kSending);
    return send(http.get(), sheet);
}

// The printers as the user's other programs list them, the default marked.
JobResult CupsJob::listPrinters(http_t* http)
{
    cups_dest_t* dests = nullptr;
    expectAnswerWithin(kAnswerWithin);
    const int count = c_.cupsGetDests2(http, &dests);
    JobResult result{JobEnd::Listed};
    for (const cups_dest_t& dest : std::span(dests, std::size_t(std::max(count, 0)))) {
        // Printers the client library found on the network, which the
        // service has no queue for, are left out: a job prints on a queue.
        if (!c_.cupsGetOption("printer-uri-supported", dest.num_options, dest.options))
            continue;
        QString name = QString::fromUtf8(dest.name);
        if (dest.instance)
            name += u'/' + QString::fromUtf8(dest.instance);
        result.printers.push_back({name, isStopped(dest), dest.is_default != 0});
    }
    c_.cupsFreeDests(count, dests);
    if (!result.printers.empty())
        return result;
    // A service without printers answers that it found none.
    if (cancelled_ || timedOut_ || failed(c_.cupsLastError()))
        if (JobResult why = failure(JobEnd::ConnectionLost); why.end != JobEnd::UnknownPrinter)
            return why;
    return JobResult{JobEnd::NoPrinter};
}

// The default printer is the one lp would print on (LPDEST, PRINTER, the
// user's and the system's lpoptions, then the service's default); a named
// one is asked for alone, never the whole list.
std::optional<JobResult> CupsJob::findPrinter(http_t* http)
{
    expectAnswerWithin(kAnswerWithin);
    bool accepting = true;
    if (order_.printer.isEmpty()) {
        const auto release = [](cups_dest_t* dest) { cups().cupsFreeDests(1, dest); };
        const std::unique_ptr<cups_dest_t, decltype(release)> dest(c_.cupsGetNamedDest(http, nullptr, nullptr),
                                                                   release);
        if (!dest) {
            // The library reports a refusal of the service, and a broken
            // connection, as "no default printer".
            printer_ = printerNamedBySettings();
            const bool broke = timedOut_ || c_.httpError(http) != 0;
            JobResult why = failure(JobEnd::ConnectionLost, broke);
            if (c_.httpGetStatus(http) == HTTP_STATUS_FORBIDDEN && !cancelled_)
                return JobResult{JobEnd::NotAllowed, {}, why.user};
            if (broke || cancelled_ || (why.end != JobEnd::UnknownPrinter && failed(c_.cupsLastError())))
                return why;
            // No default printer: the service's printers, if it has any, to choose from.
            return printer_.isEmpty() ? listPrinters(http) : JobResult{JobEnd::UnknownPrinter, printer_};
        }
        queue_ = dest->name;
        printer_ = QString::fromUtf8(dest->name);
        stopped_ = isStopped(*dest);
        const char* taking = c_.cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
        accepting = !taking || qstrcmp(taking, "false") != 0;
    } else {
        // A printer name may carry an instance after a slash; the queue is the part before it.
        printer_ = order_.printer;
        queue_ = order_.printer.section(u'/', 0, 0).toUtf8();
        ipp_t* request = newRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, queue_);
        static const char* const kAttributes[] = {"printer-state", "printer-is-accepting-jobs"};
        c_.ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                         int(std::size(kAttributes)), nullptr, kAttributes);
        const Answer answer(c_.cupsDoRequest(http, request, "/"), c_.ippDelete);
        if (!answer || failed(c_.cupsLastError()))
            return failure(JobEnd::ConnectionLost);
        ipp_attribute_t* state = c_.ippFindAttribute(answer.get(), "printer-state", IPP_TAG_ENUM);
        stopped_ = order_.stopped || (state && c_.ippGetInteger(state, 0) == IPP_PSTATE_STOPPED);
        ipp_attribute_t* taking = c_.ippFindAttribute(answer.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
        accepting = !taking || c_.ippGetBoolean(taking, 0);
    }
    if (!accepting)
        return JobResult{JobEnd::Rejecting, printer_};
    return std::nullopt;
}

// One A4 page, one-sided, in the copies asked for; 0 when no job was opened.
int CupsJob::createJob(http_t* http)
{
    ipp_t* request = newRequest(IPP_OP_CREATE_JOB, queue_);
    c_.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr,
                    order_.info.title.toUtf8().constData());
    c_.ippAddString(request, IPP_TAG_JOB, IPP_TAG_KEYWORD, "media", nullptr, "iso_a4_210x297mm");
    c_.ippAddString(request, IPP_TAG_JOB, IPP_TAG_KEYWORD, "sides", nullptr, "one-sided");
    c_.ippAddInteger(request, IPP_TAG_JOB, IPP_TAG_INTEGER, "copies", order_.copies);
    expectAnswerWithin(kAnswerWithin);
    const Answer answer(c_.cupsDoRequest(http, request, ("/printers/" + queue_).constData()), c_.ippDelete);
    if (!answer || failed(c_.cupsLastError()))
        return 0;
    ipp_attribute_t* id = c_.ippFindAttribute(answer.get(), "job-id", IPP_TAG_INTEGER);
    return id ? c_.ippGetInteger(id, 0) : 0;
}

JobResult CupsJob::send(http_t* http, const QByteArray& sheet)
{
    openedAt_ = QDateTime::currentSecsSinceEpoch();
    const int id = createJob(http);
    if (id == 0) {
        const JobResult why = failure(JobEnd::CutBeforeSheet);
        // Without an answer the service may still have opened the job: it
        // is looked for and removed.
        const bool unanswered = cancelled_ || timedOut_ || why.end == JobEnd::CutBeforeSheet;
        return unanswered ? removed(-1, why) : why;
    }
    expectAnswerWithin(kAnswerWithin);
    const http_status_t started =
        c_.cupsStartDocument(http, queue_.constData(), id, order_.info.title.toUtf8().constData(), CUPS_FORMAT_PDF, 1);
    if (started != HTTP_STATUS_CONTINUE)
        return removed(id, failure(JobEnd::CutBeforeSheet, started == HTTP_STATUS_ERROR));
    for (qsizetype at = 0; at < sheet.size(); at += kChunk) {
        expectAnswerWithin(kAnswerWithin);
        const size_t length = size_t(std::min(kChunk, sheet.size() - at));
        const http_status_t written =
            cancelled_ ? HTTP_STATUS_ERROR : c_.cupsWriteRequestData(http, sheet.constData() + at, length);
        if (written != HTTP_STATUS_CONTINUE)
            return removed(id, failure(JobEnd::CutWhileSending, written == HTTP_STATUS_ERROR));
    }
    sheetHandedOver_ = true;
    reached(kWaiting);
    expectAnswerWithin(kAnswerWithin);
    const Answer answer(c_.cupsGetResponse(http, ("/printers/" + queue_).constData()), c_.ippDelete);
    const bool taken = answer && !failed(c_.ippGetStatusCode(answer.get()));
    if (quitting_ && !cancelled_)
        return {JobEnd::Printed, printer_}; // the service has the whole sheet: it is left there
    // A connection reset, not closed, means the service threw away what it
    // had not read yet: part of the sheet, which the system had taken in.
    const JobEnd cut = c_.httpError(http) == ECONNRESET ? JobEnd::CutWhileSending : JobEnd::CutAfterSending;
    if (!taken || cancelled_)
        return removed(id, failure(cut, !answer));
    jobId_ = id;
    return {stopped_ ? JobEnd::Queued : JobEnd::Printed, printer_};
}

JobResult CupsJob::withdraw()
{
    const auto settings = askPasswordsOnThisThread(this);
    c_.cupsSetUser(signIn_ ? signIn_->user.toUtf8().constData() : nullptr);
    return removed(jobId_, {JobEnd::Cancelled, printer_});
}

// Removes the job from the service on a connection of its own, and returns
// why it ended; where it cannot be removed, says so and why. An id of -1
// looks up a job whose number never came.
JobResult CupsJob::removed(int id, JobResult why)
{
    cleaningUp_ = true;
    expectAnswerWithin(kCleanUpWithin);
    // A connection of its own, which neither a cancel nor the end of the
    // program gives up: the end of the program only shortens its waits.
    const Connection http(connect(nullptr, false), c_.httpClose);
    if (http && id < 0)
        id = lostJob(http.get());
    if (id == 0)
        return why; // the service never opened it
    if (http && !failed(c_.cupsCancelJob2(http.get(), queue_.constData(), id, 0)))
        return why;
    // A job that never got its whole sheet cannot print.
    if (!sheetHandedOver_)
        return why;
    // The service is printing it, or has printed it.
    const bool printing = http && c_.cupsLastError() == IPP_STATUS_ERROR_NOT_POSSIBLE;
    if (printing && why.end != JobEnd::Cancelled)
        return {stopped_ ? JobEnd::Queued : JobEnd::Printed, printer_};
    JobResult kept(JobEnd::NotCancelled, printer_, why.user);
    kept.cause = printing ? JobEnd::Printed : http ? serviceEnd(JobEnd::ConnectionLost) : JobEnd::NotRunning;
    if (kept.cause == JobEnd::Refused)
        kept.detail = QString::fromUtf8(c_.cupsLastErrorString());
    return kept;
}

// The newest job of this user on the queue with this title and no document
// yet, opened since this job was asked to be: the job whose opening's
// answer never came. 0 when there is none, after looking again for a while.
int CupsJob::lostJob(http_t* http)
{
    for (const auto lookUntil = Clock::now() + kLostJobAppears;; std::this_thread::sleep_for(kPoll)) {
        cups_job_t* jobs = nullptr;
        const int count = c_.cupsGetJobs2(http, &jobs, queue_.constData(), 1, CUPS_WHICHJOBS_ACTIVE);
        int newest = 0;
        for (const cups_job_t& job : std::span(jobs, std::size_t(std::max(count, 0))))
            if (job.size == 0 && job.creation_time >= openedAt_ - kLostJobSeconds &&
                QString::fromUtf8(job.title) == order_.info.title)
                newest = std::max(newest, job.id);
        c_.cupsFreeJobs(count, jobs);
        if (newest != 0 || Clock::now() >= lookUntil || !keepWaiting())
            return newest;
    }
}

} // namespace lumenta::report
