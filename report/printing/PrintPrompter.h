#pragma once

#include "PrintTypes.h"
#include "ReportPage.h"

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

// The printer the printer choice starts from: the default one, else the
// only one; -1 when the user has to choose among several.
int preselectedPrinter(const std::vector<PrinterEntry>& printers);

// The questions and messages the print action may put to the user, always
// over the window that prints.
class PrintPrompter {
public:
    virtual ~PrintPrompter() = default;
    // A yes/no question; true for yes.
    virtual bool ask(QWidget* parent, const QString& question) = 0;
    // A message with one OK button.
    virtual void tell(QWidget* parent, const QString& message) = 0;
    // A file to save to, starting from the suggested path, and returns at
    // once: chosen is called once, with an empty path when cancelled.
    virtual void chooseSaveFile(QWidget* parent, const QString& suggestedPath,
                                std::function<void(const QString&)> chosen) = 0;
    // Opens a saved file in the desktop's viewer, or a folder in its file
    // manager; false when none took it.
    virtual bool openFile(const QString& path) = 0;
    // The printer and the number of copies, from the service's printers;
    // empty when cancelled.
    virtual std::optional<PrinterChoice> choosePrinter(QWidget* parent, const std::vector<PrinterEntry>& printers) = 0;
    // Shows the page as it will print; true when the user asks to print it.
    virtual bool preview(QWidget* parent, const ReportPage& page) = 0;
    // Asks for the user name and password the print service wants, and
    // returns at once: answer is called once, with nothing when the user
    // declines. Returns the question's window (null if none), which the
    // caller closes when it no longer waits for the answer.
    virtual QWidget* askSignIn(QWidget* parent, const QString& user, bool refused,
                               std::function<void(std::optional<SignIn>)> answer) = 0;
};

// Modal message boxes, Qt's own save dialog (which stores nothing, and
// runs no event loop of its own), the printer choice, the preview and the
// sign-in.
class DialogPrintPrompter : public PrintPrompter {
public:
    bool ask(QWidget* parent, const QString& question) override;
    void tell(QWidget* parent, const QString& message) override;
    void chooseSaveFile(QWidget* parent, const QString& suggestedPath,
                        std::function<void(const QString&)> chosen) override;
    bool openFile(const QString& path) override;
    std::optional<PrinterChoice> choosePrinter(QWidget* parent, const std::vector<PrinterEntry>& printers) override;
    bool preview(QWidget* parent, const ReportPage& page) override;
    QWidget* askSignIn(QWidget* parent, const QString& user, bool refused,
                       std::function<void(std::optional<SignIn>)> answer) override;
};

} // namespace lumenta::report
