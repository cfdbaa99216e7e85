#pragma once

#include <QByteArray>
#include <QString>

namespace lumenta::report {

// Writes a file whole or not at all: the bytes go to a temporary file in
// the same folder, every write, the flush to disk and the close are
// checked, and only then is it renamed to the chosen name. On failure the
// temporary file is removed and the file of that name is left as it was.
// Returns an empty string on success, otherwise why not, in Japanese.
QString writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace lumenta::report
