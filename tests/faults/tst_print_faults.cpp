// The print service lets a job down: its queue refuses jobs, its printer is
// stopped, the service goes away half-way through a job or before it, keeps
// silent, or asks for a password; or the program is ended in the middle of
// a job. A silent service is given up after a few seconds, the window goes
// on answering meanwhile, a cancel leaves nothing on the service, and every
// time the user is told what is true, in Japanese.
//
// The test prints on the tests' own print service, mostly on its held
// queue, whose jobs never print; a stand-in service on 127.0.0.1 passes the
// program's requests on to it, or keeps silent, hangs up or asks for a
// password at a chosen request.

#include "CupsOutput.h"
#include "EndOnSignal.h"
#include "KeyDriver.h"
#include "PdfReader.h"
#include "PrintFakes.h"
#include "Program.h"
#include "SheetSamples.h"
#include "UnitMain.h"
#include "UnitPrint.h"
#include "plButton.h"

#include <QAccessible>
#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QGraphicsView>
#include <QLineEdit>
#include <QLocalSocket>
#include <QProcess>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <thread>

#include <csignal>
#include <cups/cups.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using lumenta::report::PrintOutcome;
using lumenta::report::PrintWay;
using lumenta::report::SignIn;

namespace {

const QString kQueue = cups_output::kHeldQueue;
// Longest a refused or lost job may keep the user waiting.
constexpr qint64 kPatienceMs = 20000;
// A window that waited on the service itself would stand still for
// seconds; the margin leaves room for a busy machine and the sanitizers.
constexpr qint64 kStillWindowMs = 500;
// A cancel ends the print well before the seconds a silent service is given.
constexpr qint64 kCancelledWithinMs = 2000;
// ... and where it can shut the connection, at once: the margin is a busy machine's.
constexpr qint64 kCancelledAtOnceMs = 250;
// Each answer of a silent service is waited for 8 s; the printer list takes
// about a second more. The rest is a busy machine's margin.
constexpr qint64 kSilenceGivenUpMs = 8000 + 1500;
// The program ends this soon after it is told to, in any phase of a job.
constexpr qint64 kQuitWithinMs = 1000;

// The operations of the print service's protocol that the stand-in tells apart.
enum Operation {
    kEvery = 0,
    kCreateJob = 0x0005,
    kSendDocument = 0x0006,
    kGetPrinterAttributes = 0x000B,
    kGetDefault = 0x4001
};

bool run(const QString& program, const QStringList& arguments) { return !pdf::run(program, arguments).isNull(); }
int jobsWaiting(const QString& queue = kQueue) { return int(cups_output::jobsWaiting(queue).size()); }

using cups_output::kNoService;
using cups_output::pointServiceAt;

// Names the held queue as lp reads it (PRINTER) while it lives: the job
// prints on it as on the user's default printer.
struct PrinterNamed {
    explicit PrinterNamed(bool named = true, const QString& queue = kQueue)
    {
        if (named)
            qputenv("PRINTER", queue.toUtf8());
    }
    ~PrinterNamed() { qunsetenv("PRINTER"); }
    PrinterNamed(const PrinterNamed&) = delete;
    PrinterNamed& operator=(const PrinterNamed&) = delete;
};

// A job's state on the tests' print service (0: no such job).
ipp_jstate_t stateOf(const QString& queue, int job)
{
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
    ipp_jstate_t state = ipp_jstate_t(0);
    for (int i = 0; i < count; ++i)
        if (jobs[i].id == job)
            state = jobs[i].state;
    cupsFreeJobs(count, jobs);
    return state;
}

// A print service on 127.0.0.1 in front of the tests' own. It passes each
// request on and its answer back, except the requests of one operation
// (kEvery: all of them): those it keeps silent about, or it hangs up on
// them after so many bytes of the request's content (-1: once the whole
// request is passed on), or answer them itself that what they ask for is
// not there (a service without a default printer). It may ask for a
// password first, or say that the user may not print.
class StandInService {
public:
    enum class Act { Pass, Silent, HangUp, NotFound };
    struct Rule {
        int operation = kEvery;
        Act act = Act::Pass;
        qsizetype hangUpAfter = -1;
    };

    StandInService() : StandInService(Rule{}) {}
    explicit StandInService(Rule rule) : rule_(rule)
    {
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* client = server_.nextPendingConnection())
                links_.push_back(std::make_unique<Link>(this, client));
        });
        server_.listen(QHostAddress::LocalHost);
    }
    QByteArray address() const { return "127.0.0.1:" + QByteArray::number(server_.serverPort()); }
    bool listening() const { return server_.isListening(); }
    // Basic authentication with this user and password; forbidden: then 403 to everyone.
    void askPassword(const QByteArray& user, const QByteArray& password, bool forbidden = false)
    {
        credentials_ = "Basic " + (user + ':' + password).toBase64();
        forbidden_ = forbidden;
    }

private:
    // One connection of the program's, and its own to the real service.
    struct Link {
        Link(StandInService* service, QTcpSocket* client) : service(service), client(client)
        {
            QObject::connect(client, &QTcpSocket::readyRead, client, [this] { take(); });
        }
        ~Link() { delete client; }
        void take();
        bool head();
        void forward(const QByteArray& bytes);
        void payload(const QByteArray& bytes);
        // reset: the way a service that goes away with part of a request
        // unread ends the connection.
        void hangUp(bool reset = false);
        void answerNotFound();

        StandInService* service;
        QTcpSocket* client;
        std::unique_ptr<QLocalSocket> upstream;
        QByteArray in;
        // Where the request stands: its head, its content (chunked: a
        // chunk's size line, its data, the line end after it, the trailer).
        enum class At { Head, Content, ChunkSize, ChunkData, ChunkEnd, Trailer } at = At::Head;
        qsizetype left = 0; // of the content, or of the chunk
        qsizetype content = 0;
        QByteArray operation;
        QByteArray opening; // the version, the operation and the request's number
        bool answered = false; // by the stand-in: the rest of the request goes nowhere
        bool silent = false;
        bool hangUpAtEnd = false;
        bool closed = false;
    };

    QTcpServer server_;
    Rule rule_;
    QByteArray credentials_;
    bool forbidden_ = false;
    std::vector<std::unique_ptr<Link>> links_;
};

void StandInService::Link::hangUp(bool reset)
{
    closed = true;
    if (reset) {
        const linger now{1, 0};
        setsockopt(int(client->socketDescriptor()), SOL_SOCKET, SO_LINGER, &now, sizeof now);
    }
    client->abort();
    if (upstream)
        upstream->abort();
}

void StandInService::Link::forward(const QByteArray& bytes)
{
    if (!upstream) {
        upstream = std::make_unique<QLocalSocket>();
        QObject::connect(upstream.get(), &QLocalSocket::readyRead, client, [this] {
            QByteArray answer = upstream->readAll();
            // A hang-up after the request lets "100 Continue" through, and nothing after it.
            const QByteArray goOn = "HTTP/1.1 100 Continue\r\n\r\n";
            if (hangUpAtEnd && answer.startsWith(goOn)) {
                client->write(goOn);
                answer.remove(0, goOn.size());
            }
            if (hangUpAtEnd && !answer.isEmpty())
                return hangUp();
            if (!silent && !closed)
                client->write(answer);
        });
        upstream->connectToServer(qEnvironmentVariable("CUPS_SERVER"));
        upstream->waitForConnected(1000);
    }
    upstream->write(bytes);
}

// "Not found", in the protocol's own form, to the request whose opening is known.
void StandInService::Link::answerNotFound()
{
    answered = true;
    upstream.reset(); // it had the request's head: the next request opens another
    QByteArray ipp = opening.left(2) + QByteArray("\x04\x06", 2) + opening.mid(4, 4) + '\x01';
    const auto attribute = [&ipp](char tag, const QByteArray& name, const QByteArray& value) {
        ipp += tag;
        for (const QByteArray& part : {name, value})
            ipp += char(part.size() >> 8) + QByteArray(1, char(part.size() & 0xff)) + part;
    };
    attribute('\x47', "attributes-charset", "utf-8");
    attribute('\x48', "attributes-natural-language", "en");
    ipp += '\x03';
    client->write("HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\nContent-Length: " +
                  QByteArray::number(ipp.size()) + "\r\n\r\n" + ipp);
}

// The request's content so far: its operation, then where the rule cuts it.
void StandInService::Link::payload(const QByteArray& bytes)
{
    const Rule& rule = service->rule_;
    if (answered)
        return;
    if (rule.act == Act::NotFound) {
        opening += bytes.left(8 - opening.size());
        const int asked = opening.size() == 8 ? (uchar(opening[2]) << 8) | uchar(opening[3]) : -1;
        if (asked >= 0 && (rule.operation == kEvery || asked == rule.operation))
            return answerNotFound();
    }
    if (operation.size() < 4) {
        operation += bytes.left(4 - operation.size());
        if (operation.size() == 4 && ((uchar(operation[2]) << 8) | uchar(operation[3])) == rule.operation) {
            silent = rule.act == Act::Silent;
            hangUpAtEnd = rule.act == Act::HangUp && rule.hangUpAfter < 0;
            if (rule.act == Act::HangUp && rule.hangUpAfter == 0)
                return hangUp(true);
        }
    }
    forward(bytes);
    content += bytes.size();
    const bool cutHere = rule.act == Act::HangUp && rule.hangUpAfter > 0 && content >= rule.hangUpAfter;
    if (cutHere && operation.size() == 4 && ((uchar(operation[2]) << 8) | uchar(operation[3])) == rule.operation)
        hangUp(true);
}

// A request's head: passed on, unless it is not signed in or the rule
// keeps every request; false when the connection ends here.
bool StandInService::Link::head()
{
    const qsizetype end = in.indexOf("\r\n\r\n");
    const QByteArray head = in.left(end + 4);
    in.remove(0, end + 4);
    const Rule& rule = service->rule_;
    if (rule.operation == kEvery && (rule.act == Act::Silent || rule.act == Act::HangUp)) {
        if (rule.act == Act::HangUp)
            hangUp();
        closed = true;
        return false;
    }
    if (!service->credentials_.isEmpty()) {
        const bool signedIn = head.contains("Authorization: " + service->credentials_ + "\r\n");
        if (!signedIn || service->forbidden_) {
            client->write(signedIn ? "HTTP/1.1 403 Forbidden\r\nContent-Length: 0\r\nConnection: close\r\n\r\n"
                                   : "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"CUPS\"\r\n"
                                     "Content-Length: 0\r\nConnection: close\r\n\r\n");
            client->disconnectFromHost();
            closed = true;
            return false;
        }
    }
    forward(head);
    const QString fields = QString::fromLatin1(head).toLower();
    const qsizetype length = fields.indexOf(QStringLiteral("content-length:"));
    left = length < 0 ? 0 : fields.mid(length + 15).section(u'\r', 0, 0).trimmed().toLongLong();
    at = fields.contains(QStringLiteral("transfer-encoding: chunked")) ? At::ChunkSize
         : left > 0                                                    ? At::Content
                                                                       : At::Head;
    content = 0;
    operation.clear();
    opening.clear();
    answered = false;
    return true;
}

void StandInService::Link::take()
{
    in += client->readAll();
    while (!closed) {
        const qsizetype lineEnd = in.indexOf("\r\n");
        switch (at) {
        case At::Head:
            if (!in.contains("\r\n\r\n") || !head())
                return;
            break;
        case At::Content:
        case At::ChunkData: {
            if (in.isEmpty())
                return;
            const QByteArray bytes = in.left(left);
            in.remove(0, bytes.size());
            left -= bytes.size();
            if (left == 0)
                at = at == At::Content ? At::Head : At::ChunkEnd;
            payload(bytes);
            break;
        }
        case At::ChunkSize:
        case At::ChunkEnd:
        case At::Trailer: {
            if (lineEnd < 0)
                return;
            const QByteArray line = in.left(lineEnd + 2);
            in.remove(0, lineEnd + 2);
            forward(line);
            if (at == At::ChunkSize) {
                left = line.trimmed().toLongLong(nullptr, 16);
                at = left > 0 ? At::ChunkData : At::Trailer;
            } else {
                at = at == At::ChunkEnd ? At::ChunkSize : line == "\r\n" ? At::Head : At::Trailer;
            }
            break;
        }
        }
    }
}

// A print service that never accepts a connection: a listening socket that
// is never served, its queue of waiting connections filled.
class FullListener {
public:
    FullListener()
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        bind(listener_, reinterpret_cast<sockaddr*>(&address), length);
        listen(listener_, 0);
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        for (int& waiting : waiting_) {
            waiting = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            connect(waiting, reinterpret_cast<sockaddr*>(&address), length);
        }
    }
    ~FullListener()
    {
        for (int fd : waiting_)
            close(fd);
        close(listener_);
    }
    FullListener(const FullListener&) = delete;
    FullListener& operator=(const FullListener&) = delete;
    QByteArray address() const { return "127.0.0.1:" + QByteArray::number(port_); }

private:
    int listener_ = -1;
    int port_ = 0;
    int waiting_[3] = {};
};

// The longest the window's event loop went without a turn.
// A window that waits on a silent service for good fails the test after
// kStuckMs, instead of holding it up until ctest gives up on it.
class LoopWatch {
public:
    LoopWatch()
    {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            longest_ = std::max(longest_, clock_.restart());
            turned_ = QDateTime::currentMSecsSinceEpoch();
        });
        timer_.start(10);
        clock_.start();
        watchdog_ = std::jthread([this](std::stop_token stop) {
            while (!stop.stop_requested()) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                if (QDateTime::currentMSecsSinceEpoch() - turned_ > kStuckMs)
                    qFatal("the window's event loop stood still for %lld ms", kStuckMs);
            }
        });
    }
    qint64 longestMs() const { return longest_; }

private:
    static constexpr qint64 kStuckMs = 10000;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 longest_ = 0;
    std::atomic<qint64> turned_{QDateTime::currentMSecsSinceEpoch()};
    std::jthread watchdog_;
};

// How the stand-in service lets a job down.
enum class Service { Silent, HangsUp, NeverAccepts };

struct Result {
    PrintOutcome outcome;
    qint64 elapsedMs;
};

// named: the held queue is named by PRINTER (else the service's default
// printer is asked for). stuckFirst: prints on that printer started just
// before, which the service keeps waiting.
Result sendOnQueue(lumenta::report::PrintProgress* progress, lumenta::report::PrintPrompter* prompter, bool named,
                   PrintWay way = PrintWay::DefaultPrinter, int stuckFirst = 0, QWidget* window = nullptr)
{
    const PrinterNamed printer(named);
    TFormPrint form;
    form.setPrintServices(prompter, progress);
    // Each is cancelled once it is waiting on the service, as a user does who
    // gives up waiting, but stays stuck where the client library cannot be
    // interrupted (see the rows). Cancelled sooner, it would never wait.
    for (int i = 0; i < stuckFirst; ++i) {
        form.sendEstimate(PrintWay::DefaultPrinter, samples::plainEstimate(), nullptr);
        QTest::qWait(200); // it reaches the service
        static_cast<fakes::Progress*>(progress)->cancel();
    }
    QElapsedTimer clock;
    clock.start();
    const PrintOutcome outcome = fakes::outcome(form.sendEstimate(way, samples::plainEstimate(), window));
    const qint64 elapsed = clock.elapsed();
    QTest::qWait(20); // a turn of the event loop after a way that ended without one
    return {outcome, elapsed};
}

// The print ended quickly and the user was told exactly once, in words that begin so.
void checkToldOnce(const Result& r, const fakes::Prompter& prompter, const QString& beginning)
{
    QVERIFY(r.elapsedMs < kPatienceMs);
    QCOMPARE(prompter.messages.size(), 1);
    QVERIFY2(prompter.messages.first().startsWith(beginning), qPrintable(prompter.messages.first()));
}

// The program's side of a row that ends it in the middle of a job (see
// main()): it prints on the held queue through the stand-in service named
// in the environment, and when the job has reached the phase (0: when it
// asks for a password) it says "quitting" and ends the way asked: "quit"
// asks the application to quit, as the desktop does at a logout; with a
// signal's name it waits for the test to send that signal.
int quitDuringAJob(int phase, const QByteArray& how)
{
    japanese_fonts::registerSubstitutes();
    pointServiceAt(qgetenv("LUMENTA_STAND_IN").constData());
    const EndOnSignal endOnSignal;
    const auto quitSoon = [how] {
        QTimer::singleShot(300, [how] {
            puts("quitting");
            fflush(stdout);
            if (how == "quit")
                QCoreApplication::quit();
        });
    };
    struct QuittingPrompter : fakes::Prompter {
        std::function<void()> asked;
        QWidget* askSignIn(QWidget* parent, const QString& user, bool refused,
                           std::function<void(std::optional<SignIn>)> answer) override
        {
            asked();
            return fakes::Prompter::askSignIn(parent, user, refused, std::move(answer));
        }
    } prompter;
    prompter.asked = quitSoon;
    struct QuittingProgress : fakes::Progress {
        int at = 0;
        std::function<void()> quit;
        void reach(int phase) override
        {
            if (phase == at)
                quit();
        }
    } progress;
    progress.at = phase;
    progress.quit = quitSoon;
    TFormPrint form;
    form.setPrintServices(&prompter, &progress);
    form.sendEstimate(PrintWay::DefaultPrinter, samples::plainEstimate(), nullptr);
    return QApplication::exec();
}

// The same with the whole program: an estimate made at the keyboard,
// printed with Ctrl+P on the default printer (PRINTER names the held
// queue), and once "印刷中" shows the phase, the main window is closed by
// a click on 閉じる (through the window system, as a user clicks) or by
// its close box, or the test sends a signal.
int closeDuringAJob(int phase, const QByteArray& how)
{
    pointServiceAt(qgetenv("LUMENTA_STAND_IN").constData());
    const EndOnSignal endOnSignal;
    Program program;
    TFormMain& window = program.formMain();
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window) || !QTest::qWaitFor([&] { return window.stepsBuilt(); }))
        return 2;
    if (const QString wrong = keydriver::completeEstimate(&window); !wrong.isEmpty()) {
        qWarning("%s", qPrintable(wrong));
        return 2;
    }
    keydriver::press(&window, Qt::Key_P, Qt::ControlModifier);
    QProgressDialog* progress = nullptr;
    if (!QTest::qWaitFor(
            [&] {
                progress = window.findChild<QProgressDialog*>(QStringLiteral("PrintProgress"));
                return progress && progress->isVisible() && progress->findChild<QProgressBar*>()->value() == phase;
            },
            int(kPatienceMs)))
        return 3;
    QTest::qWait(300); // the request reaches the service
    // Closed once the program's own event loop runs, as a user closes it.
    QTimer::singleShot(0, [&window, how] {
        puts("quitting");
        fflush(stdout);
        auto* close = window.findChild<TplButton*>(QStringLiteral("plBtnClose"));
        if (how == "閉じる")
            QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, close->mapTo(&window, close->rect().center()));
        // The window system's close request reaches no window that a modal
        // one blocks; QWindow::close() itself would pass, so the block is
        // looked at first.
        else if (how == "close box" && !QGuiApplication::modalWindow())
            window.windowHandle()->close();
    });
    return QApplication::exec();
}

} // namespace

class PrintFaultsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (const QString why = cups_output::unavailable(); !why.isEmpty())
            QSKIP(qPrintable(why));
        japanese_fonts::registerSubstitutes();
    }

    // Every case starts from running, accepting, empty queues, and from the real service.
    void init()
    {
        pointServiceAt(nullptr);
        for (const QString& queue : {kQueue, cups_output::kPrinter}) {
            run(QStringLiteral("cancel"), {QStringLiteral("-a"), queue});
            QVERIFY(run(QStringLiteral("cupsenable"), {queue}));
            QVERIFY(run(QStringLiteral("cupsaccept"), {queue}));
        }
    }

    void cleanupTestCase()
    {
        pointServiceAt(nullptr);
        run(QStringLiteral("cancel"), {QStringLiteral("-a"), kQueue});
    }

    // The healthy queue: the job is taken and nothing is said. The printer
    // is the one lp would use, named by PRINTER, or by the user's or the
    // system's lpoptions (here in folders of the test's own) before the
    // service's default.
    void acceptedJobIsPrinted_data()
    {
        QTest::addColumn<QByteArray>("folder"); // where lpoptions is looked for; none: PRINTER names it
        QTest::addColumn<QString>("options");
        QTest::newRow("PRINTER") << QByteArray() << QString();
        QTest::newRow("the user's lpoptions") << QByteArray("HOME") << QStringLiteral(".cups/lpoptions");
        QTest::newRow("the system's lpoptions") << QByteArray("CUPS_SERVERROOT") << QStringLiteral("lpoptions");
    }

    void acceptedJobIsPrinted()
    {
        QFETCH(QByteArray, folder);
        QFETCH(QString, options);
        QTemporaryDir settings;
        const bool wasSet = qEnvironmentVariableIsSet(folder.constData());
        const QByteArray before = qgetenv(folder.constData());
        const auto restore = qScopeGuard([&] {
            if (wasSet)
                qputenv(folder.constData(), before);
            else if (!folder.isEmpty())
                qunsetenv(folder.constData());
        });
        if (!folder.isEmpty()) {
            QFile file(settings.filePath(options));
            QVERIFY(QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly));
            file.write("Default " + kQueue.toUtf8() + '\n');
            qputenv(folder.constData(), QFile::encodeName(settings.path()));
        }
        fakes::Prompter prompter;
        fakes::Progress progress;
        const Result r = sendOnQueue(&progress, &prompter, folder.isEmpty());
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
        const Result r = sendOnQueue(&progress, &prompter, true);
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
        const Result r = sendOnQueue(&progress, &prompter, true);
        QCOMPARE(r.outcome, PrintOutcome::Queued);
        checkToldOnce(r, prompter, QStringLiteral("見積書を印刷待ちにしました。\n"));
        QCOMPARE(jobsWaiting(), 1);
    }

    // A service that never answers, or hangs up, is given up after a few
    // seconds and named; the window's event loop goes on all the while,
    // whichever way the sheet goes. Without a printer of its own the user
    // is offered a PDF file instead. The preview and the PDF file need no
    // service at all.
    void silentServiceIsReported_data()
    {
        QTest::addColumn<PrintWay>("way");
        QTest::addColumn<Service>("service");
        QTest::addColumn<QString>(
            "printer"); // "": the default; "chosen": in the printer choice; "PRINTER": by the environment
        QTest::addColumn<int>("encryption");
        QTest::addColumn<int>("stuckPrints"); // the PDF file: prints the service keeps waiting, started first
        QTest::addColumn<qint64>("withinMs");
        QTest::addColumn<QString>("cause");
        const QString silent = QStringLiteral("パソコンの印刷機能が応答しません。");
        const QString chosen = QStringLiteral("chosen");
        const QString named = QStringLiteral("PRINTER");
        const int plain = HTTP_ENCRYPTION_IF_REQUESTED;
        QTest::newRow("silent, default printer")
            << PrintWay::DefaultPrinter << Service::Silent << QString() << plain << 0 << kSilenceGivenUpMs << silent;
        // The service listed its printers, and keeps silent about the one chosen.
        QTest::newRow("silent, named printer")
            << PrintWay::ChoosePrinter << Service::Silent << chosen << plain << 0 << kSilenceGivenUpMs << silent;
        // The printer is known without the service: the service is what failed.
        QTest::newRow("silent, printer named by PRINTER")
            << PrintWay::DefaultPrinter << Service::Silent << named << plain << 0 << kSilenceGivenUpMs << silent;
        QTest::newRow("hangs up, named printer")
            << PrintWay::DefaultPrinter << Service::HangsUp << named << plain << 0 << kPatienceMs
            << QStringLiteral("パソコンの印刷機能との接続が切れました。");
        // The TLS handshake is waited for as long as a connection: 3 s.
        QTest::newRow("silent TLS handshake, encryption required")
            << PrintWay::DefaultPrinter << Service::Silent << named << int(HTTP_ENCRYPTION_REQUIRED) << 0
            << qint64(3000 + kStillWindowMs) << silent;
        // "Always" opens the connection anew for its handshake, which the
        // client library gives 10 s of its own, with no word why it failed.
        QTest::newRow("silent TLS handshake, encryption always")
            << PrintWay::DefaultPrinter << Service::Silent << named << int(HTTP_ENCRYPTION_ALWAYS) << 0
            << qint64(10000 + kStillWindowMs)
            << QStringLiteral("パソコンの印刷機能と暗号化した接続を結べませんでした。");
        // A service that never takes the connection is given up as soon, as silent.
        QTest::newRow("never accepts, default printer")
            << PrintWay::DefaultPrinter << Service::NeverAccepts << QString() << plain << 0
            << qint64(3000 + kStillWindowMs) << silent;
        QTest::newRow("never accepts, printer named by PRINTER")
            << PrintWay::DefaultPrinter << Service::NeverAccepts << named << plain << 0 << qint64(3000 + kStillWindowMs)
            << silent;
        QTest::newRow("silent, printer choice")
            << PrintWay::ChoosePrinter << Service::Silent << QString() << plain << 0 << kSilenceGivenUpMs << silent;
        QTest::newRow("silent, preview") << PrintWay::Preview << Service::Silent << QString() << plain << 0
                                         << kPatienceMs << QString();
        QTest::newRow("silent, PDF file")
            << PrintWay::Pdf << Service::Silent << QString() << plain << 0 << kPatienceMs << QString();
        // A save waits for no print: as many stuck prints as the machine has
        // cores, cancelled in a handshake the client library keeps for 10 s.
        QTest::newRow("silent, PDF file behind stuck prints")
            << PrintWay::Pdf << Service::Silent << named << int(HTTP_ENCRYPTION_ALWAYS)
            << std::max(2, QThread::idealThreadCount()) << qint64(1000) << QString();
    }

    // A second press of 印 刷 while "印刷中" shows a job (a double click)
    // prints nothing more; once that job is cancelled, printing starts again.
    void onePrintAtATime()
    {
        StandInService service({kEvery, StandInService::Act::Silent});
        QVERIFY(service.listening());
        pointServiceAt(service.address().constData());
        const auto restore = qScopeGuard([] { pointServiceAt(nullptr); });
        fakes::Prompter prompter;
        fakes::Progress progress;
        const PrinterNamed printer;
        TFormPrint form;
        form.setPrintServices(&prompter, &progress);
        const QFuture<PrintOutcome> first =
            form.sendEstimate(PrintWay::DefaultPrinter, samples::plainEstimate(), nullptr);
        QCOMPARE(fakes::outcome(form.sendEstimate(PrintWay::DefaultPrinter, samples::plainEstimate(), nullptr), 1000),
                 PrintOutcome::Cancelled);
        QCOMPARE(progress.started, 1);
        progress.cancel();
        QCOMPARE(fakes::outcome(first, kPatienceMs), PrintOutcome::Cancelled);
        const QFuture<PrintOutcome> again =
            form.sendEstimate(PrintWay::DefaultPrinter, samples::plainEstimate(), nullptr);
        QTRY_COMPARE(progress.started, 2);
        progress.cancel();
        QCOMPARE(fakes::outcome(again, kPatienceMs), PrintOutcome::Cancelled);
    }

    void silentServiceIsReported()
    {
        QFETCH(PrintWay, way);
        QFETCH(Service, service);
        QFETCH(QString, printer);
        QFETCH(int, encryption);
        QFETCH(int, stuckPrints);
        QFETCH(qint64, withinMs);
        QFETCH(QString, cause);
        const bool chosen = printer == QLatin1String("chosen");
        const auto act = service == Service::HangsUp ? StandInService::Act::HangUp : StandInService::Act::Silent;
        StandInService standIn({chosen ? int(kGetPrinterAttributes) : int(kEvery), act});
        QVERIFY(standIn.listening());
        const FullListener full;
        pointServiceAt((service == Service::NeverAccepts ? full.address() : standIn.address()).constData());
        cupsSetEncryption(http_encryption_t(encryption));
        const auto restore = qScopeGuard([] {
            pointServiceAt(nullptr);
            cupsSetEncryption(HTTP_ENCRYPTION_IF_REQUESTED);
        });
        const bool named = !printer.isEmpty();
        QTemporaryDir dir;
        fakes::Prompter prompter;
        prompter.fileToChoose = dir.filePath(QStringLiteral("見積書.pdf"));
        prompter.printerToChoose = kQueue;
        fakes::Progress progress;
        // The real preview, closed once it shows the page; Tab goes round
        // from the page through every button, each named.
        lumenta::report::PrintPrompter dialogs;
        QTimer closePreview;
        int pagesShown = 0;
        QStringList tabbed;
        QObject::connect(&closePreview, &QTimer::timeout, &closePreview, [&pagesShown, &tabbed] {
            auto* preview = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            auto* page = preview ? preview->findChild<QGraphicsView*>() : nullptr;
            if (!page)
                return;
            QMetaObject::invokeMethod(page, "pageCount", Q_RETURN_ARG(int, pagesShown));
            for (QWidget* at = page; at && (tabbed.isEmpty() || at != page) && tabbed.size() < 10;
                 at = QApplication::focusWidget()) {
                tabbed << QAccessible::queryAccessibleInterface(at)->text(QAccessible::Name);
                QTest::keyClick(at, Qt::Key_Tab);
            }
            preview->reject();
        });
        closePreview.start(200);
        const LoopWatch watch;
        lumenta::report::PrintPrompter* asking = &prompter;
        if (way == PrintWay::Preview)
            asking = &dialogs;
        const Result r = sendOnQueue(&progress, asking, printer == QLatin1String("PRINTER"), way, stuckPrints);
        qInfo("longest pause of the event loop: %lld ms; ended after %lld ms", watch.longestMs(), r.elapsedMs);
        QVERIFY2(watch.longestMs() < kStillWindowMs, qPrintable(QString::number(watch.longestMs())));
        QVERIFY2(r.elapsedMs < withinMs, qPrintable(QString::number(r.elapsedMs)));
        if (way == PrintWay::Preview || way == PrintWay::Pdf) {
            QCOMPARE(r.outcome, way == PrintWay::Pdf ? PrintOutcome::SavedAsPdf : PrintOutcome::Cancelled);
            QCOMPARE(progress.started, stuckPrints);
            QCOMPARE(pagesShown, way == PrintWay::Preview ? 1 : 0);
            if (way == PrintWay::Preview)
                QCOMPARE(tabbed, QStringList({"見積書のページ", "ページ全体", "幅に合わせる", "拡大", "縮小", "印刷…",
                                              "閉じる"}));
            return;
        }
        // The printer choice asks for the printers first, in a job of its own.
        QCOMPARE(progress.started, chosen ? 2 : 1);
        QCOMPARE(progress.finished, progress.started);
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
    }

    // A service with printers but no default printer: "印 刷" goes on to the
    // printer choice, as the menu's printer choice does, with none marked
    // as the default, instead of saying there is no printer. A service with
    // no printer at all (it finds nothing it is asked for) says so.
    void withoutDefaultPrinter_data()
    {
        QTest::addColumn<PrintWay>("way");
        QTest::addColumn<bool>("printers");
        QTest::newRow("two printers, print button") << PrintWay::DefaultPrinter << true;
        QTest::newRow("two printers, printer choice") << PrintWay::ChoosePrinter << true;
        QTest::newRow("no printer, print button") << PrintWay::DefaultPrinter << false;
        QTest::newRow("no printer, printer choice") << PrintWay::ChoosePrinter << false;
    }

    void withoutDefaultPrinter()
    {
        QFETCH(PrintWay, way);
        QFETCH(bool, printers);
        StandInService service({printers ? kGetDefault : kEvery, StandInService::Act::NotFound});
        QVERIFY(service.listening());
        pointServiceAt(service.address().constData());
        fakes::Prompter prompter; // chooses the default printer: there is none, so it cancels
        fakes::Progress progress;
        const Result r = sendOnQueue(&progress, &prompter, false, way);
        pointServiceAt(nullptr);
        if (!printers) {
            QCOMPARE(r.outcome, PrintOutcome::NotSaved);
            QCOMPARE(prompter.questions,
                     QStringList{QStringLiteral("プリンタが見つかりません。見積書をPDFファイルとして保存しますか？")});
            QVERIFY(prompter.printerLists.isEmpty());
            return;
        }
        QCOMPARE(r.outcome, PrintOutcome::Cancelled);
        QVERIFY2(prompter.silent(), qPrintable(prompter.questions.join(u'|') + prompter.messages.join(u'|')));
        QCOMPARE(prompter.printerLists.size(), 1);
        QStringList names;
        for (const lumenta::report::PrinterEntry& printer : prompter.printerLists.first()) {
            names << printer.name;
            QVERIFY(!printer.isDefault);
        }
        names.sort();
        QCOMPARE(names, (QStringList{kQueue, cups_output::kPrinter}));
        QCOMPARE(jobsWaiting(), 0);
    }

    // "キャンセル" while the service keeps the job waiting ends the print at
    // once and says nothing: connecting to a service that never takes the
    // connection, asking one that answers nothing, waiting for the job to
    // be opened, and after the whole sheet was sent. What the service has
    // of the job is removed.
    void cancelWhileTheServiceIsSilent_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("encryption");
        QTest::addColumn<int>("cancelAfterMs");
        QTest::addColumn<qint64>("withinMs"); // after the cancel
        const int plain = HTTP_ENCRYPTION_IF_REQUESTED;
        QTest::newRow("connecting") << -1 << plain << 300 << kCancelledWithinMs;
        QTest::newRow("asking for the printer") << int(kEvery) << plain << 300 << kCancelledWithinMs;
        QTest::newRow("opening the job") << int(kCreateJob) << plain << 1500 << kCancelledWithinMs;
        QTest::newRow("sheet sent") << int(kSendDocument) << plain << 1500 << kCancelledWithinMs;
        // The handshake is under way: the cancel ends it at once.
        QTest::newRow("TLS handshake, encryption required")
            << int(kEvery) << int(HTTP_ENCRYPTION_REQUIRED) << 1000 << kCancelledAtOnceMs;
    }

    void cancelWhileTheServiceIsSilent()
    {
        QFETCH(int, operation);
        QFETCH(int, encryption);
        QFETCH(int, cancelAfterMs);
        QFETCH(qint64, withinMs);
        StandInService service({std::max(operation, 0), StandInService::Act::Silent});
        const FullListener full;
        pointServiceAt((operation < 0 ? full.address() : service.address()).constData());
        cupsSetEncryption(http_encryption_t(encryption));
        const auto restore = qScopeGuard([] {
            pointServiceAt(nullptr);
            cupsSetEncryption(HTTP_ENCRYPTION_IF_REQUESTED);
        });
        fakes::Prompter prompter;
        fakes::Progress progress;
        QElapsedTimer sinceCancel;
        QTimer::singleShot(cancelAfterMs, [&] {
            sinceCancel.start();
            progress.cancel();
        });
        const Result r = sendOnQueue(&progress, &prompter, true);
        const qint64 afterCancel = sinceCancel.isValid() ? sinceCancel.elapsed() - 20 : -1; // less sendOnQueue's wait
        qInfo("ended %lld ms after the cancel", afterCancel);
        QCOMPARE(r.outcome, PrintOutcome::Cancelled);
        QVERIFY2(afterCancel >= 0 && afterCancel < withinMs, qPrintable(QString::number(afterCancel)));
        QVERIFY(prompter.silent());
        QCOMPARE(progress.finished, 1);
        QCOMPARE(jobsWaiting(), 0);
    }

    // No scheduler at all when the button is pressed: no printer can be
    // found, and the user is offered a PDF file instead.
    void noServiceOffersPdf()
    {
        pointServiceAt(kNoService);
        fakes::Prompter prompter;
        fakes::Progress progress;
        const Result r = sendOnQueue(&progress, &prompter, false);
        pointServiceAt(nullptr);
        QCOMPARE(r.outcome, PrintOutcome::NotSaved);
        QVERIFY(r.elapsedMs < kPatienceMs);
        QCOMPARE(prompter.questions.size(), 1);
        QVERIFY(prompter.questions.first().startsWith(
            QStringLiteral("プリンタが見つかりません。パソコンの印刷機能（CUPS）が動いていません。")));
    }

    // The connection is cut at each step of handing the job over: each is
    // told as a cut, in its own words, never as a refusal or a missing
    // printer, and the job the service opened is removed. A cut in the
    // middle of the sheet is told as one, though the system had taken in
    // the whole sheet before it.
    void cutConnectionIsToldAndLeavesNoJob_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<qsizetype>("after");
        QTest::addColumn<bool>("named");
        QTest::addColumn<QStringList>("causes");
        const QString lookup = QStringLiteral("パソコンの印刷機能との接続が切れました。");
        const QString before =
            QStringLiteral("見積書を送る前にパソコンの印刷機能との接続が切れました。見積書は印刷されません。");
        const QString whileSending =
            QStringLiteral("見積書を送っている途中でパソコンの印刷機能との接続が切れました。見積書は印刷されません。");
        const QString after = QStringLiteral(
            "見積書を送り終えたところでパソコンの印刷機能との接続が切れました。見積書は印刷されません。");
        QTest::newRow("looking up the default printer") << int(kEvery) << qsizetype(-1) << false << QStringList{lookup};
        QTest::newRow("opening the job") << int(kCreateJob) << qsizetype(-1) << true << QStringList{before};
        QTest::newRow("start of the sheet")
            << int(kSendDocument) << qsizetype(0) << true << QStringList{before, whileSending};
        QTest::newRow("after 16 KiB of the sheet")
            << int(kSendDocument) << qsizetype(16 * 1024) << true << QStringList{whileSending};
        QTest::newRow("after 32 KiB of the sheet")
            << int(kSendDocument) << qsizetype(32 * 1024) << true << QStringList{whileSending};
        QTest::newRow("sheet sent") << int(kSendDocument) << qsizetype(-1) << true << QStringList{after};
    }

    void cutConnectionIsToldAndLeavesNoJob()
    {
        QFETCH(int, operation);
        QFETCH(qsizetype, after);
        QFETCH(bool, named);
        QFETCH(QStringList, causes);
        StandInService service({operation, StandInService::Act::HangUp, after});
        pointServiceAt(service.address().constData());
        fakes::Prompter prompter;
        fakes::Progress progress;
        const Result r = sendOnQueue(&progress, &prompter, named);
        pointServiceAt(nullptr);
        QVERIFY2(prompter.questions.isEmpty(), qPrintable(prompter.questions.join(u'|')));
        QCOMPARE(r.outcome, PrintOutcome::PrinterFailed);
        checkToldOnce(r, prompter, QStringLiteral("印刷できませんでした。\n"));
        const QString told = prompter.messages.first().section(u'\n', 1);
        QVERIFY2(causes.contains(told.section(u'（', 0, 0)), qPrintable(told));
        QCOMPARE(jobsWaiting(), 0);
    }

    // The user cancels once the service has the whole sheet but has not
    // said so: a stopped queue's job is removed and never prints once the
    // queue runs again; a running queue has printed it at once, and the
    // user is told that it could not be cancelled.
    void cancelAfterTheSheetWasSent_data()
    {
        QTest::addColumn<bool>("stopped");
        QTest::newRow("queue running") << false;
        QTest::newRow("queue stopped") << true;
    }

    void cancelAfterTheSheetWasSent()
    {
        QFETCH(bool, stopped);
        const QString queue = cups_output::kPrinter;
        if (stopped)
            QVERIFY(run(QStringLiteral("cupsdisable"), {queue}));
        StandInService service({kSendDocument, StandInService::Act::Silent});
        pointServiceAt(service.address().constData());
        const int newest = cups_output::newestJob(queue);
        fakes::Prompter prompter;
        const PrinterNamed printer(true, queue);
        QWidget owner;
        // The real progress window's button, once its bar shows the sheet sent.
        QTimer press;
        QObject::connect(&press, &QTimer::timeout, &press, [&owner] {
            auto* window = owner.findChild<QDialog*>(QStringLiteral("PrintProgress"));
            if (window && window->isVisible() && window->findChild<QProgressBar*>()->value() == 4)
                window->findChild<QPushButton*>()->click();
        });
        press.start(20);
        TFormPrint form;
        form.setPrintServices(&prompter, nullptr);
        const PrintOutcome outcome =
            fakes::outcome(form.sendEstimate(PrintWay::DefaultPrinter, samples::plainEstimate(), &owner));
        pointServiceAt(nullptr);
        QVERIFY(run(QStringLiteral("cupsenable"), {queue}));
        const QList<int> made = cups_output::jobsAfter(queue, newest);
        QCOMPARE(made.size(), 1);
        QTest::qWait(500);
        QCOMPARE(jobsWaiting(queue), 0);
        if (outcome == PrintOutcome::Cancelled) {
            QVERIFY(prompter.silent());
            QCOMPARE(stateOf(queue, made.first()), IPP_JSTATE_CANCELED);
            return;
        }
        // A running queue may have printed it already: then the user hears so.
        QVERIFY(!stopped);
        QCOMPARE(outcome, PrintOutcome::NotCancelled);
        QCOMPARE(stateOf(queue, made.first()), IPP_JSTATE_COMPLETED);
        QCOMPARE(
            prompter.messages,
            QStringList{QStringLiteral("印刷を取り消せませんでした。\n見積書はすでにプリンタ「%1」で印刷されています。")
                            .arg(queue)});
    }

    // A service that asks for a password: the user is asked (never the
    // terminal), the right one prints, a wrong one is asked for again as
    // wrong, declining cancels without a word, and a user the service
    // refuses is told so in Japanese.
    void signInIsAskedFor_data()
    {
        QTest::addColumn<QList<std::optional<SignIn>>>("answers");
        QTest::addColumn<bool>("forbidden");
        QTest::addColumn<bool>("named");
        QTest::addColumn<PrintOutcome>("outcome");
        QTest::addColumn<QList<bool>>("askedAgain");
        QTest::addColumn<bool>("typed"); // into the program's own sign-in window
        const SignIn right{QStringLiteral("lumenta"), QStringLiteral("secret")};
        const SignIn wrong{QStringLiteral("lumenta"), QStringLiteral("guess")};
        using Answers = QList<std::optional<SignIn>>;
        QTest::newRow("right password") << Answers{right} << false << true << PrintOutcome::Printed
                                        << QList<bool>{false} << false;
        QTest::newRow("wrong, then right, typed")
            << Answers{wrong, right} << false << true << PrintOutcome::Printed << QList<bool>{false, true} << true;
        QTest::newRow("wrong, then right")
            << Answers{wrong, right} << false << true << PrintOutcome::Printed << QList<bool>{false, true} << false;
        QTest::newRow("declined") << Answers{std::nullopt} << false << true << PrintOutcome::Cancelled
                                  << QList<bool>{false} << false;
        QTest::newRow("user not allowed, named printer")
            << Answers{right} << true << true << PrintOutcome::PrinterFailed << QList<bool>{false} << false;
        QTest::newRow("user not allowed, default printer")
            << Answers{right} << true << false << PrintOutcome::PrinterFailed << QList<bool>{false} << false;
    }

    void signInIsAskedFor()
    {
        QFETCH(QList<std::optional<SignIn>>, answers);
        QFETCH(bool, forbidden);
        QFETCH(bool, named);
        QFETCH(PrintOutcome, outcome);
        QFETCH(QList<bool>, askedAgain);
        QFETCH(bool, typed);
        StandInService service;
        service.askPassword("lumenta", "secret", forbidden);
        pointServiceAt(service.address().constData());
        fakes::Prompter prompter;
        prompter.signIns = answers;
        prompter.signInWindow = typed;
        // The window asks, over the main window, for a user name and a
        // hidden password; it is declined when it asks otherwise, or once
        // more than the answers.
        QWidget mainWindow;
        mainWindow.show();
        QTimer typist;
        QObject::connect(&typist, &QTimer::timeout, &typist, [&answers, &mainWindow] {
            auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!window || window->objectName() != QLatin1String("PrintSignIn") || !window->isVisible())
                return;
            const QList<QLineEdit*> fields = window->findChildren<QLineEdit*>();
            if (answers.isEmpty() || fields.size() != 2 || fields[1]->echoMode() != QLineEdit::Password ||
                window->parentWidget() != &mainWindow || window->windowModality() != Qt::WindowModal)
                return window->reject();
            const SignIn given = *answers.takeFirst();
            fields[0]->setText(given.user);
            fields[1]->setText(given.password);
            window->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        if (typed)
            typist.start(50);
        fakes::Progress progress;
        const Result r = sendOnQueue(&progress, &prompter, named, PrintWay::DefaultPrinter, 0, &mainWindow);
        pointServiceAt(nullptr);
        QCOMPARE(r.outcome, outcome);
        QCOMPARE(prompter.signInsAsked, askedAgain);
        // The window was still open, and the window's loop its own, when the question returned.
        if (typed)
            QCOMPARE(prompter.signInsLeftOpen, askedAgain.size());
        QCOMPARE(jobsWaiting(), outcome == PrintOutcome::Printed ? 1 : 0);
        if (forbidden)
            checkToldOnce(
                r, prompter,
                QStringLiteral(
                    "印刷できませんでした。\nパソコンの印刷機能が、ユーザー「lumenta」の印刷を許可していません。"));
        else
            QVERIFY2(prompter.silent(), qPrintable(prompter.messages.join(u'|')));
    }

    // The program is told to end in the middle of a job (a logout, a
    // signal), or its main window is closed while "印刷中" shows: it ends
    // within a second in every phase, by its own way out (not killed by the
    // signal). The job is removed from the service, or left there if the
    // service has the whole sheet.
    void quitDuringAJob_data()
    {
        QTest::addColumn<int>("phase");
        QTest::addColumn<int>("operation");
        QTest::addColumn<bool>("password");
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("wholeProgram");
        QTest::addColumn<int>("jobsLeft");
        QTest::newRow("logout, asking for the printer") << 1 << int(kEvery) << false << "quit" << false << 0;
        QTest::newRow("SIGTERM, opening the job") << 3 << int(kCreateJob) << false << "SIGTERM" << false << 0;
        QTest::newRow("SIGINT, sheet sent") << 4 << int(kSendDocument) << false << "SIGINT" << false << 1;
        QTest::newRow("SIGHUP, signing in") << 0 << int(kEvery) << true << "SIGHUP" << false << 0;
        QTest::newRow("閉じる, opening the job") << 3 << int(kCreateJob) << false << "閉じる" << true << 0;
        QTest::newRow("close box, opening the job") << 3 << int(kCreateJob) << false << "close box" << true << 0;
        QTest::newRow("SIGTERM to the program, opening the job")
            << 3 << int(kCreateJob) << false << "SIGTERM" << true << 0;
        QTest::newRow("SIGHUP to the program, sheet sent") << 4 << int(kSendDocument) << false << "SIGHUP" << true << 1;
        QTest::newRow("閉じる, sheet sent") << 4 << int(kSendDocument) << false << "閉じる" << true << 1;
    }

    void quitDuringAJob()
    {
        QFETCH(int, phase);
        QFETCH(int, operation);
        QFETCH(bool, password);
        QFETCH(QString, how);
        QFETCH(bool, wholeProgram);
        QFETCH(int, jobsLeft);
        static const QMap<QString, int> kSignals{{QStringLiteral("SIGTERM"), SIGTERM},
                                                 {QStringLiteral("SIGHUP"), SIGHUP},
                                                 {QStringLiteral("SIGINT"), SIGINT}};
        StandInService service({operation, password ? StandInService::Act::Pass : StandInService::Act::Silent});
        if (password)
            service.askPassword("lumenta", "secret");
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LUMENTA_QUIT_AT"), QString::number(phase));
        environment.insert(QStringLiteral("LUMENTA_QUIT_BY"), how);
        if (wholeProgram)
            environment.insert(QStringLiteral("LUMENTA_WHOLE_PROGRAM"), QStringLiteral("1"));
        environment.insert(QStringLiteral("PRINTER"), kQueue);
        environment.insert(QStringLiteral("LUMENTA_STAND_IN"), QString::fromLatin1(service.address()));
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(QTest::qWaitFor([&] { return program.canReadLine() || program.state() == QProcess::NotRunning; },
                                int(kPatienceMs)));
        QCOMPARE(program.readLine().trimmed(), QByteArray("quitting"));
        QElapsedTimer clock;
        clock.start();
        if (kSignals.contains(how))
            QCOMPARE(::kill(pid_t(program.processId()), kSignals.value(how)), 0);
        QVERIFY(QTest::qWaitFor([&] { return program.state() == QProcess::NotRunning; }, 5000));
        qInfo("ended %lld ms after it was told to", clock.elapsed());
        QVERIFY2(clock.elapsed() < kQuitWithinMs, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(jobsWaiting(), jobsLeft);
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (const QByteArray phase = qgetenv("LUMENTA_QUIT_AT"); !phase.isEmpty())
        return qEnvironmentVariableIsSet("LUMENTA_WHOLE_PROGRAM")
                   ? closeDuringAJob(phase.toInt(), qgetenv("LUMENTA_QUIT_BY"))
                   : quitDuringAJob(phase.toInt(), qgetenv("LUMENTA_QUIT_BY"));
    PrintFaultsTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_print_faults.moc"
