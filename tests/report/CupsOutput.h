#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// What the CUPS PDF printer has made: its output files and its jobs. A job
// is in the service's list as soon as the print action returns (the action
// hands it over before it returns), so "no job" needs no waiting.
namespace cups_output {

// The submitting user's ~/PDF, and the spool folders for anonymous and named users.
QStringList outputFolders();
QSet<QString> printedFiles();
// Id of the printer's newest job in any state, 0 when it has had none.
int newestJob(const QString& printer);
// Ids of the printer's jobs, in any state, that came after that one.
QList<int> jobsAfter(const QString& printer, int job);
// Waits until the job has completed; false when it has not within the time.
bool waitUntilCompleted(const QString& printer, int job, int timeoutMs);
// The job's document as the service keeps it (PreserveJobFiles): what the
// program handed over, before any filter. Empty when it is not kept or
// cannot be read.
QString keptDocument(int job);
// The default printer when it writes PDF files, else a null string with the reason.
QString pdfDefaultPrinter(QString* whyNot);

} // namespace cups_output
