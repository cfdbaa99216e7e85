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

// The first number after a keyword.
QByteArray entry(const QByteArray& text, const char* pattern)
{
    const QRegularExpressionMatch m = QRegularExpression(QString::fromLatin1(pattern)).match(QString::fromLatin1(text));
    return m.hasMatch() ? m.captured(1).toLatin1() : QByteArray();
}

} // namespace

// The update's trailer repeats every entry of the last one (the document
// catalogue, the file's identifier ...) but the three it sets anew.
QByteArray withInfo(QByteArray pdf, const PdfInfo& info)
{
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    const qsizetype trailerAt = pdf.lastIndexOf("trailer", startxref);
    const qsizetype open = pdf.indexOf("<<", trailerAt);
    const qsizetype close = pdf.lastIndexOf(">>", startxref);
    if (startxref < 0 || trailerAt < 0 || open < 0 || close < open)
        return pdf;
    QByteArray entries = pdf.mid(open + 2, close - open - 2);
    const QByteArray previous = entry(pdf.mid(startxref), R"(startxref\s+(\d+))");
    const QByteArray size = entry(entries, R"(/Size\s+(\d+))");
    if (previous.isEmpty() || size.isEmpty() || !entries.contains("/Root"))
        return pdf;
    entries = QString::fromLatin1(entries)
                  .remove(QRegularExpression(QStringLiteral(R"(/(Size|Prev|Info)\s+\d+(\s+\d+\s+R)?)")))
                  .trimmed()
                  .toLatin1();

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
    pdf += "trailer\n<<\n" + entries + "\n/Size " + QByteArray::number(size.toLongLong() + 1) + "\n/Info " + object +
           " 0 R\n/Prev " + previous + "\n>>\nstartxref\n" + QByteArray::number(xrefAt) + "\n%%EOF\n";
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
