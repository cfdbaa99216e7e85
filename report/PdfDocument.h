#pragma once

#include "ReportPage.h"

#include <QByteArray>
#include <QString>

namespace lumenta::report {

// What a PDF file says about itself (its document information).
struct PdfInfo {
    QString title;
    QString subject;
    QString author;
    QString creator;
    QByteArray record; // the estimate's record, attached to the file when not empty
};

// The page as a one-page PDF document, drawn by the same renderer as the
// printed sheet, with its fonts embedded, its document information set and
// the estimate's record attached.
QByteArray pdfDocument(const ReportPage& page, const PdfInfo& info);

// A finished PDF document with its information set and the record attached
// (qpdf writes the document anew); the document as it was when qpdf cannot
// read it or the program's PDF module is missing.
QByteArray withInfo(const QByteArray& pdf, const PdfInfo& info);

} // namespace lumenta::report
