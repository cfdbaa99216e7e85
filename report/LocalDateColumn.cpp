#include "LocalDateColumn.h"

#include <QFileSystemModel>
#include <QLocale>

namespace lumenta::report {

namespace {
constexpr int kDateColumn = 3;
}

QVariant LocalDateColumn::data(const QModelIndex& index, int role) const
{
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!files || index.column() != kDateColumn || role != Qt::DisplayRole)
        return QIdentityProxyModel::data(index, role);
    return QLocale().toString(files->lastModified(mapToSource(index)), QLocale::ShortFormat);
}

} // namespace lumenta::report
