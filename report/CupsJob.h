#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <functional>
#include <optional>

namespace lumenta::report {

// How a job handed to the print service ended.
enum class JobEnd {
    Printed,         // the service took the job and its printer is running
    Queued,          // the service took the job, but its printer is stopped
    Cancelled,       // the user cancelled, and nothing will print
    NotCancelled,    // the user cancelled after the job was handed over, and the service did not drop it
    NoPrinter,       // the service knows no default printer
    NotRunning,      // no print service to connect to
    NotAnswering,    // the service did not answer in time
    ConnectionLost,  // the service hung up in the middle of the job
    UnknownPrinter,  // the service does not know the printer
    Rejecting,       // the printer's queue does not accept jobs
    Refused,         // the service refused the job for another reason (detail: its own words)
    NoClient,        // the print service's client library is not installed
};

struct JobResult {
    JobEnd end = JobEnd::Printed;
    QString printer;  // the printer's name, when known
    QString detail;   // the service's own words, when it refused
};

// One print job sent to the print service (CUPS): asks for the one printer
// it prints on (the default one unless named), lays the page out, hands the
// document over. Every request gets an answer within a few seconds or the
// job gives up; run() blocks, so it runs off the window's thread, and
// cancel() stops it from any thread.
class CupsJob {
public:
    static constexpr int kPhases = 3;
    enum Phase { kPrinterFound = 1, kPageLaidOut = 2, kHandedOver = 3 };
    // Longest wait for one answer of the service.
    static constexpr std::chrono::milliseconds kAnswerWithin{8000};

    struct Request {
        QString printer;                     // empty: the default printer
        QString title;                       // the job's name
        std::function<QByteArray()> layOut;  // the PDF document to print
    };
    // The service's address is taken on the calling thread: the client
    // library keeps it per thread.
    explicit CupsJob(Request request);

    // The job has reached a phase; it goes on once this returns.
    std::function<void(int)> reached;

    JobResult run();
    void cancel() { cancelled_ = true; }

    // Called by the client library whenever the service has been silent for
    // a short while: false gives up the request.
    bool keepWaiting();

private:
    struct Printer;
    JobResult failure(const QString& printer) const;
    std::optional<JobResult> findPrinter(void* http, Printer& printer);
    int createJob(void* http, const Printer& printer);
    JobResult hand(void* http, const Printer& printer);
    JobResult stop(int jobId, const Printer& printer, bool documentSent);
    void* connect();
    void expectAnswerWithin(std::chrono::milliseconds limit);

    Request request_;
    QByteArray server_;
    int port_ = 0;
    std::atomic<bool> cancelled_{false};
    bool cancelling_ = false;
    bool timedOut_ = false;
    std::chrono::steady_clock::time_point deadline_;
};

} // namespace lumenta::report
