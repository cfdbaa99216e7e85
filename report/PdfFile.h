#pragma once

#include <QByteArray>
#include <QString>

namespace lumenta::report {

// Saves a PDF document as a file, whole or not at all (QSaveFile): an
// existing file keeps its permissions, a symbolic link's target receives
// the document, and a read-only file is not replaced. Returns an empty
// string on success, otherwise why not, in Japanese.
QString savePdfFile(const QString& path, const QByteArray& pdf);

} // namespace lumenta::report
