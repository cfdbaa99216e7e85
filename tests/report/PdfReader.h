#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

// What poppler's tools read out of a PDF file; positions in millimetres
// from the paper's top-left corner.
namespace pdf {

struct Word {
    QString text;
    double xMin;
    double yMin;
    double xMax;
    double yMax;
};

// Output of a command, or a null string when it could not run or failed.
QString run(const QString& program, const QStringList& arguments);
bool toolsInstalled();

QList<Word> words(const QString& file);          // pdftotext -bbox, first page
QStringList fonts(const QString& file);          // names of the embedded fonts
int pages(const QString& file);                  // pdfinfo
QSizeF pageSizeMm(const QString& file);
// A grey image of one area of the first page at the given resolution.
QImage raster(const QString& file, int dpi, const QRectF& areaMm);

} // namespace pdf
