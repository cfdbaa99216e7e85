#pragma once

#include <QString>
#include <vector>

namespace lumenta::report {

// How a job handed to the print service ended.
enum class JobEnd {
    Printed,          // the service took the job and its printer is running
    Queued,           // the service took the job, but its printer is stopped
    Listed,           // the printers were asked for, or none is the default: they are in the result
    Cancelled,        // the user cancelled, and nothing will print
    NotCancelled,     // the user cancelled, but the service kept the job (detail: why)
    NoPrinter,        // the service knows no printer to print on
    NotRunning,       // no print service to connect to
    NotAnswering,     // the service did not answer in time
    NotEncrypted,     // no encrypted connection, which the settings require, came about
    ConnectionLost,   // the service hung up while the printer was asked for
    CutBeforeSheet,   // ... after the job was opened, before the sheet went; the job was removed
    CutWhileSending,  // ... while the sheet was being sent; the job was removed
    CutAfterSending,  // ... before it said it had the sheet; the job was removed
    UnknownPrinter,   // the service does not know the printer
    Rejecting,        // the printer's queue does not accept jobs
    Refused,          // the service refused the job for another reason (detail: its own words)
    SignInRefused,    // the service did not take the user name and password
    SignInTooLate,    // the user did not sign in in time
    NotAllowed,       // the user may not print on this service
    NoClient,         // the print service's client library is not installed
    NoDocument,       // the sheet could not be made into a PDF document
};

struct PrinterEntry {
    QString name;
    bool stopped = false;
    bool isDefault = false;
};

struct JobResult {
    JobResult(JobEnd end = JobEnd::Printed, QString printer = {}, QString user = {})
        : end(end), printer(std::move(printer)), user(std::move(user))
    {
    }
    JobEnd end;
    QString printer;                     // the printer's name, when known
    QString user;                        // whom the service was asked for
    QString detail;                      // the service's own words, when it refused
    std::vector<PrinterEntry> printers;  // Listed: the service's printers
    JobEnd cause = JobEnd::Printed;      // NotCancelled: why (Printed: it is being printed already)
};

struct SignIn {
    QString user;
    QString password;
};

} // namespace lumenta::report
