#include "PdfDocument.h"

#include "ReportRenderer.h"

#include <QBuffer>
#include <QDateTime>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTimeZone>

namespace lumenta::report {

namespace {

// A text string of the document information: UTF-16 with its byte order mark, in hex.
QByteArray pdfText(const QString& text)
{
    QByteArray utf16("\xFE\xFF", 2);
    for (const QChar c : text) {
        utf16.append(char(c.unicode() >> 8));
        utf16.append(char(c.unicode() & 0xFF));
    }
    return '<' + utf16.toHex().toUpper() + '>';
}

QByteArray pdfDate(const QDateTime& time)
{
    const int offset = time.offsetFromUtc() / 60;
    return QByteArray("(D:") + time.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() +
           (offset < 0 ? '-' : '+') + QByteArray::number(qAbs(offset) / 60).rightJustified(2, '0') + '\'' +
           QByteArray::number(qAbs(offset) % 60).rightJustified(2, '0') + "')";
}

// The first number after a keyword in the file's last trailer.
QByteArray trailerEntry(const QByteArray& trailer, const char* pattern)
{
    const QRegularExpressionMatch m = QRegularExpression(QString::fromLatin1(pattern)).match(QString::fromLatin1(trailer));
    return m.hasMatch() ? m.captured(1).toLatin1() : QByteArray();
}

} // namespace

QByteArray withInfo(QByteArray pdf, const PdfInfo& info)
{
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    const qsizetype trailerAt = pdf.lastIndexOf("trailer", startxref);
    if (startxref < 0 || trailerAt < 0)
        return pdf;
    const QByteArray trailer = pdf.mid(trailerAt, startxref - trailerAt);
    const QByteArray previous = trailerEntry(pdf.mid(startxref), R"(startxref\s+(\d+))");
    const QByteArray size = trailerEntry(trailer, R"(/Size\s+(\d+))");
    const QByteArray root = trailerEntry(trailer, R"(/Root\s+(\d+\s+\d+\s+R))");
    if (previous.isEmpty() || size.isEmpty() || root.isEmpty())
        return pdf;

    if (!pdf.endsWith('\n'))
        pdf.append('\n');
    const QByteArray object = size;
    const qsizetype objectAt = pdf.size();
    pdf += object + " 0 obj\n<<\n/Title " + pdfText(info.title) + "\n/Subject " + pdfText(info.subject) +
           "\n/Author " + pdfText(info.author) + "\n/Creator " + pdfText(info.creator) + "\n/Producer " +
           pdfText(QStringLiteral("Qt " QT_VERSION_STR)) + "\n/CreationDate " +
           pdfDate(QDateTime::currentDateTime()) + "\n>>\nendobj\n";
    const qsizetype xrefAt = pdf.size();
    pdf += "xref\n" + object + " 1\n" + QByteArray::number(objectAt).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<<\n/Size " + QByteArray::number(size.toLongLong() + 1) + "\n/Root " + root + "\n/Info " +
           object + " 0 R\n/Prev " + previous + "\n>>\nstartxref\n" + QByteArray::number(xrefAt) + "\n%%EOF\n";
    return pdf;
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
