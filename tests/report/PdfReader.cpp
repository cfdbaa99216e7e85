#include "PdfReader.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace pdf {

namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;

QString unescape(QString text)
{
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

} // namespace

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    const QString output = QString::fromUtf8(process.readAllStandardOutput());
    return output.isNull() ? QStringLiteral("") : output;  // ran, printed nothing
}

bool toolsInstalled()
{
    for (const char* tool : {"pdftotext", "pdffonts", "pdfinfo", "pdftoppm"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return false;
    return true;
}

QList<Word> words(const QString& file)
{
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>)re"));
    const QString html =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                          QStringLiteral("-l"), QStringLiteral("1"), file, QStringLiteral("-")});
    QList<Word> found;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        found.append({unescape(m.captured(5)), m.captured(1).toDouble() * kMmPerPoint,
                      m.captured(2).toDouble() * kMmPerPoint, m.captured(3).toDouble() * kMmPerPoint,
                      m.captured(4).toDouble() * kMmPerPoint});
    }
    return found;
}

QStringList fonts(const QString& file)
{
    QStringList names;
    const QStringList lines = run(QStringLiteral("pdffonts"), {file}).split(u'\n', Qt::SkipEmptyParts);
    // Two heading lines, then one font a line: name, type, ..., "emb" column.
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QStringList columns = lines[i].split(u' ', Qt::SkipEmptyParts);
        if (columns.size() >= 5 && columns[columns.size() - 5] == QStringLiteral("yes"))
            names.append(columns.first());
    }
    return names;
}

int pages(const QString& file)
{
    static const QRegularExpression line(QStringLiteral(R"(Pages:\s+(\d+))"));
    const auto m = line.match(run(QStringLiteral("pdfinfo"), {file}));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QSizeF pageSizeMm(const QString& file)
{
    static const QRegularExpression line(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)"));
    const auto m = line.match(run(QStringLiteral("pdfinfo"), {file}));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble() * kMmPerPoint, m.captured(2).toDouble() * kMmPerPoint)
                        : QSizeF();
}

QImage raster(const QString& file, int dpi, const QRectF& areaMm)
{
    const double dotsPerMm = dpi / 25.4;
    const QRect area(qRound(areaMm.left() * dotsPerMm), qRound(areaMm.top() * dotsPerMm),
                     qRound(areaMm.width() * dotsPerMm), qRound(areaMm.height() * dotsPerMm));
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("area"));
    const QStringList arguments = {QStringLiteral("-gray"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                   QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"),
                                   QStringLiteral("no"), QStringLiteral("-r"), QString::number(dpi),
                                   QStringLiteral("-x"), QString::number(area.x()), QStringLiteral("-y"),
                                   QString::number(area.y()), QStringLiteral("-W"), QString::number(area.width()),
                                   QStringLiteral("-H"), QString::number(area.height()), file, stem};
    if (run(QStringLiteral("pdftoppm"), arguments).isNull())
        return {};
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

} // namespace pdf
