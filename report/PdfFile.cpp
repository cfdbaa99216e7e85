#include "PdfFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <QDir>
#include <QStorageInfo>

#include <climits>

namespace lumenta::report {

namespace {

// Why a file could not be written there, found by looking at the place
// itself after the failure, not at an error number some later call may
// have replaced: the first reason that holds, in this order.
struct Reason {
    bool (*holds)(const QFileInfo& file, qint64 size);
    const char* text;
};
const Reason kReasons[] = {
    {[](const QFileInfo& f, qint64) { return !f.dir().exists(); }, "保存先のフォルダがありません。"},
    {[](const QFileInfo& f, qint64) { return f.isDir(); }, "同じ名前のフォルダがあります。"},
    {[](const QFileInfo& f, qint64) { return f.fileName().toLocal8Bit().size() > NAME_MAX; }, "ファイル名が長すぎます。"},
    {[](const QFileInfo& f, qint64) { return QStorageInfo(f.dir()).isReadOnly(); },
     "保存先は読み取り専用で、書き込めません。"},
    {[](const QFileInfo& f, qint64) { return !QFileInfo(f.dir().path()).isWritable(); },
     "保存先のフォルダに書き込む権限がありません。"},
    {[](const QFileInfo& f, qint64 size) { return QStorageInfo(f.dir()).bytesAvailable() < size; },
     "保存先のディスクに空きがありません。"},
};

// The reason in Japanese; the system's own words follow only where no
// reason of ours fits.
QString reasonFor(const QString& path, qint64 size, const QString& words)
{
    const QFileInfo file(path);
    for (const Reason& r : kReasons)
        if (r.holds(file, size))
            return QString::fromUtf8(r.text);
    return QStringLiteral("ファイルを書き込めませんでした。（詳細: %1）").arg(words);
}

// Nobody may write it: not even its owner, whom QSaveFile would let replace it.
bool readOnly(const QFileInfo& file)
{
    constexpr auto kWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return file.exists() && !file.isDir() && (!file.isWritable() || !(file.permissions() & kWrite));
}

} // namespace

QString savePdfFile(const QString& path, const QByteArray& pdf)
{
    if (readOnly(QFileInfo(path)))
        return QStringLiteral("このファイルは読み取り専用のため、上書きできません。");
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size() && file.commit())
        return {};
    return reasonFor(path, pdf.size(), file.errorString());
}

} // namespace lumenta::report
