#pragma once

#include "CupsJob.h"
#include "PdfDocument.h"
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
    Printed,        // handed to the printer as one job of one page
    Queued,         // handed over, but the printer is stopped: the job waits; the user was told
    Cancelled,      // cancelled in the progress window; nothing prints
    NotCancelled,   // cancelled too late: the service kept the job; the user was told
    PrinterFailed,  // the printer or the print service failed the job; the user was told why
    SavedAsPdf,     // saved as a PDF file at the user's wish
    NotSaved,       // no printer, and the user chose not to save
    SaveFailed,     // the chosen file could not be written; the user was told why
};

// Sends a report page to the default printer: one page, one copy, no
// printer dialog and no preview, with a progress window that can cancel.
// The print service is only ever waited on off the window's thread, and
// never for long. Where there is no printer it offers to save the page as
// a PDF file instead of printing nothing without a word.
class PrintAction {
public:
    // printers: a fixed printer list (tests); null asks the print service.
    PrintAction(const PrinterCatalog* printers, PrintPrompter& prompter, PrintProgress& progress, PdfInfo info);

    PrintOutcome print(const ReportPage& page, QWidget* parent);
    // Saves the page as a PDF file where the user chooses.
    PrintOutcome savePdf(const ReportPage& page, QWidget* parent);

    // The file first offered: 見積書_YYYYMMDD.pdf in the user's documents folder.
    static QString suggestedPdfPath(const QDate& day);

private:
    JobResult runJob(const QString& printer, const ReportPage& page, QWidget* parent);
    PrintOutcome report(const JobResult& result, const ReportPage& page, QWidget* parent);
    PrintOutcome offerPdf(const QString& why, const ReportPage& page, QWidget* parent);
    PrintOutcome printWithoutService(const ReportPage& page, QWidget* parent);

    const PrinterCatalog* printers_;
    PrintPrompter& prompter_;
    PrintProgress& progress_;
    PdfInfo info_;
};

} // namespace lumenta::report
