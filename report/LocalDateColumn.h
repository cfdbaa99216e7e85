#pragma once

#include <QIdentityProxyModel>

namespace lumenta::report {

// The file dialog's "更新日" column in the program's own (Japanese) date
// format: Qt's file list writes it in the platform's locale, which on an
// English or C desktop shows English month names.
class LocalDateColumn : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override;
};

} // namespace lumenta::report
