#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
QString reasonFor(int error)
{
    for (const Reason& r : kReasons)
        if (r.error == error)
            return QString::fromUtf8(r.text);
    return QStringLiteral("ファイルを書き込めませんでした。（詳細: %1）").arg(QString::fromLocal8Bit(std::strerror(error)));
}

bool writeAll(int fd, const QByteArray& bytes)
{
    for (qsizetype at = 0; at < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + at, size_t(bytes.size() - at));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        at += n;
    }
    return true;
}

// Files are made as the user's other programs make them: 0666 less the umask.
void giveUsualMode(int fd)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
}

} // namespace

QString writeWholeFile(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(path);
    QByteArray temporary =
        QFile::encodeName(target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return reasonFor(errno);
    giveUsualMode(fd);
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = written ? 0 : errno;
    if (::close(fd) != 0 && written)
        error = errno;
    if (error == 0 && ::rename(temporary.constData(), QFile::encodeName(target.absoluteFilePath()).constData()) == 0)
        return {};
    if (error == 0)
        error = errno;
    ::unlink(temporary.constData());
    return reasonFor(error == 0 ? EIO : error);
}

} // namespace lumenta::report
