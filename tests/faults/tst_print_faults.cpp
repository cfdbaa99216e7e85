// The print service lets a job down: its queue refuses jobs, its printer is
// stopped, or the service goes away half-way through a job or before it.
// A service that keeps silent is given up after a few seconds, and the
// window goes on answering meanwhile. Every time the user is told what is
// true, in Japanese.
//
// The test prints on the held queue of the tests' own print service, whose
// jobs never reach paper; the machine's printers are never asked.

#include "CupsOutput.h"
#include "PdfReader.h"
#include "PrintFakes.h"
#include "SheetSamples.h"
#include "UnitPrint.h"

#include <QElapsedTimer>
#include <algorithm>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#ifdef LUMENTA_TEST_CUPS
#include <cups/cups.h>
#endif

using lumenta::report::PrintOutcome;

namespace {

const QString kQueue = cups_output::kHeldQueue;
// Longest a refused or lost job may keep the user waiting.
constexpr qint64 kPatienceMs = 20000;
// Longer than any pause of a busy machine, far shorter than a wait on the service.
constexpr qint64 kStillWindowMs = 1000;
// A cancel ends the print well before the seconds a silent service is given.
constexpr qint64 kCancelledWithinMs = 4000;

bool run(const QString& program, const QStringList& arguments) { return !pdf::run(program, arguments).isNull(); }

int jobsWaiting() { return int(cups_output::jobsWaiting(kQueue).size()); }

#ifdef LUMENTA_TEST_CUPS
// The client library's address of the service, for this thread; null restores the default.
void pointServiceAt(const char* address) { cupsSetServer(address); }
constexpr const char* kNoService = "/nonexistent/lumenta-faults/cups.sock";

// A print service on this machine that takes connections and never
// answers, or hangs up on every request.
class SilentService {
public:
    explicit SilentService(bool hangUp)
    {
        if (hangUp)
            QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
                while (QTcpSocket* socket = server_.nextPendingConnection()) {
                    QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] { socket->abort(); });
                }
            });
        server_.listen(QHostAddress::LocalHost);
    }
    QByteArray address() const { return "127.0.0.1:" + QByteArray::number(server_.serverPort()); }
    bool listening() const { return server_.isListening(); }

private:
    QTcpServer server_;
};

// The longest the window's event loop went without a turn.
class LoopWatch {
public:
    LoopWatch()
    {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            longest_ = std::max(longest_, clock_.restart());
        });
        timer_.start(10);
        clock_.start();
    }
    qint64 longestMs() const { return longest_; }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 longest_ = 0;
};
#endif

struct Result {
    PrintOutcome outcome;
    qint64 elapsedMs;
};

Result printOnQueue(lumenta::report::PrintProgress* progress, fakes::Prompter& prompter,
                    const lumenta::report::PrinterCatalog* printers)
{
    TFormPrint form;
    form.setPrintServices(printers, &prompter, progress);
    QElapsedTimer clock;
    clock.start();
    const PrintOutcome outcome = form.printEstimate(samples::plainEstimate(), nullptr);
    return {outcome, clock.elapsed()};
}

// The print ended quickly and the user was told exactly once, in words that begin so.
void checkToldOnce(const Result& r, const fakes::Prompter& prompter, const QString& beginning)
{
    QVERIFY(r.elapsedMs < kPatienceMs);
    QCOMPARE(prompter.messages.size(), 1);
    QVERIFY2(prompter.messages.first().startsWith(beginning), qPrintable(prompter.messages.first()));
}

} // namespace

class PrintFaultsTest : public QObject {
    Q_OBJECT

    fakes::Printers queue_{kQueue};

private Q_SLOTS:
    void initTestCase()
    {
        if (const QString why = cups_output::unavailable(); !why.isEmpty())
            QSKIP(qPrintable(why));
        japanese_fonts::registerSubstitutes();
    }

    // Every case starts from a running, accepting, empty queue, and from the real service.
    void init()
    {
#ifdef LUMENTA_TEST_CUPS
        pointServiceAt(nullptr);
#endif
        run(QStringLiteral("cancel"), {QStringLiteral("-a"), kQueue});
        QVERIFY(run(QStringLiteral("cupsenable"), {kQueue}));
        QVERIFY(run(QStringLiteral("cupsaccept"), {kQueue}));
    }

    void cleanupTestCase()
    {
#ifdef LUMENTA_TEST_CUPS
        pointServiceAt(nullptr);
#endif
        run(QStringLiteral("cancel"), {QStringLiteral("-a"), kQueue});
    }

    // The healthy queue: the job is taken and nothing is said.
    void acceptedJobIsPrinted()
    {
        fakes::Prompter prompter;
        fakes::Progress progress;
        const Result r = printOnQueue(&progress, prompter, &queue_);
        QCOMPARE(r.outcome, PrintOutcome::Printed);
        QVERIFY2(prompter.silent(), qPrintable(prompter.messages.join(u'|')));
        QCOMPARE(jobsWaiting(), 1);
    }

    // A queue that rejects jobs: the engine alone would call this printed.
    void rejectingQueueIsReported()
    {
        QVERIFY(run(QStringLiteral("cupsreject"), {kQueue}));
        fakes::Prompter prompter;
        fakes::Progress progress;
        const Result r = printOnQueue(&progress, prompter, &queue_);
        QCOMPARE(r.outcome, PrintOutcome::PrinterFailed);
        checkToldOnce(r, prompter, QStringLiteral("印刷できませんでした。\n"));
        QVERIFY(prompter.messages.first().contains(kQueue));
        QCOMPARE(progress.finished, 1);
        QCOMPARE(jobsWaiting(), 0);
    }

    // A stopped printer still takes the job into its queue: the user hears
    // that it waits there, not that it was printed.
    void stoppedPrinterQueuesTheJob()
    {
        QVERIFY(run(QStringLiteral("cupsdisable"), {kQueue}));
        fakes::Prompter prompter;
        fakes::Progress progress;
        const Result r = printOnQueue(&progress, prompter, &queue_);
        QCOMPARE(r.outcome, PrintOutcome::Queued);
        checkToldOnce(r, prompter, QStringLiteral("見積書を印刷待ちにしました。\n"));
        QCOMPARE(jobsWaiting(), 1);
    }

    // A service that never answers, or hangs up, is given up after a few
    // seconds and named; the window's event loop goes on all the while.
    // Without a printer of its own the user is offered a PDF file instead.
    void silentServiceIsReported_data()
    {
        QTest::addColumn<bool>("hangUp");
        QTest::addColumn<bool>("named");
        QTest::addColumn<QString>("cause");
        const QString silent = QStringLiteral("印刷サービスが応答しません。");
        QTest::newRow("silent, default printer") << false << false << silent;
        QTest::newRow("silent, named printer") << false << true << silent;
        QTest::newRow("hangs up, named printer") << true << true << QStringLiteral("印刷サービスとの接続が切れました。");
    }

    void silentServiceIsReported()
    {
#ifndef LUMENTA_TEST_CUPS
        QSKIP("built without the CUPS client library");
#else
        QFETCH(bool, hangUp);
        QFETCH(bool, named);
        QFETCH(QString, cause);
        SilentService service(hangUp);
        QVERIFY(service.listening());
        pointServiceAt(service.address().constData());
        fakes::Prompter prompter;
        fakes::Progress progress;
        const LoopWatch watch;
        const Result r = printOnQueue(&progress, prompter, named ? &queue_ : nullptr);
        pointServiceAt(nullptr);
        // A window that waited on the service itself would stand still for
        // seconds; the margin leaves room for a busy machine.
        QVERIFY2(watch.longestMs() < kStillWindowMs, qPrintable(QString::number(watch.longestMs())));
        QCOMPARE(progress.started, 1);
        QCOMPARE(progress.finished, 1);
        QVERIFY(r.elapsedMs < kPatienceMs);
        if (!named) {
            QCOMPARE(r.outcome, PrintOutcome::NotSaved);
            QCOMPARE(prompter.questions.size(), 1);
            QVERIFY2(prompter.questions.first().contains(cause), qPrintable(prompter.questions.first()));
            return;
        }
        QCOMPARE(r.outcome, PrintOutcome::PrinterFailed);
        checkToldOnce(r, prompter, QStringLiteral("印刷できませんでした。\n"));
        QVERIFY2(prompter.messages.first().contains(cause), qPrintable(prompter.messages.first()));
        QVERIFY(prompter.messages.first().contains(kQueue));
#endif
    }

    // "キャンセル" while the service keeps the job waiting ends the print at once.
    void cancelWhileTheServiceIsSilent()
    {
#ifndef LUMENTA_TEST_CUPS
        QSKIP("built without the CUPS client library");
#else
        SilentService service(false);
        pointServiceAt(service.address().constData());
        fakes::Prompter prompter;
        fakes::Progress progress;
        QTimer::singleShot(300, [&progress] { progress.cancel(); });
        const Result r = printOnQueue(&progress, prompter, &queue_);
        pointServiceAt(nullptr);
        QCOMPARE(r.outcome, PrintOutcome::Cancelled);
        QVERIFY2(r.elapsedMs < kCancelledWithinMs, qPrintable(QString::number(r.elapsedMs)));
        QVERIFY(prompter.silent());
        QCOMPARE(progress.finished, 1);
#endif
    }

    // No scheduler at all when the button is pressed: no printer can be
    // found, and the user is offered a PDF file instead.
    void noServiceOffersPdf()
    {
#ifndef LUMENTA_TEST_CUPS
        QSKIP("built without the CUPS client library");
#else
        pointServiceAt(kNoService);
        fakes::Prompter prompter;
        fakes::Progress progress;
        const Result r = printOnQueue(&progress, prompter, nullptr);
        pointServiceAt(nullptr);
        QCOMPARE(r.outcome, PrintOutcome::NotSaved);
        QVERIFY(r.elapsedMs < kPatienceMs);
        QCOMPARE(prompter.questions.size(), 1);
        QVERIFY(prompter.questions.first().startsWith(QStringLiteral("プリンタが見つかりません。印刷サービスが動いていません。")));
#endif
    }
};

QTEST_MAIN(PrintFaultsTest)
#include "tst_print_faults.moc"
