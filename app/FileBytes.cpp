#include "FileBytes.h"

#include <QStringDecoder>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString openProblem(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("ファイルが見つかりません。移動したか、削除された可能性があります。");
    case EACCES:
    case EPERM:
        return QStringLiteral("ファイルを読む権限がありません。");
    case ENXIO:
        return QStringLiteral("通常のファイルではありません（パイプ、装置など）。");
    default:
        return QStringLiteral("ファイルを読めませんでした（エラー番号 %1）。").arg(error);
    }
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

bool validFileName(const QByteArray& path)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(path);
    return !utf8.hasError() && !path.contains('\0') && !decoded.isEmpty();
}

QString invalidNameProblem()
{
    return QStringLiteral("ファイル名に文字として読めない部分（UTF-8 ではない名前）があるため、開けません。"
                          "ファイル名を変えてから開いてください。");
}

FileBytes readFileBytes(const QByteArray& path, std::size_t limit)
{
    FileBytes file;
    if (!validFileName(path)) {
        file.problem = invalidNameProblem();
        return file;
    }
    const Descriptor fd(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        file.problem = openProblem(errno);
        return file;
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) {
        file.problem = openProblem(errno);
        return file;
    }
    if (S_ISDIR(status.st_mode)) {
        file.problem = QStringLiteral("フォルダは開けません。見積りのPDFファイルを選んでください。");
        return file;
    }
    if (!S_ISREG(status.st_mode)) {
        file.problem = openProblem(ENXIO);
        return file;
    }
    const std::size_t wanted = limit + 1;
    file.bytes.resize(wanted);
    std::size_t got = 0;
    while (got < wanted) {
        const ssize_t n = ::read(fd.get(), file.bytes.data() + got, wanted - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            file.problem = openProblem(errno);
            file.bytes.clear();
            return file;
        }
        if (n == 0)
            break;
        got += std::size_t(n);
    }
    file.bytes.resize(got);
    return file;
}
