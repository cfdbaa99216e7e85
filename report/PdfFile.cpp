#include "PdfFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace lumenta::report {

namespace {

struct Reason {
    int error;
    const char* text;
};
const Reason kReasons[] = {
    {ENOSPC, "保存先のディスクに空きがありません。"},
    {EDQUOT, "保存先のディスクの使用量の上限を超えます。"},
    {EROFS, "保存先は読み取り専用で、書き込めません。"},
    {EACCES, "保存先のフォルダに書き込む権限がありません。"},
    {EPERM, "保存先のフォルダに書き込む権限がありません。"},
    {ENOENT, "保存先のフォルダがありません。"},
    {ENOTDIR, "保存先のフォルダがありません。"},
    {EISDIR, "同じ名前のフォルダがあります。"},
    {ENAMETOOLONG, "ファイル名が長すぎます。"},
    {EIO, "保存先のディスクで読み書きの障害が起きました。"},
};

// The reason in Japanese; the system's own words follow only where no
// reason of ours fits.
QString reasonFor(int error, const QString& words)
{
    for (const Reason& r : kReasons)
        if (r.error == error)
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
    errno = 0;
    if (file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size() && file.commit())
        return {};
    const int error = errno == 0 ? EIO : errno;
    return reasonFor(error, file.errorString());
}

} // namespace lumenta::report
