#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <string>

// The bytes of a file chosen for opening, read so that nothing can make the
// read wait: the file is opened without blocking (a FIFO gives nothing, it
// never waits for a writer), only a regular file is read, and no more than
// limit + 1 bytes of it, so that a larger file is seen as too large.
struct FileBytes {
    std::string bytes;
    QString problem; // why it was not read, in Japanese; empty when it was
};

// path: the file's name as the system spells it (bytes, not necessarily UTF-8).
FileBytes readFileBytes(const QByteArray& path, std::size_t limit);

// Whether a file name can be shown and chosen again exactly: valid UTF-8.
bool validFileName(const QByteArray& path);
// Why a file of a name that is not valid UTF-8 is not opened.
QString invalidNameProblem();
