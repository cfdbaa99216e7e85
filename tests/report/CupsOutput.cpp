#include "CupsOutput.h"

#include "PdfReader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPrinterInfo>
#include <QTest>

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

int completedJobs(const QString& printer)
{
    const QString list = pdf::run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("completed"),
                                                             QStringLiteral("-o"), printer});
    return int(list.split(u'\n', Qt::SkipEmptyParts).size());
}

QStringList waitForNewFiles(const QSet<QString>& before, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QStringList fresh;
    do {
        QTest::qWait(250);
        fresh = QStringList((printedFiles() - before).values());
        const bool idle = pdf::run(QStringLiteral("lpstat"), {QStringLiteral("-o")}).trimmed().isEmpty();
        if (!fresh.isEmpty() && idle)
            break;
    } while (clock.elapsed() < timeoutMs);
    return fresh;
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
