#pragma once

#include "PdfDocument.h"
#include "ReportPage.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <mutex>
#include <optional>
#include <vector>

typedef struct _http_s http_t;

namespace lumenta::report {

// How a job handed to the print service ended.
enum class JobEnd {
    Printed,          // the service took the job and its printer is running
    Queued,           // the service took the job, but its printer is stopped
    Listed,           // the printers were asked for, or none is the default: they are in the result
    Cancelled,        // the user cancelled, and nothing will print
    NotCancelled,     // the user cancelled, but the service kept the job (detail: why)
    NoPrinter,        // the service knows no printer to print on
    NotRunning,       // no print service to connect to
    NotAnswering,     // the service did not answer in time
    ConnectionLost,   // the service hung up while the printer was asked for
    CutBeforeSheet,   // ... after the job was opened, before the sheet went; the job was removed
    CutWhileSending,  // ... while the sheet was being sent; the job was removed
    CutAfterSending,  // ... before it said it had the sheet; the job was removed
    UnknownPrinter,   // the service does not know the printer
    Rejecting,        // the printer's queue does not accept jobs
    Refused,          // the service refused the job for another reason (detail: its own words)
    SignInRefused,    // the service did not take the user name and password
    SignInTooLate,    // the user did not sign in in time
    NotAllowed,       // the user may not print on this service
    NoClient,         // the print service's client library is not installed
    NoDocument,       // the sheet could not be made into a PDF document
};

struct PrinterEntry {
    QString name;
    bool stopped = false;
    bool isDefault = false;
};

struct JobResult {
    JobResult(JobEnd end = JobEnd::Printed, QString printer = {}, QString user = {})
        : end(end), printer(std::move(printer)), user(std::move(user))
    {
    }
    JobEnd end;
    QString printer;                     // the printer's name, when known
    QString user;                        // whom the service was asked for
    QString detail;                      // the service's own words, when it refused
    std::vector<PrinterEntry> printers;  // Listed: the service's printers
    JobEnd cause = JobEnd::Printed;      // NotCancelled: why (Printed: it is being printed already)
};

struct SignIn {
    QString user;
    QString password;
};

// One print job sent to the print service (CUPS): asks for the printer it
// prints on, lays the page out, opens the job and hands the document over,
// on a connection of its own. Every answer of the service is waited for a
// few seconds at most; run() blocks, so it runs off the window's thread,
// and cancel() stops it from any thread at once. A job the service opened
// is removed again on every way out but success, and when a cancel comes
// after the service took the whole sheet.
class CupsJob {
public:
    enum Phase { kConnecting = 1, kLayingOut, kSending, kWaiting };
    static constexpr int kPhases = kWaiting;

    // Where the service is: read on the window's thread, since the client
    // library keeps it for each thread.
    struct Service {
        QByteArray host;
        int port = 0;
        int encryption = 0;
    };
    static Service callingThreadsService();

    struct Order {
        Service service;
        QString printer;  // empty: the user's default printer, as lp finds it
        bool stopped = false;  // the named printer's queue is stopped
        int copies = 1;
        bool listOnly = false;  // asks for the printers and prints nothing
        ReportPage page;
        PdfInfo info;
    };
    explicit CupsJob(Order order);

    // Told on the job's thread, as the job goes on; it does not wait.
    std::function<void(int phase)> reached;
    // Puts the sign-in question to the user, off the job's thread; the
    // answer is empty when the user declined. withdrawSignIn takes the
    // question back when the job no longer waits for it.
    std::function<std::future<std::optional<SignIn>>(const QString& user, bool refused)> askSignIn;
    std::function<void()> withdrawSignIn;

    JobResult run();
    // Stops the job; it removes what the service has of it and ends.
    void cancel();
    // The user cancelled once run() had ended with the job on the service:
    // removes it there unless it has printed. Blocks like run().
    JobResult withdraw();
    // The program is ending: the job ends within a fraction of a second,
    // removed unless the service has the whole sheet.
    void quit();
    bool cancelled() const { return cancelled_; }

    // Called by the client library.
    bool keepWaiting();
    const char* password(http_t* http);

private:
    // The printer a job prints on.
    struct Target {
        QByteArray queue;
        QString name;
        bool stopped = false;
        bool accepting = true;
    };
    JobResult listPrinters(http_t* http);
    std::optional<JobResult> findPrinter(http_t* http, Target& target);
    JobResult send(http_t* http, const Target& target, const QByteArray& sheet);
    int createJob(http_t* http, const Target& target);
    JobResult removed(int id, const Target& target, JobResult why);
    int lostJob(http_t* http, const Target& target) const;
    JobEnd serviceEnd(JobEnd transport) const;
    // Why a step ended with this HTTP status: a broken connection when the status says so.
    JobResult broken(int status, JobEnd transport, const QString& printer) const;
    JobResult failure(JobEnd transport, const QString& printer) const;
    http_t* connect();
    void expectAnswerWithin(std::chrono::milliseconds limit);
    void reach(Phase phase);
    void interrupt();
    class Live;

    Order order_;
    std::atomic<bool> cancelled_{false};
    std::mutex liveMutex_;
    http_t* live_ = nullptr;  // the job's connection, while it is open
    std::atomic<bool> quitting_{false};
    std::atomic<bool> sheetHandedOver_{false};
    std::atomic<std::chrono::steady_clock::rep> deadline_{0};
    alignas(std::atomic_ref<int>::required_alignment) int cancelConnect_ = 0;  // read by the client library while it connects
    bool cleaningUp_ = false;
    bool timedOut_ = false;
    bool signInTooLate_ = false;
    qint64 openedAt_ = 0;  // when the job was asked to be opened, by the clock
    int jobId_ = 0;        // the job on the service, once it took the whole sheet
    Target target_;
    std::optional<SignIn> signIn_;
    http_t* signedInOn_ = nullptr;
    QByteArray password_;
};

} // namespace lumenta::report
