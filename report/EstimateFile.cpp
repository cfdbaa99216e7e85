#include "EstimateFile.h"

#include "PdfRecord.h"

namespace lumenta::report {

namespace {

struct Cause {
    PdfProblem problem;
    const char* text;
};
const Cause kCauses[] = {
    {PdfProblem::NotPdf, "PDFファイルではありません。"},
    {PdfProblem::TooLarge,
     "ファイルが大きすぎます（開けるのは 1 MB までのファイルです。見積りのPDFファイルは 60 KB ほどです）。"},
    {PdfProblem::Damaged, "PDFファイルが壊れているか、途中で切れています。"},
    {PdfProblem::Encrypted, "PDFファイルが暗号化されているため、読めません。"},
    {PdfProblem::NoRecord, "このPDFファイルには見積りが入っていません。Lumentaで保存したPDFファイルだけを開けます。"},
    {PdfProblem::RecordTooLarge, "ファイルの中の見積りの記録が大きすぎます。"},
    {PdfProblem::NoReader, "PDFファイルを読む部品（qpdf）を読み込めませんでした。Lumentaを入れ直してください。"},
};

} // namespace

EstimateFile readEstimateFile(std::string_view bytes)
{
    EstimateFile file;
    const PdfReading pdf = readPdfRecord(bytes, kRecordMaxBytes);
    for (const Cause& cause : kCauses)
        if (cause.problem == pdf.problem) {
            file.problem = cause.text;
            return file;
        }
    const RecordReading reading = readRecord(pdf.record);
    if (reading.record)
        file.record = reading.record;
    else
        file.problem = problemMessage(reading);
    return file;
}

} // namespace lumenta::report
