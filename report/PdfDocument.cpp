#include "PdfDocument.h"

#include "PdfRecord.h"
#include "ReportRenderer.h"

#include <QBuffer>
#include <QDateTime>
#include <QPainter>
#include <QPdfWriter>

namespace lumenta::report {

namespace {

QByteArray pdfDate(const QDateTime& time)
{
    const int offset = time.offsetFromUtc() / 60;
    return QByteArray("D:") + time.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + (offset < 0 ? '-' : '+') +
           QByteArray::number(qAbs(offset) / 60).rightJustified(2, '0') + '\'' +
           QByteArray::number(qAbs(offset) % 60).rightJustified(2, '0') + '\'';
}

} // namespace

QByteArray withInfo(const QByteArray& pdf, const PdfInfo& info)
{
    const PdfProperties properties{info.title.toStdString(),  info.subject.toStdString(),
                                   info.author.toStdString(), info.creator.toStdString(),
                                   "Qt " QT_VERSION_STR,      pdfDate(QDateTime::currentDateTime()).toStdString(),
                                   info.record.toStdString()};
    const std::string out = withProperties(std::string_view(pdf.constData(), std::size_t(pdf.size())), properties);
    // Without the PDF module (a damaged installation) the sheet still
    // prints and saves, as drawn.
    return out.empty() ? pdf : QByteArray(out.data(), qsizetype(out.size()));
}

QByteArray pdfDocument(const ReportPage& page, const PdfInfo& info)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(ReportRenderer::kPdfResolution);
        writer.setTitle(info.title);
        writer.setCreator(info.creator);
        if (!ReportRenderer::preparePage(page, writer))
            return {};
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        ReportRenderer::paint(page, painter);
        if (!painter.end())
            return {};
    }
    return withInfo(buffer.data(), info);
}

} // namespace lumenta::report
