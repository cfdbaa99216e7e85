#include "CupsOutput.h"

#include "PdfReader.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QTest>

#include <algorithm>

namespace cups_output {

QStringList outputFolders()
{
    const QString user = qEnvironmentVariable("USER", QStringLiteral("root"));
    return {QDir::home().filePath(QStringLiteral("PDF")), QStringLiteral("/var/spool/cups-pdf/ANONYMOUS"),
            QStringLiteral("/var/spool/cups-pdf/") + user};
}

QSet<QString> printedFiles()
{
    QSet<QString> files;
    for (const QString& folder : outputFolders()) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList({QStringLiteral("*.pdf")}, QDir::Files))
            files.insert(dir.filePath(name));
    }
    return files;
}

namespace {

// Ids of the printer's jobs that lpstat lists with -W which ("all", "completed").
QList<int> jobs(const QString& printer, const QString& which)
{
    const QString list = pdf::run(QStringLiteral("lpstat"), {QStringLiteral("-W"), which, QStringLiteral("-o"), printer});
    QList<int> ids;
    // Each line begins with "<printer>-<id>".
    for (const QString& line : list.split(u'\n', Qt::SkipEmptyParts))
        ids << line.section(u' ', 0, 0).section(u'-', -1).toInt();
    return ids;
}

} // namespace

int newestJob(const QString& printer)
{
    const QList<int> ids = jobs(printer, QStringLiteral("all"));
    return ids.isEmpty() ? 0 : *std::max_element(ids.begin(), ids.end());
}

QList<int> jobsAfter(const QString& printer, int job)
{
    QList<int> later;
    for (int id : jobs(printer, QStringLiteral("all")))
        if (id > job)
            later << id;
    return later;
}

bool waitUntilCompleted(const QString& printer, int job, int timeoutMs)
{
    return QTest::qWaitFor([&] { return jobs(printer, QStringLiteral("completed")).contains(job); }, timeoutMs);
}

QString keptDocument(int job)
{
    const QString file = QStringLiteral("/var/spool/cups/d%1-001").arg(job, 5, 10, QLatin1Char('0'));
    return QFileInfo(file).isReadable() ? file : QString();
}

QString pdfDefaultPrinter(QString* whyNot)
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        *whyNot = QStringLiteral("no default printer: run tools/cups-pdf-printer.sh as root to add a PDF printer");
        return {};
    }
    if (!printer.makeAndModel().contains(QStringLiteral("PDF"), Qt::CaseInsensitive)) {
        *whyNot = QStringLiteral("the default printer is not a PDF printer; not printing on paper");
        return {};
    }
    if (!pdf::toolsInstalled()) {
        *whyNot = QStringLiteral("poppler-utils is not installed");
        return {};
    }
    return printer.printerName();
}

} // namespace cups_output
