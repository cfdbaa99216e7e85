#pragma once

#include "PrintTypes.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace lumenta::report {

struct PrinterChoice {
    PrinterEntry printer;
    int copies = 1;
};

// The questions and messages the print action puts to the user, always over
// the window that prints: modal message boxes, Qt's own save dialog (which
// stores nothing, and runs no event loop of its own), the printer choice,
// the preview and the sign-in. Tests answer in their place.
class PrintPrompter {
public:
    virtual ~PrintPrompter() = default;
    // A yes/no question; true for yes.
    virtual bool ask(QWidget* parent, const QString& question);
    // A message with one OK button.
    virtual void tell(QWidget* parent, const QString& message);
    // A file to save to, starting from the suggested path, and returns at
    // once: chosen is called once, with an empty path when cancelled.
    virtual void chooseSaveFile(QWidget* parent, const QString& suggestedPath,
                                std::function<void(const QString&)> chosen);
    // Opens a saved file in the desktop's viewer, or a folder in its file
    // manager; false when none took it.
    virtual bool openFile(const QString& path);
    // The printer and the number of copies, from the service's printers;
    // empty when cancelled.
    virtual std::optional<PrinterChoice> choosePrinter(QWidget* parent, const std::vector<PrinterEntry>& printers);
    // Shows the PDF document that prints; true when the user asks to print it.
    virtual bool preview(QWidget* parent, const QByteArray& sheet);
    // Asks for the user name and password the print service wants, and
    // returns at once: answer is called once, with nothing when the user
    // declines. Returns the question's window (null if none), which the
    // caller closes when it no longer waits for the answer.
    virtual QWidget* askSignIn(QWidget* parent, const QString& user, bool refused,
                               std::function<void(std::optional<SignIn>)> answer);
};

} // namespace lumenta::report
