#pragma once

#include "PdfDocument.h"
#include "PrintTypes.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <limits>
#include <mutex>
#include <optional>

typedef struct _http_s http_t;

namespace lumenta::report {

struct CupsClient;

// One print job sent to the print service (CUPS) on a connection of its
// own: finds the printer, lays the page out, opens the job and hands the
// sheet over. Every answer is waited for a few seconds at most; run()
// blocks, so it runs off the window's thread, and cancel() stops it from
// any thread at once. A job the service opened is removed on every way out
// but success, and when a cancel comes after the service took the whole sheet.
class CupsJob {
public:
    enum Phase { kConnecting = 1, kLayingOut, kSending, kWaiting };
    static constexpr int kPhases = kWaiting;

    struct Order {
        // Where the service is: read on the window's thread, since the
        // client library keeps it for each thread.
        QByteArray host;
        int port = 0;
        int encryption = 0;
        QString printer; // empty: the user's default printer, as lp finds it
        bool stopped = false; // the named printer's queue is stopped
        int copies = 1;
        bool listOnly = false; // asks for the printers and prints nothing
        ReportPage page;
        PdfInfo info;
        QByteArray sheet; // the document as made already (the preview's); else made from page and info
    };
    // An order on the default printer of the service this thread's settings name.
    static Order orderHere(const ReportPage& page, const PdfInfo& info, const QByteArray& sheet);
    explicit CupsJob(Order order);

    // All three are set before run(). reached is told on the job's thread
    // and does not wait. askSignIn puts the sign-in question to the user off
    // the job's thread (an empty answer: declined); withdrawSignIn takes it
    // back when the job no longer waits for it.
    std::function<void(int phase)> reached;
    std::function<std::future<std::optional<SignIn>>(const QString& user, bool refused)> askSignIn;
    std::function<void()> withdrawSignIn;

    JobResult run();
    // Stops the job, which removes what the service has of it and ends.
    // Once the program is ending, quit() alone decides.
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
    JobResult listPrinters(http_t* http);
    std::optional<JobResult> findPrinter(http_t* http);
    JobResult send(http_t* http, const QByteArray& sheet);
    int createJob(http_t* http);
    JobResult removed(int id, JobResult why);
    int lostJob(http_t* http);
    JobEnd serviceEnd(JobEnd transport) const;
    JobResult failure(JobEnd transport, bool broke = false) const;
    http_t* connect(int* cancel, bool live);
    void follow(http_t* http);
    void expectAnswerWithin(std::chrono::milliseconds limit);
    void stop(bool cancel);

    const CupsClient& c_;
    Order order_;
    // The printer the job prints on: its queue, its name as the user knows it.
    QByteArray queue_;
    QString printer_;
    bool stopped_ = false;
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> quitting_{false};
    std::atomic<bool> sheetHandedOver_{false};
    std::mutex liveMutex_;
    int liveSocket_ = -1; // the connection's socket, as a descriptor of its own, while it is open
    http_t* live_ = nullptr; // the connection, on the job's thread
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
    std::optional<SignIn> signIn_;
    http_t* signedInOn_ = nullptr;
    QByteArray password_;
};

} // namespace lumenta::report
