#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

JapaneseQtTexts::JapaneseQtTexts()
{
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    if (load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(this);
}

QString JapaneseQtTexts::translate(const char* context, const char* sourceText, const char* disambiguation,
                                   int n) const
{
    const QString text = QTranslator::translate(context, sourceText, disambiguation, n);
    if (text.isEmpty() && qstrcmp(context, "QAbstractFileIconProvider") == 0)
        return QTranslator::translate("QFileDialog", sourceText, disambiguation, n);
    return text;
}
