#pragma once

#include <QString>

class QWidget;

namespace lumenta::report {

// The questions and messages the print action may put to the user.
class PrintPrompter {
public:
    virtual ~PrintPrompter() = default;
    // A yes/no question; true for yes.
    virtual bool ask(QWidget* parent, const QString& question) = 0;
    // A message with one OK button.
    virtual void tell(QWidget* parent, const QString& message) = 0;
    // A file to save to, starting from the suggested path; empty when cancelled.
    virtual QString chooseSaveFile(QWidget* parent, const QString& suggestedPath) = 0;
};

// Modal message boxes and the platform's save dialog.
class DialogPrintPrompter : public PrintPrompter {
public:
    bool ask(QWidget* parent, const QString& question) override;
    void tell(QWidget* parent, const QString& message) override;
    QString chooseSaveFile(QWidget* parent, const QString& suggestedPath) override;
};

} // namespace lumenta::report
