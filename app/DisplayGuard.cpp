#include "DisplayGuard.h"

#include <QByteArrayList>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

const char kNoDisplay[] = "lumenta: 画面（X11 または Wayland のディスプレイ）に接続できません。"
                          " / lumenta: cannot open a display (no usable X11 or Wayland display).\n";
const char kNoPlatform[] = "lumenta: 画面を表示する仕組み（Qt のプラットフォームプラグイン）を開始できません。"
                           " / lumenta: cannot start Qt's platform plug-in for the screen.\n";

QtMessageHandler previousHandler = nullptr;
QStringList heldBack;

// The platforms asked for, as Qt reads them: QT_QPA_PLATFORM may list
// several, each with options after a colon ("wayland;xcb",
// "offscreen:configfile=..."). Without it Qt starts X11's or, on a Wayland
// desktop, Wayland's.
QByteArrayList platformsAsked()
{
    QByteArrayList names;
    for (const QByteArray& entry : qgetenv("QT_QPA_PLATFORM").split(';'))
        if (!entry.isEmpty())
            names << entry.left(entry.indexOf(':'));
    return names.isEmpty() ? QByteArrayList{"xcb", "wayland"} : names;
}

// No platform asked for has the display it connects to named in the environment.
bool noDisplaySet()
{
    for (const QByteArray& name : platformsAsked()) {
        const char* variable = name == "xcb" ? "DISPLAY" : name.startsWith("wayland") ? "WAYLAND_DISPLAY" : nullptr;
        if (!variable || !qEnvironmentVariableIsEmpty(variable))
            return false;
    }
    return true;
}

// Qt's words when a display was named but did not answer.
bool connectionFailed()
{
    for (const QString& line : std::as_const(heldBack))
        if (line.contains(QLatin1String("could not connect to display"), Qt::CaseInsensitive) ||
            line.contains(QLatin1String("Failed to create wl_display"), Qt::CaseInsensitive))
            return true;
    return false;
}

void holdOrExit(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    heldBack << qFormatLogMessage(type, context, message);
    if (type != QtFatalMsg)
        return;
    // A one-line summary in both languages, then Qt's own reason.
    std::fputs(noDisplaySet() || connectionFailed() ? kNoDisplay : kNoPlatform, stderr);
    for (const QString& line : std::as_const(heldBack))
        std::fprintf(stderr, "%s\n", qPrintable(line));
    std::_Exit(1);
}

} // namespace

DisplayGuard::DisplayGuard() { previousHandler = qInstallMessageHandler(holdOrExit); }

DisplayGuard::~DisplayGuard()
{
    qInstallMessageHandler(previousHandler);
    for (const QString& line : std::as_const(heldBack))
        std::fprintf(stderr, "%s\n", qPrintable(line));
    heldBack.clear();
}
