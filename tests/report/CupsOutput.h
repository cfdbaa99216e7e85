#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// What the CUPS PDF printer has made: its output files and finished jobs.
namespace cups_output {

// The submitting user's ~/PDF, and the spool folders for anonymous and named users.
QStringList outputFolders();
QSet<QString> printedFiles();
int completedJobs(const QString& printer);
// Files that were not there before, once the queue has finished with them.
QStringList waitForNewFiles(const QSet<QString>& before, int timeoutMs);
// The default printer when it writes PDF files, else a null string with the reason.
QString pdfDefaultPrinter(QString* whyNot);

} // namespace cups_output
