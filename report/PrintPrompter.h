#pragma once

#include <QString>

class QWidget;

namespace lumenta::report {

// The questions and messages the print action may put to the user, always
// over the window that prints.
class PrintPrompter {
public:
    virtual ~PrintPrompter() = default;
    // A yes/no question; true for yes.
    virtual bool ask(QWidget* parent, const QString& question) = 0;
    // A message with one OK button.
    virtual void tell(QWidget* parent, const QString& message) = 0;
    // A file to save to, starting from the suggested path; empty when cancelled.
    virtual QString chooseSaveFile(QWidget* parent, const QString& suggestedPath) = 0;
    // Opens a saved file in the desktop's viewer; false when none took it.
    virtual bool openFile(const QString& path) = 0;
};

// Modal message boxes and Qt's own save dialog, which stores nothing.
class DialogPrintPrompter : public PrintPrompter {
public:
    bool ask(QWidget* parent, const QString& question) override;
    void tell(QWidget* parent, const QString& message) override;
    QString chooseSaveFile(QWidget* parent, const QString& suggestedPath) override;
    bool openFile(const QString& path) override;
};

} // namespace lumenta::report
