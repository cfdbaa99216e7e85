#pragma once

#include <QString>

namespace lumenta::report {

// What the print service did with the job that was just handed to it. The
// toolkit's print engine finishes a job without saying whether the service
// took it, so this asks the service itself.
struct Handover {
    enum class Result {
        Accepted,  // the job is in the queue and the printer is running
        Refused,   // the service did not take the job (queue rejecting, service gone)
        Waiting,   // the job is queued, but the printer is stopped
    };
    Result result = Result::Accepted;
    QString detail;  // the service's own words when it refused
};

// Called right after the job was handed over on the same thread.
Handover checkHandover(const QString& printerName);

} // namespace lumenta::report
