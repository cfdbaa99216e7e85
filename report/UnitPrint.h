#pragma once

#include "PrintAction.h"
#include "PrintPrompter.h"
#include "PrintWay.h"
#include "ProgressWindow.h"
#include "ReportPage.h"

#include <QWidget>

namespace lumenta {
struct SheetText;
}

namespace lumenta::report {
class PrinterCatalog;
}

// The report form: holds the printed estimate sheet and prints it. It is
// created at start-up and never shown; the sheet goes to the printer, to a
// PDF file or into Qt's print preview.
//
// The main window's print button calculates first and, when the
// calculation completes, calls
//     formPrint.printEstimate(lumenta::buildSheetText(estimate.grid(), estimate.state()), this);
class TFormPrint : public QWidget {
    Q_OBJECT
public:
    explicit TFormPrint(QWidget* parent = nullptr);
    ~TFormPrint() override;

    // Fills the sheet with the estimate and today's date and prints it on
    // the default printer (or, without a printer, offers a PDF file).
    lumenta::report::PrintOutcome printEstimate(const lumenta::SheetText& sheet, QWidget* parent);
    // The same, the sheet going the given way; the dialogs are parented to parent.
    lumenta::report::PrintOutcome sendEstimate(lumenta::report::PrintWay way, const lumenta::SheetText& sheet,
                                               QWidget* parent);

    // Writes all 165 texts of the sheet anew: the 160 line fields, the three
    // totals, the version line and the date.
    void fill(const lumenta::SheetText& sheet, const QString& date);
    // Prints the sheet as it stands.
    lumenta::report::PrintOutcome print(QWidget* parent);

    const lumenta::report::ReportPage& sheet() const { return QuickRep1; }
    // What a PDF file of the sheet as it stands says about itself.
    lumenta::report::PdfInfo pdfInfo() const;

    // Replaces the printer list, the dialogs or the progress window (for
    // tests); a null pointer keeps the platform's own. Not owned.
    void setPrintServices(const lumenta::report::PrinterCatalog* printers, lumenta::report::PrintPrompter* prompter,
                          lumenta::report::PrintProgress* progress);

private:
    lumenta::report::PrintAction action();

    lumenta::report::ReportPage QuickRep1;
    lumenta::report::DialogPrintPrompter dialogs_;
    lumenta::report::ProgressWindow progressWindow_;
    const lumenta::report::PrinterCatalog* printers_ = nullptr;
    lumenta::report::PrintPrompter* prompter_;
    lumenta::report::PrintProgress* progress_;
};
