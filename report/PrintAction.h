#pragma once

#include "ReportPage.h"

#include <QDate>
#include <QString>

class QWidget;

namespace lumenta::report {

class PrinterCatalog;
class PrintPrompter;
class PrintProgress;

// How a print ended.
enum class PrintOutcome {
    Printed,        // handed to the default printer as one job of one page
    Queued,         // handed over, but the printer is stopped: the job waits; the user was told
    Cancelled,      // abandoned in the progress window before the job was opened
    PrinterFailed,  // the printer or the print service refused the job; the user was told
    SavedAsPdf,     // no printer: saved as a PDF file at the user's wish
    NotSaved,       // no printer, and the user chose not to save
    SaveFailed,     // no printer, and the chosen file could not be written; the user was told
};

// Sends a report page to the default printer: one page, one copy, no
// printer dialog and no preview, with a progress window that can cancel.
// Where no printer is installed it offers to save the page as a PDF file
// instead of printing nothing without a word.
class PrintAction {
public:
    PrintAction(const PrinterCatalog& printers, PrintPrompter& prompter, PrintProgress& progress);

    PrintOutcome print(const ReportPage& page, QWidget* parent);

    // The file offered when there is no printer: 見積書_YYYYMMDD.pdf in the home folder.
    static QString suggestedPdfPath(const QDate& day);

private:
    PrintOutcome printOn(const QString& printerName, const ReportPage& page, QWidget* parent);
    PrintOutcome runJob(const QString& printerName, const ReportPage& page, QString& failure);
    PrintOutcome offerPdf(const ReportPage& page, QWidget* parent);

    const PrinterCatalog& printers_;
    PrintPrompter& prompter_;
    PrintProgress& progress_;
};

} // namespace lumenta::report
