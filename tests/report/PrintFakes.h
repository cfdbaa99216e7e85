#pragma once

#include "PrintProgress.h"
#include "PrintPrompter.h"
#include "PrinterCatalog.h"

#include <QString>
#include <QStringList>

// Stand-ins for the printer list, the dialogs and the progress window.
namespace fakes {

class Printers : public lumenta::report::PrinterCatalog {
public:
    explicit Printers(QString defaultPrinter = {}) : default_(std::move(defaultPrinter)) {}
    QString defaultPrinter() const override { return default_; }

private:
    QString default_;
};

class Prompter : public lumenta::report::PrintPrompter {
public:
    bool answer = false;
    QString fileToChoose;

    QStringList questions;
    QStringList messages;
    QStringList suggestions;

    bool ask(QWidget*, const QString& question) override
    {
        questions << question;
        return answer;
    }
    void tell(QWidget*, const QString& message) override { messages << message; }
    QString chooseSaveFile(QWidget*, const QString& suggestedPath) override
    {
        suggestions << suggestedPath;
        return fileToChoose;
    }
    QStringList opened;
    bool openFile(const QString& path) override
    {
        opened << path;
        return true;
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

} // namespace fakes
