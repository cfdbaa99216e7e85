#pragma once

#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

namespace lumenta::report {

// The file dialog keeps its history and last folder in the user's settings
// when it closes; the program stores nothing, so while one is open the
// user's settings point at a folder that goes away with it.
class SettingsElsewhere {
public:
    SettingsElsewhere() { point(dir_.path()); }
    ~SettingsElsewhere() { point(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)); }
    SettingsElsewhere(const SettingsElsewhere&) = delete;
    SettingsElsewhere& operator=(const SettingsElsewhere&) = delete;

private:
    static void point(const QString& folder)
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    }
    QTemporaryDir dir_;
};

} // namespace lumenta::report
