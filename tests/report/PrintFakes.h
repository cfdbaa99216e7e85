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
    bool silent() const { return questions.isEmpty() && messages.isEmpty() && suggestions.isEmpty(); }
};

// Cancels when the job reaches the given phase (0: never).
class Progress : public lumenta::report::PrintProgress {
public:
    explicit Progress(int cancelAt = 0) : cancelAt_(cancelAt) {}

    int started = 0;
    int finished = 0;
    QList<int> reached;

    void start(QWidget*, int) override { ++started; }
    bool reach(int phase) override
    {
        reached << phase;
        return phase != cancelAt_;
    }
    void finish() override { ++finished; }

private:
    int cancelAt_;
};

} // namespace fakes
