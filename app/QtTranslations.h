#pragma once

#include <QTranslator>

// Qt's own texts (message box buttons, the file dialog, ...) in Japanese,
// from the catalogue Debian installs with qt6-translations-l10n; installed
// for as long as it lives. Without the catalogue Qt keeps its English texts.
// Dates and numbers in Qt's dialogs follow the Japanese locale either way.
class JapaneseQtTexts : public QTranslator {
public:
    JapaneseQtTexts();

    // The catalogue keeps the file dialog's kinds ("フォルダ", "ファイル")
    // under the dialog's name, where this Qt asks for them under the icon
    // provider's.
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
};
