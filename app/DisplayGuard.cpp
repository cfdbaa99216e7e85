#include "DisplayGuard.h"

#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

const char kNoDisplay[] = "lumenta: 画面（X11 または Wayland のディスプレイ）に接続できません。"
                          " / lumenta: cannot open a display (no usable X11 or Wayland display).\n";

QtMessageHandler previousHandler = nullptr;
QStringList heldBack;

void holdOrExit(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fputs(kNoDisplay, stderr);
        std::_Exit(1);
    }
    heldBack << qFormatLogMessage(type, context, message);
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
