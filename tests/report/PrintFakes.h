#pragma once

#include "PrintAction.h"
#include "PrintProgress.h"
#include "PrintPrompter.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFuture>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

// Stand-ins for the dialogs and the progress window.
namespace fakes {

class Prompter : public lumenta::report::PrintPrompter {
public:
    bool answer = false;
    QString fileToChoose;
    // The printer choice: this printer (empty: the default one) in this many
    // copies; none cancels, and so does a printer that is not listed.
    std::optional<int> copies = 1;
    QString printerToChoose;
    // Whether each file or folder opened in turn opens; the rest do.
    QList<bool> opens;
    // The preview: whether the user prints from it, after looking at it this long.
    bool printFromPreview = false;
    int previewMs = 0;
    // Or the program's own preview shows it, and its 印刷… is pressed then.
    bool previewWindow = false;
    // The sign-ins given, in turn; once they run out the question stays open.
    QList<std::optional<lumenta::report::SignIn>> signIns;
    // Or the program's own sign-in window asks, for the test to answer.
    bool signInWindow = false;

    QStringList questions;
    QStringList messages;
    QStringList suggestions;
    QStringList opened;
    QList<std::vector<lumenta::report::PrinterEntry>> printerLists;
    int previews = 0;
    QByteArray previewed; // the last document the preview showed
    QList<bool> signInsAsked; // each: asked again after a refusal
    int signInsLeftOpen = 0; // the program's own sign-in windows still open when asking returned
    int saving = 0; // files chosen whose saving the user has not yet heard about
    std::function<void(std::optional<lumenta::report::SignIn>)> unanswered;

    bool ask(QWidget*, const QString& question) override
    {
        questions << question;
        saving = std::max(0, saving - 1);
        return answer;
    }
    void tell(QWidget*, const QString& message) override
    {
        messages << message;
        saving = std::max(0, saving - 1);
    }
    void chooseSaveFile(QWidget*, const QString& suggestedPath, std::function<void(const QString&)> chosen) override
    {
        suggestions << suggestedPath;
        saving += fileToChoose.isEmpty() ? 0 : 1;
        chosen(fileToChoose);
    }
    bool openFile(const QString& path) override
    {
        opened << path;
        return opens.value(opened.size() - 1, true);
    }
    std::optional<lumenta::report::PrinterChoice>
    choosePrinter(QWidget*, const std::vector<lumenta::report::PrinterEntry>& printers) override
    {
        printerLists << printers;
        const auto chosen = std::find_if(printers.begin(), printers.end(), [this](auto& p) {
            return printerToChoose.isEmpty() ? p.isDefault : p.name == printerToChoose;
        });
        if (!copies || chosen == printers.end())
            return std::nullopt;
        return lumenta::report::PrinterChoice{*chosen, *copies};
    }
    bool preview(QWidget* parent, const QByteArray& sheet) override
    {
        ++previews;
        previewed = sheet;
        if (previewWindow) {
            QTimer press;
            QElapsedTimer shown;
            shown.start();
            QObject::connect(&press, &QTimer::timeout, [&] {
                auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                for (auto* button : window ? window->findChildren<QToolButton*>() : QList<QToolButton*>())
                    if (button->text() == QStringLiteral("印刷…") && shown.elapsed() >= previewMs)
                        button->click();
            });
            press.start(100);
            return PrintPrompter::preview(parent, sheet);
        }
        QTest::qSleep(previewMs);
        return printFromPreview;
    }
    QWidget* askSignIn(QWidget* parent, const QString& user, bool refused,
                       std::function<void(std::optional<lumenta::report::SignIn>)> answer) override
    {
        signInsAsked << refused;
        if (signInWindow) {
            QWidget* window = PrintPrompter::askSignIn(parent, user, refused, std::move(answer));
            signInsLeftOpen += window && window->isVisible() ? 1 : 0;
            return window;
        }
        if (!signIns.isEmpty())
            answer(signIns.takeFirst());
        else
            unanswered = std::move(answer);
        return nullptr;
    }
    bool silent() const { return questions.isEmpty() && messages.isEmpty() && suggestions.isEmpty(); }
};

// Cancels when the job reaches the given phase (0: never), or when told to.
class Progress : public lumenta::report::PrintProgress {
public:
    explicit Progress(int cancelAt = 0) : cancelAt_(cancelAt) {}

    int started = 0;
    int finished = 0;
    QList<int> reached;

    void start(QWidget*, int, std::function<void()> cancel) override
    {
        ++started;
        cancel_ = std::move(cancel);
    }
    void reach(int phase) override
    {
        reached << phase;
        if (phase == cancelAt_)
            cancel();
    }
    void finish() override
    {
        ++finished;
        cancel_ = nullptr;
    }
    // What the window's "キャンセル" does, while a job runs.
    void cancel()
    {
        if (cancel_)
            cancel_();
    }

private:
    int cancelAt_;
    std::function<void()> cancel_;
};

// How a print went, once it has: the window's event loop runs meanwhile.
inline lumenta::report::PrintOutcome outcome(QFuture<lumenta::report::PrintOutcome> print, int withinMs = 60000)
{
    const bool ended = QTest::qWaitFor([&] { return print.isFinished(); }, withinMs);
    return ended && print.resultCount() > 0 ? print.result() : lumenta::report::PrintOutcome(-1);
}

} // namespace fakes
