#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <deque>

class QSocketNotifier;

// Speaks a short notice through the desktop's speech service
// (speech-dispatcher) beside the screen reader instead of behind it.
//
// A screen reader queues a notification behind what it says of the key
// itself ("space", "selected", the notice's role) and drops its whole queue
// at the next key, so at a normal pace of keys no amount was ever heard.
// Said by the service as an "important" message, the notice starts at once,
// the reader's next key does not cut it, and the reader's own words follow
// it. A newer notice replaces one still playing, so keys pressed quickly
// never pile up speech.
//
// Only while a screen reader runs (the accessibility bus says so) and its
// service is already running: the service is never started from here, and
// when it cannot be reached the caller shows the notice to the reader as
// before.
//
// The service's protocol (a command a line, each answered with a numbered
// line) is spoken over a plain local socket watched by a QSocketNotifier:
// libspeechd's calls block their thread until the service answers, with no
// time limit, and QLocalSocket is in Qt Network, which the program does not
// otherwise load at its start.
class DirectSpeech : public QObject {
public:
    explicit DirectSpeech(QObject* parent);
    ~DirectSpeech() override;

    // Asks whether a screen reader runs and, if one does, connects to the
    // speech service; call it a moment before say().
    void prepare();
    // Says text now, replacing what this program said before; false when
    // nothing could be said (no reader, no service, or not connected yet).
    bool say(const QString& text);

private:
    void connectToService();
    void send(const QByteArray& line);
    void read();
    void close();

    // The accessibility bus's last answer: a screen reader runs.
    bool readerRuns_ = false;
    bool asking_ = false;
    int socket_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    // Lines not yet sent: the protocol allows one unanswered line at a time.
    std::deque<QByteArray> waiting_;
    bool answerDue_ = false;
    // The service has answered the greeting (name, priority, language).
    bool greeted_ = false;
    QByteArray received_;
};
