#include "DirectSpeech.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDir>
#include <QSocketNotifier>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Where speech-dispatcher listens: the address it was told to use, or its
// socket in the user's runtime folder (without one, in ~/.cache). A service
// on a network address is left to the screen reader.
QByteArray serviceSocket()
{
    const QByteArray address = qgetenv("SPEECHD_ADDRESS");
    if (address.startsWith("unix_socket:"))
        return address.mid(int(std::strlen("unix_socket:")));
    if (!address.isEmpty())
        return {};
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray folder = runtime.startsWith('/') ? runtime : QDir::homePath().toLocal8Bit() + "/.cache";
    return folder + "/speech-dispatcher/speechd.sock";
}

// The text as the protocol carries it: lines ended by CR LF, a line that
// starts with a dot given a second one, and a dot alone to end it.
QByteArray spokenData(const QString& text)
{
    QByteArray data;
    for (QByteArray line : text.toUtf8().split('\n')) {
        line.replace('\r', ' ');
        if (line.startsWith('.'))
            line.prepend('.');
        data += line + "\r\n";
    }
    return data + ".";
}

} // namespace

DirectSpeech::DirectSpeech(QObject* parent) : QObject(parent) {}

DirectSpeech::~DirectSpeech() { close(); }

void DirectSpeech::prepare()
{
    if (asking_)
        return;
    asking_ = true;
    QDBusMessage ask =
        QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                       QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    ask << QStringLiteral("org.a11y.Status") << QStringLiteral("ScreenReaderEnabled");
    // Asked of a running bus only: no reader runs without one.
    ask.setAutoStartService(false);
    auto* answer = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(ask), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *call;
        asking_ = false;
        readerRuns_ = !reply.isError() && reply.value().variant().toBool();
        if (readerRuns_ && socket_ < 0)
            connectToService();
    });
}

bool DirectSpeech::say(const QString& text)
{
    // Until the service has answered the greeting, nothing is said here.
    if (!readerRuns_ || !greeted_)
        return false;
    // The screen reader's next key does not cut an important message; this
    // program's own newer one does.
    send("CANCEL self");
    send("SPEAK");
    send(spokenData(text));
    return socket_ >= 0;
}

void DirectSpeech::connectToService()
{
    const QByteArray path = serviceSocket();
    sockaddr_un address = {};
    if (path.isEmpty() || size_t(path.size()) >= sizeof address.sun_path)
        return;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    socket_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket_ < 0)
        return;
    // A local socket connects at once, or not at all.
    if (::connect(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close();
        return;
    }
    notifier_ = new QSocketNotifier(socket_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &DirectSpeech::read);
    const QByteArray user = qgetenv("USER");
    send("SET self CLIENT_NAME " + (user.isEmpty() ? QByteArray("unknown") : user) + ":lumenta:notice");
    send("SET self PRIORITY important");
    send("SET self LANGUAGE ja");
}

void DirectSpeech::send(const QByteArray& line)
{
    if (socket_ < 0)
        return;
    if (answerDue_) {
        waiting_.push_back(line);
        return;
    }
    const QByteArray sent = line + "\r\n";
    // A few hundred bytes to a local service fit its socket's buffer; one
    // that takes less is not listening.
    if (::send(socket_, sent.constData(), size_t(sent.size()), MSG_NOSIGNAL) != sent.size()) {
        close();
        return;
    }
    answerDue_ = true;
}

void DirectSpeech::read()
{
    char bytes[512];
    const ssize_t got = ::recv(socket_, bytes, sizeof bytes, 0);
    if (got <= 0) {
        close();
        return;
    }
    received_.append(bytes, int(got));
    for (int end; (end = received_.indexOf("\r\n")) >= 0;) {
        const QByteArray line = received_.left(end);
        received_.remove(0, end + 2);
        // "NNN-…" goes on; "NNN …" ends the answer; only 2NN is a yes.
        if (line.size() < 4 || line[3] == '-')
            continue;
        if (line[0] != '2') {
            close();
            return;
        }
        answerDue_ = false;
        greeted_ = greeted_ || waiting_.empty();
        if (!waiting_.empty()) {
            const QByteArray next = waiting_.front();
            waiting_.pop_front();
            send(next);
        }
    }
}

void DirectSpeech::close()
{
    delete notifier_;
    notifier_ = nullptr;
    if (socket_ >= 0)
        ::close(socket_);
    socket_ = -1;
    waiting_.clear();
    answerDue_ = false;
    greeted_ = false;
    received_.clear();
}
