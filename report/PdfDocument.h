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
};

// The page as a one-page PDF document, drawn by the same renderer as the
// printed sheet, with its fonts embedded and its document information set.
QByteArray pdfDocument(const ReportPage& page, const PdfInfo& info);

// Appends document information to a finished PDF file as an incremental
// update, which readers take over the writer's own. Unchanged when the
// file's end is not understood.
QByteArray withInfo(QByteArray pdf, const PdfInfo& info);

} // namespace lumenta::report
