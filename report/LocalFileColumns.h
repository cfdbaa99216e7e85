#pragma once

#include <QIdentityProxyModel>

namespace lumenta::report {

// The file dialog's size and date columns in the program's own (Japanese)
// locale: Qt's file list writes them in the platform's locale, which on an
// English or C desktop shows "bytes" and English month names.
class LocalFileColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override;
};

} // namespace lumenta::report
