#pragma once

#include <QList>
#include <QString>

// The tests' print service (tests/support/print-service.sh) and what its
// queues have received. A job is in the service's list as soon as the print
// action has handed it over, so "no job" needs no waiting.
namespace cups_output {

// The default queue: it completes every job at once.
inline const QString kPrinter = QStringLiteral("LumentaPDF");
// A queue that holds every job until it is released.
inline const QString kHeldQueue = QStringLiteral("LumentaFaults");

// Where no print service listens: the client library finds no service there,
// and so no printer.
inline constexpr const char* kNoService = "/nonexistent/lumenta-tests/cups.sock";
// Points the client library of the calling thread, which the print jobs
// started from it use, at a service's address; null: back to the tests' own.
void pointServiceAt(const char* address);

// Why the print service can't be used (it did not start, or poppler-utils
// is missing); empty when it can.
QString unavailable();
// Id of the queue's newest job in any state, 0 when it has had none.
int newestJob(const QString& queue);
// Ids of the queue's jobs, in any state, that came after that one.
QList<int> jobsAfter(const QString& queue, int job);
// Ids of the queue's jobs that are not completed, cancelled or aborted.
QList<int> jobsWaiting(const QString& queue);
// Waits until the job has completed; false when it has not within the time.
bool waitUntilCompleted(const QString& queue, int job, int timeoutMs);
// The number of copies the job asks for; 0 when the service does not say.
int copiesOf(int job);
// The job's document as the service keeps it: exactly what the program
// handed over. Empty when there is none.
QString keptDocument(int job);

} // namespace cups_output
