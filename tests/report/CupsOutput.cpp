#include "CupsOutput.h"

#include "PdfReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <algorithm>

#include <cups/cups.h>

namespace cups_output {

namespace {

// The service's folder: where its socket is.
QString serviceFolder() { return QFileInfo(qEnvironmentVariable("CUPS_SERVER")).absolutePath(); }

// Ids of the queue's jobs that lpstat lists with -W which ("all", "completed", "not-completed").
QList<int> jobs(const QString& queue, const QString& which)
{
    const QString list = pdf::run(QStringLiteral("lpstat"), {QStringLiteral("-W"), which, QStringLiteral("-o"), queue});
    QList<int> ids;
    // Each line begins with "<queue>-<id>".
    for (const QString& line : list.split(u'\n', Qt::SkipEmptyParts))
        ids << line.section(u' ', 0, 0).section(u'-', -1).toInt();
    return ids;
}

} // namespace

void pointServiceAt(const char* address) { cupsSetServer(address); }

QString unavailable()
{
    if (qEnvironmentVariable("CUPS_SERVER").isEmpty())
        return QStringLiteral("CUPS_SERVER names no print service: run the test through ctest");
    QFile why(QDir(serviceFolder()).filePath(QStringLiteral("unavailable")));
    if (why.open(QIODevice::ReadOnly))
        return QString::fromUtf8(why.readAll()).trimmed();
    if (!pdf::toolsInstalled())
        return QStringLiteral("poppler-utils is not installed");
    return {};
}

int newestJob(const QString& queue)
{
    const QList<int> ids = jobs(queue, QStringLiteral("all"));
    return ids.isEmpty() ? 0 : *std::max_element(ids.begin(), ids.end());
}

QList<int> jobsAfter(const QString& queue, int job)
{
    QList<int> later;
    for (int id : jobs(queue, QStringLiteral("all")))
        if (id > job)
            later << id;
    return later;
}

QList<int> jobsWaiting(const QString& queue) { return jobs(queue, QStringLiteral("not-completed")); }

bool waitUntilCompleted(const QString& queue, int job, int timeoutMs)
{
    return QTest::qWaitFor([&] { return jobs(queue, QStringLiteral("completed")).contains(job); }, timeoutMs);
}

int copiesOf(int job)
{
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr,
                 ("ipp://localhost/jobs/" + QByteArray::number(job)).constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ipp_t* answer = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    ipp_attribute_t* copies = ippFindAttribute(answer, "copies", IPP_TAG_INTEGER);
    const int count = copies ? ippGetInteger(copies, 0) : 0;
    ippDelete(answer);
    return count;
}

QString keptDocument(int job)
{
    const QString file =
        QDir(serviceFolder()).filePath(QStringLiteral("spool/d%1-001").arg(job, 5, 10, QLatin1Char('0')));
    return QFileInfo(file).isReadable() ? file : QString();
}

} // namespace cups_output
