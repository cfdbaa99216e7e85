#include "CupsJob.h"

#include "CupsClient.h"

#include <QDateTime>
#include <QScopeGuard>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <memory>
#include <thread>

namespace lumenta::report {

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kConnectWithinMs = 3000;
constexpr auto kAnswerWithin = 8000ms;
// Removing a job the user cancelled, or one a cut left behind.
constexpr auto kCleanUpWithin = 4000ms;
// The same while the program ends.
constexpr auto kCleanUpWhileQuitting = 400ms;
// How long the user may take to sign in.
constexpr auto kSignInWithin = 120s;
// How often a silent service or an unanswered sign-in is looked at: the longest a cancel waits.
constexpr double kPollSeconds = 0.1;
constexpr auto kPoll = 100ms;
constexpr qsizetype kChunk = 16 * 1024;
// A job that lost the answer to its opening is looked for among the jobs
// opened this long before it at most (the service's clock may differ a little).
constexpr qint64 kLostJobSeconds = 60;
// An opening cut on its way may still reach the service and open the job a
// moment after the first look for it: it is looked for again this long.
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
// PRINTER unless it is "lp"): known without asking the service, and so
// named when the service cannot be asked.
QString printerNamedBySettings()
{
    QString name = qEnvironmentVariable("LPDEST");
    if (name.isEmpty() && qEnvironmentVariable("PRINTER") != QLatin1String("lp"))
        name = qEnvironmentVariable("PRINTER");
    return name;
}

QByteArray printerUri(const QByteArray& queue) { return "ipp://localhost/printers/" + queue.toPercentEncoding(); }

} // namespace

CupsJob::Service CupsJob::callingThreadsService()
{
    if (!cups().loaded)
        return {};
    return {cups().cupsServer(), cups().ippPort(), int(cups().cupsEncryption())};
}

CupsJob::CupsJob(Order order) : order_(std::move(order)) {}

// The job's connection's socket is published while it is open, so that a
// cancel from another thread can end a wait the client library does not
// let its callback end (the second it waits for "100 Continue"). It is
// published as a descriptor of the job's own, taken anew on the job's
// thread before each step: the client library may open the connection
// again, and a number it closed may by then name another file.
void CupsJob::follow(http_t* http)
{
    live_ = http;
    const int socket = http ? fcntl(cups().httpGetFd(http), F_DUPFD_CLOEXEC, 0) : -1;
    const std::lock_guard lock(liveMutex_);
    if (liveSocket_ >= 0)
        ::close(liveSocket_);
    liveSocket_ = socket;
}

void CupsJob::interrupt()
{
    const std::lock_guard lock(liveMutex_);
    if (liveSocket_ >= 0)
        ::shutdown(liveSocket_, SHUT_RDWR);
}

void CupsJob::cancel()
{
    if (!quitting_)
        stop();
}

void CupsJob::stop()
{
    cancelled_ = true;
    std::atomic_ref<int>(cancelConnect_).store(1);
    interrupt();
}

// Every wait ends by then, whatever deadline the job set last.
void CupsJob::quit()
{
    quitBy_ = (Clock::now() + kCleanUpWhileQuitting).time_since_epoch().count();
    quitting_ = true;
    if (!sheetHandedOver_)
        stop();
    std::atomic_ref<int>(cancelConnect_).store(1);
    interrupt();
}

bool CupsJob::keepWaiting()
{
    if (cancelled_ && !cleaningUp_)
        return false;
    if (quitting_ && sheetHandedOver_)
        return false;
    const Clock::rep now = Clock::now().time_since_epoch().count();
    if (now < deadline_ && now < quitBy_)
        return true;
    timedOut_ = true;
    return false;
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
    const CupsClient& c = cups();
    const int within = quitting_ ? int(kCleanUpWhileQuitting.count()) : kConnectWithinMs;
    const auto wanted = http_encryption_t(order_.service.encryption);
    const bool encrypted = wanted == HTTP_ENCRYPTION_REQUIRED || wanted == HTTP_ENCRYPTION_ALWAYS;
    http_t* http = c.httpConnect2(order_.service.host.constData(), order_.service.port, nullptr, AF_UNSPEC,
                                  encrypted ? HTTP_ENCRYPTION_IF_REQUESTED : wanted, 1, within, cancel);
    if (!http)
        return nullptr;
    c.httpSetTimeout(http, kPollSeconds, &onSilence, this);
    if (live)
        follow(http);
    if (!encrypted)
        return http;
    expectAnswerWithin(std::chrono::milliseconds(within));
    // "Always" opens the connection anew for its handshake: its socket is
    // published again once it is there.
    if (live && wanted == HTTP_ENCRYPTION_ALWAYS)
        follow(nullptr);
    const bool done = (!cancelled_ || cleaningUp_) && c.httpEncryption(http, wanted) == 0;
    if (live)
        follow(done ? http : nullptr);
    if (done)
        return http;
    notEncrypted_ = !cancelled_;
    c.httpClose(http);
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
    const QString user = signIn_ ? signIn_->user : QString::fromUtf8(cups().cupsUser());
    std::future<std::optional<SignIn>> answer = askSignIn(user, signIn_.has_value());
    const auto tooLate = Clock::now() + kSignInWithin;
    while (answer.wait_for(kPoll) != std::future_status::ready) {
        if (cancelled_ || quitting_ || Clock::now() > tooLate) {
            signInTooLate_ = !cancelled_ && !quitting_;
            withdrawSignIn();
            stop();
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
        stop();
        return nullptr;
    }
    signedInOn_ = http;
    password_ = signIn_->password.toUtf8();
    cups().cupsSetUser(signIn_->user.toUtf8().constData());
    return password_.constData();
}

// Why the service's last answer did not come or said no; transport when
// the connection broke.
JobEnd CupsJob::serviceEnd(JobEnd transport) const
{
    if (timedOut_)
        return JobEnd::NotAnswering;
    struct Meaning {
        ipp_status_t status;
        JobEnd end;
    };
    static const Meaning kMeanings[] = {
        {IPP_STATUS_ERROR_NOT_FOUND, JobEnd::UnknownPrinter},
        {IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS, JobEnd::Rejecting},
        {IPP_STATUS_ERROR_FORBIDDEN, JobEnd::NotAllowed},
        {IPP_STATUS_ERROR_NOT_AUTHORIZED, JobEnd::NotAllowed},
        {IPP_STATUS_ERROR_NOT_AUTHENTICATED, JobEnd::SignInRefused},
        {IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED, JobEnd::SignInRefused},
    };
    // What the library reports for a connection that broke or never answered.
    const ipp_status_t status = cups().cupsLastError();
    if (status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE || status == IPP_STATUS_ERROR_INTERNAL)
        return transport;
    for (const Meaning& meaning : kMeanings)
        if (meaning.status == status)
            return meaning.end;
    return JobEnd::Refused;
}

// Why a step ended. broke: the step's own status says the connection
// broke, which leaves the service's last error as it was before.
JobResult CupsJob::failure(JobEnd transport, const QString& printer, bool broke) const
{
    JobResult result{serviceEnd(transport), printer, QString::fromUtf8(cups().cupsUser())};
    if (cancelled_)
        result.end = signInTooLate_ ? JobEnd::SignInTooLate : JobEnd::Cancelled;
    else if (broke)
        result.end = timedOut_ ? JobEnd::NotAnswering : transport;
    if (result.end == JobEnd::Refused)
        result.detail = QString::fromUtf8(cups().cupsLastErrorString());
    return result;
}

JobResult CupsJob::run()
{
    if (!cups().loaded)
        return {JobEnd::NoClient, order_.printer};
    const auto settings = askPasswordsOnThisThread(this);
    reached(kConnecting);
    const auto unpublish = qScopeGuard([this] { follow(nullptr); });
    const Connection http(connect(&cancelConnect_, true), cups().httpClose);
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
    Target target;
    if (const auto why = findPrinter(http.get(), target))
        return *why;
    if (!target.accepting)
        return {JobEnd::Rejecting, target.name};
    reached(kLayingOut);
    const QByteArray sheet = order_.sheet.isEmpty() ? pdfDocument(order_.page, order_.info) : order_.sheet;
    if (sheet.isEmpty())
        return {JobEnd::NoDocument, target.name};
    if (cancelled_)
        return failure(JobEnd::Cancelled, target.name);
    reached(kSending);
    return send(http.get(), target, sheet);
}

// The printers as the user's other programs list them, the default marked.
JobResult CupsJob::listPrinters(http_t* http)
{
    const CupsClient& c = cups();
    cups_dest_t* dests = nullptr;
    expectAnswerWithin(kAnswerWithin);
    const int count = c.cupsGetDests2(http, &dests);
    JobResult result{JobEnd::Listed};
    for (int i = 0; i < count; ++i) {
        // Printers the client library found on the network, which the
        // service has no queue for, are left out: a job prints on a queue.
        if (!c.cupsGetOption("printer-uri-supported", dests[i].num_options, dests[i].options))
            continue;
        QString name = QString::fromUtf8(dests[i].name);
        if (dests[i].instance)
            name += u'/' + QString::fromUtf8(dests[i].instance);
        const char* state = c.cupsGetOption("printer-state", dests[i].num_options, dests[i].options);
        result.printers.push_back({name, state && atoi(state) == IPP_PSTATE_STOPPED, dests[i].is_default != 0});
    }
    c.cupsFreeDests(count, dests);
    if (!result.printers.empty())
        return result;
    // A service without printers answers that it found none.
    if (cancelled_ || timedOut_ || failed(c.cupsLastError()))
        if (JobResult why = failure(JobEnd::ConnectionLost, {}); why.end != JobEnd::UnknownPrinter)
            return why;
    return JobResult{JobEnd::NoPrinter};
}

// The default printer is the one lp would print on (LPDEST, PRINTER, the
// user's and the system's lpoptions, then the service's default); a named
// one is asked for alone, never the whole list.
std::optional<JobResult> CupsJob::findPrinter(http_t* http, Target& target)
{
    const CupsClient& c = cups();
    expectAnswerWithin(kAnswerWithin);
    if (order_.printer.isEmpty()) {
        const auto release = [](cups_dest_t* dest) { cups().cupsFreeDests(1, dest); };
        const std::unique_ptr<cups_dest_t, decltype(release)> dest(c.cupsGetNamedDest(http, nullptr, nullptr), release);
        if (!dest) {
            // The library reports a refusal of the service, and a broken
            // connection, as "no default printer".
            if (c.httpGetStatus(http) == HTTP_STATUS_FORBIDDEN && !cancelled_)
                return JobResult{JobEnd::NotAllowed, {}, QString::fromUtf8(c.cupsUser())};
            const QString named = printerNamedBySettings();
            if (!cancelled_ && (timedOut_ || c.httpError(http) != 0))
                return JobResult{timedOut_ ? JobEnd::NotAnswering : JobEnd::ConnectionLost, named,
                                 QString::fromUtf8(c.cupsUser())};
            const JobResult why = failure(JobEnd::ConnectionLost, named);
            if (why.end == JobEnd::UnknownPrinter || !failed(c.cupsLastError())) {
                if (!named.isEmpty())
                    return JobResult{JobEnd::UnknownPrinter, named};
                // No default printer: the service's printers, if it has any, to choose from.
                return listPrinters(http);
            }
            return why;
        }
        target.queue = dest->name;
        target.name = QString::fromUtf8(dest->name);
        const char* state = c.cupsGetOption("printer-state", dest->num_options, dest->options);
        const char* accepting = c.cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
        target.stopped = state && atoi(state) == IPP_PSTATE_STOPPED;
        target.accepting = !accepting || qstrcmp(accepting, "false") != 0;
        return std::nullopt;
    }
    // A printer name may carry an instance after a slash; the queue is the part before it.
    target.name = order_.printer;
    target.queue = order_.printer.section(u'/', 0, 0).toUtf8();
    ipp_t* request = c.ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    c.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                   printerUri(target.queue).constData());
    static const char* const kAttributes[] = {"printer-state", "printer-is-accepting-jobs"};
    c.ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(std::size(kAttributes)),
                    nullptr, kAttributes);
    const Answer answer(c.cupsDoRequest(http, request, "/"), c.ippDelete);
    if (!answer || failed(c.cupsLastError()))
        return failure(JobEnd::ConnectionLost, target.name);
    ipp_attribute_t* state = c.ippFindAttribute(answer.get(), "printer-state", IPP_TAG_ENUM);
    target.stopped = order_.stopped || (state && c.ippGetInteger(state, 0) == IPP_PSTATE_STOPPED);
    ipp_attribute_t* accepting = c.ippFindAttribute(answer.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    target.accepting = !accepting || c.ippGetBoolean(accepting, 0);
    return std::nullopt;
}

// One A4 page, one-sided, in the copies asked for; 0 when no job was opened.
int CupsJob::createJob(http_t* http, const Target& target)
{
    const CupsClient& c = cups();
    ipp_t* request = c.ippNewRequest(IPP_OP_CREATE_JOB);
    c.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                   printerUri(target.queue).constData());
    c.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, c.cupsUser());
    c.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr,
                   order_.info.title.toUtf8().constData());
    c.ippAddString(request, IPP_TAG_JOB, IPP_TAG_KEYWORD, "media", nullptr, "iso_a4_210x297mm");
    c.ippAddString(request, IPP_TAG_JOB, IPP_TAG_KEYWORD, "sides", nullptr, "one-sided");
    c.ippAddInteger(request, IPP_TAG_JOB, IPP_TAG_INTEGER, "copies", order_.copies);
    expectAnswerWithin(kAnswerWithin);
    const Answer answer(c.cupsDoRequest(http, request, ("/printers/" + target.queue).constData()), c.ippDelete);
    if (!answer || failed(c.cupsLastError()))
        return 0;
    ipp_attribute_t* id = c.ippFindAttribute(answer.get(), "job-id", IPP_TAG_INTEGER);
    return id ? c.ippGetInteger(id, 0) : 0;
}

JobResult CupsJob::send(http_t* http, const Target& target, const QByteArray& sheet)
{
    const CupsClient& c = cups();
    openedAt_ = QDateTime::currentSecsSinceEpoch();
    const int id = createJob(http, target);
    if (id == 0) {
        const JobResult why = failure(JobEnd::CutBeforeSheet, target.name);
        // Without an answer the service may still have opened the job: it
        // is looked for and removed.
        const bool unanswered = cancelled_ || timedOut_ || why.end == JobEnd::CutBeforeSheet;
        return unanswered ? removed(-1, target, why) : why;
    }
    const QByteArray title = order_.info.title.toUtf8();
    expectAnswerWithin(kAnswerWithin);
    const http_status_t started =
        c.cupsStartDocument(http, target.queue.constData(), id, title.constData(), CUPS_FORMAT_PDF, 1);
    if (started != HTTP_STATUS_CONTINUE)
        return removed(id, target, failure(JobEnd::CutBeforeSheet, target.name, started == HTTP_STATUS_ERROR));
    for (qsizetype at = 0; at < sheet.size(); at += kChunk) {
        expectAnswerWithin(kAnswerWithin);
        const size_t length = size_t(std::min(kChunk, sheet.size() - at));
        const http_status_t written =
            cancelled_ ? HTTP_STATUS_ERROR : c.cupsWriteRequestData(http, sheet.constData() + at, length);
        if (written != HTTP_STATUS_CONTINUE)
            return removed(id, target, failure(JobEnd::CutWhileSending, target.name, written == HTTP_STATUS_ERROR));
    }
    sheetHandedOver_ = true;
    reached(kWaiting);
    expectAnswerWithin(kAnswerWithin);
    const Answer answer(c.cupsGetResponse(http, ("/printers/" + target.queue).constData()), c.ippDelete);
    const bool taken = answer && !failed(c.ippGetStatusCode(answer.get()));
    if (quitting_ && !cancelled_)
        return {JobEnd::Printed, target.name}; // the service has the whole sheet: it is left there
    // A connection reset, not closed, means the service threw away what it
    // had not read yet: part of the sheet, which the system had taken in.
    const JobEnd cut = c.httpError(http) == ECONNRESET ? JobEnd::CutWhileSending : JobEnd::CutAfterSending;
    if (!taken || cancelled_)
        return removed(id, target, failure(cut, target.name, !answer));
    jobId_ = id;
    target_ = target;
    return {target.stopped ? JobEnd::Queued : JobEnd::Printed, target.name};
}

JobResult CupsJob::withdraw()
{
    const auto settings = askPasswordsOnThisThread(this);
    cups().cupsSetUser(signIn_ ? signIn_->user.toUtf8().constData() : nullptr);
    return removed(jobId_, target_, {JobEnd::Cancelled, target_.name});
}

// Removes the job from the service on a connection of its own, and returns
// why it ended; where it cannot be removed, says so and why. An id of -1
// looks up a job whose number never came.
JobResult CupsJob::removed(int id, const Target& target, JobResult why)
{
    const CupsClient& c = cups();
    cleaningUp_ = true;
    expectAnswerWithin(kCleanUpWithin);
    // A connection of its own, which neither a cancel nor the end of the
    // program gives up: the end of the program only shortens its waits.
    const Connection http(connect(nullptr, false), c.httpClose);
    if (http && id < 0)
        id = lostJob(http.get(), target);
    if (id == 0)
        return why; // the service never opened it
    if (http && !failed(c.cupsCancelJob2(http.get(), target.queue.constData(), id, 0)))
        return why;
    // A job that never got its whole sheet cannot print.
    if (!sheetHandedOver_)
        return why;
    // The service is printing it, or has printed it.
    const bool printing = http && c.cupsLastError() == IPP_STATUS_ERROR_NOT_POSSIBLE;
    if (printing && why.end != JobEnd::Cancelled)
        return {target.stopped ? JobEnd::Queued : JobEnd::Printed, target.name};
    JobResult kept(JobEnd::NotCancelled, target.name, why.user);
    kept.cause = printing ? JobEnd::Printed : http ? serviceEnd(JobEnd::ConnectionLost) : JobEnd::NotRunning;
    if (kept.cause == JobEnd::Refused)
        kept.detail = QString::fromUtf8(c.cupsLastErrorString());
    return kept;
}

// The newest job of this user on the queue with this title and no document
// yet, opened since this job was asked to be: the job whose opening's
// answer never came. 0 when there is none, after looking again for a while.
int CupsJob::lostJob(http_t* http, const Target& target)
{
    for (const auto lookUntil = Clock::now() + kLostJobAppears;; std::this_thread::sleep_for(kPoll)) {
        if (const int id = newestOpenedJob(http, target); id != 0 || Clock::now() >= lookUntil || !keepWaiting())
            return id;
    }
}

int CupsJob::newestOpenedJob(http_t* http, const Target& target) const
{
    const CupsClient& c = cups();
    cups_job_t* jobs = nullptr;
    const int count = c.cupsGetJobs2(http, &jobs, target.queue.constData(), 1, CUPS_WHICHJOBS_ACTIVE);
    int newest = 0;
    for (int i = 0; i < count; ++i)
        if (jobs[i].size == 0 && jobs[i].creation_time >= openedAt_ - kLostJobSeconds &&
            QString::fromUtf8(jobs[i].title) == order_.info.title)
            newest = std::max(newest, jobs[i].id);
    c.cupsFreeJobs(count, jobs);
    return newest;
}

} // namespace lumenta::report
