// Filling the report form with a complete estimate and rendering its sheet
// to a PDF, in memory and as a file.

#include "CompleteEstimate.h"
#include "JapaneseFonts.h"

#include "PdfDocument.h"
#include "PdfFile.h"
#include "ReportRenderer.h"
#include "UnitPrint.h"

#include <QApplication>
#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using lumenta::report::ReportRenderer;

const QString kDate = QStringLiteral("令和6年12月7日");

// The sheet as one PDF in memory; its size in bytes.
qint64 renderToMemory(const lumenta::report::ReportPage& page)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(ReportRenderer::kPdfResolution);
        ReportRenderer::preparePage(page, writer);
        QPainter painter(&writer);
        ReportRenderer::paint(page, painter);
    }
    return pdf.size();
}

void BM_FillSheet(benchmark::State& state)
{
    const lumenta::SheetText text = bench::completeSheetText();
    TFormPrint form;
    for (auto _ : state)
        form.fill(text, kDate);
}
BENCHMARK(BM_FillSheet)->Unit(benchmark::kMicrosecond);

void BM_LayOutSheet(benchmark::State& state)
{
    TFormPrint form;
    form.fill(bench::completeSheetText(), kDate);
    QPdfWriter writer(QStringLiteral("/dev/null"));
    writer.setResolution(ReportRenderer::kPdfResolution);
    ReportRenderer::preparePage(form.sheet(), writer);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReportRenderer::layout(form.sheet(), writer));
}
BENCHMARK(BM_LayOutSheet)->Unit(benchmark::kMillisecond);

void BM_RenderSheetPdfInMemory(benchmark::State& state)
{
    TFormPrint form;
    form.fill(bench::completeSheetText(), kDate);
    qint64 bytes = 0;
    for (auto _ : state)
        bytes = renderToMemory(form.sheet());
    state.counters["pdf_bytes"] = double(bytes);
}
BENCHMARK(BM_RenderSheetPdfInMemory)->Unit(benchmark::kMillisecond);

// What printing without a printer does: fill the form, write the file.
void BM_FillAndWriteSheetPdfFile(benchmark::State& state)
{
    const lumenta::SheetText text = bench::completeSheetText();
    TFormPrint form;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    for (auto _ : state) {
        form.fill(text, kDate);
        const QByteArray pdf = lumenta::report::pdfDocument(form.sheet(), {{}, {}, {}, QStringLiteral("Lumenta"), {}});
        if (pdf.isEmpty() || !lumenta::report::savePdfFile(path, pdf).isEmpty())
            state.SkipWithError("the PDF file could not be written");
    }
}
BENCHMARK(BM_FillAndWriteSheetPdfFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    // The form is a widget, but nothing is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    japanese_fonts::registerSubstitutes();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
