#pragma once

#include "PdfDocument.h"
#include "PrintTypes.h"
#include "ReportPage.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <limits>
#include <mutex>
#include <optional>
#include <vector>

typedef struct _http_s http_t;

namespace lumenta::report {

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
        QString printer; // empty: the user's default printer, as lp finds it
        bool stopped = false; // the named printer's queue is stopped
        int copies = 1;
        bool listOnly = false; // asks for the printers and prints nothing
        ReportPage page;
        PdfInfo info;
        QByteArray sheet; // the document as made already (the preview's); else made from page and info
    };
    explicit CupsJob(Order order);

    // All three are set before run(). reached is told on the job's thread,
    // as the job goes on; it does not wait. askSignIn puts the sign-in
    // question to the user, off the job's thread; the answer is empty when
    // the user declined. withdrawSignIn takes the question back when the
    // job no longer waits for it.
    std::function<void(int phase)> reached;
    std::function<std::future<std::optional<SignIn>>(const QString& user, bool refused)> askSignIn;
    std::function<void()> withdrawSignIn;

    JobResult run();
    // Stops the job; it removes what the service has of it and ends. Once
    // the program is ending, quit() alone decides.
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
    int lostJob(http_t* http, const Target& target);
    int newestOpenedJob(http_t* http, const Target& target) const;
    JobEnd serviceEnd(JobEnd transport) const;
    JobResult failure(JobEnd transport, const QString& printer, bool broke = false) const;
    http_t* connect(int* cancel, bool live);
    void follow(http_t* http);
    void expectAnswerWithin(std::chrono::milliseconds limit);
    void interrupt();
    void stop();

    Order order_;
    std::atomic<bool> cancelled_{false};
    std::mutex liveMutex_;
    int liveSocket_ = -1; // the job's connection's socket, as a descriptor of its own, while it is open
    http_t* live_ = nullptr; // the connection, on the job's thread
    std::atomic<bool> quitting_{false};
    std::atomic<bool> sheetHandedOver_{false};
    // When the service's next answer is given up (the job's thread only),
    // and when every wait ends because the program does (any thread).
    std::chrono::steady_clock::rep deadline_ = 0;
    std::atomic<std::chrono::steady_clock::rep> quitBy_{std::numeric_limits<std::chrono::steady_clock::rep>::max()};
    // Read by the client library while it connects.
    alignas(std::atomic_ref<int>::required_alignment) int cancelConnect_ = 0;
    bool cleaningUp_ = false;
    bool timedOut_ = false;
    bool notEncrypted_ = false;
    bool signInTooLate_ = false;
    qint64 openedAt_ = 0; // when the job was asked to be opened, by the clock
    int jobId_ = 0; // the job on the service, once it took the whole sheet
    Target target_;
    std::optional<SignIn> signIn_;
    http_t* signedInOn_ = nullptr;
    QByteArray password_;
};

} // namespace lumenta::report
