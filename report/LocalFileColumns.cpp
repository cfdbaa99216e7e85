#include "LocalFileColumns.h"

#include <QCoreApplication>
#include <QFileSystemModel>
#include <QLocale>

namespace lumenta::report {

namespace {

enum Column { kSizeColumn = 1, kDateColumn = 3 };

QString sizeText(qint64 bytes)
{
    if (bytes < 1024)
        return QCoreApplication::translate("QFileSystemModel", "%1 bytes").arg(bytes);
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

} // namespace

QVariant LocalFileColumns::data(const QModelIndex& index, int role) const
{
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!files || role != Qt::DisplayRole)
        return QIdentityProxyModel::data(index, role);
    const QModelIndex file = mapToSource(index);
    if (index.column() == kDateColumn)
        return QLocale().toString(files->lastModified(file), QLocale::ShortFormat);
    if (index.column() == kSizeColumn && !files->isDir(file))
        return sizeText(files->size(file));
    return QIdentityProxyModel::data(index, role);
}

} // namespace lumenta::report
