#pragma once

#include "PrintAction.h"
#include "PrintProgress.h"
#include "PrintPrompter.h"

#include <QFuture>
#include <QWidget>

namespace lumenta {
struct SheetText;
}

// The report form: holds the printed estimate sheet and prints it. It is
// created at start-up and never shown; the sheet goes to the printer, to a
// PDF file or into the print preview. Printing goes on while the window
// answers: each call returns at once, and its future ends with how it went.
class TFormPrint : public QWidget {
    Q_OBJECT
public:
    explicit TFormPrint(QWidget* parent = nullptr);

    // Fills the sheet with the estimate and today's date and sends it the
    // given way (on the default printer: without a printer, a PDF file is
    // offered); the dialogs are parented to parent.
    QFuture<lumenta::report::PrintOutcome> sendEstimate(lumenta::report::PrintWay way, const lumenta::SheetText& sheet,
                                                        QWidget* parent);

    // Writes all 165 texts of the sheet anew: the 160 line fields, the three
    // totals, the version line and the date.
    void fill(const lumenta::SheetText& sheet, const QString& date);

    // The record of the estimate on the sheet, which a saved PDF file carries.
    void setEstimateRecord(const std::string& record) { record_ = QByteArray::fromStdString(record); }

    const lumenta::report::ReportPage& sheet() const { return QuickRep1; }

    // Replaces the dialogs or the progress window; a null pointer keeps
    // the platform's own. Not owned.
    void setPrintServices(lumenta::report::PrintPrompter* prompter, lumenta::report::PrintProgress* progress);

private:
    // What a PDF file of the sheet as it stands says about itself.
    lumenta::report::PdfInfo pdfInfo() const;

    lumenta::report::ReportPage QuickRep1;
    QByteArray record_;
    lumenta::report::PrintPrompter dialogs_;
    lumenta::report::PrintProgress progressWindow_;
    // Last, so that its jobs end before the dialogs and the progress window go.
    lumenta::report::PrintAction action_;
};
