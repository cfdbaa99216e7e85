#include "ProgramLook.h"

#include "ProgramStyle.h"
#include "UiFont.h"

#include <QApplication>
#include <QIcon>
#include <QPointer>
#include <QScopedValueRollback>
#include <QToolTip>

namespace program_look {

namespace {

// The window's font: the screen font, 15 pixels high.
constexpr int kWindowFontPixels = 15;

struct RoleColours {
    QPalette::ColorRole role;
    QRgb enabled;   // active and inactive windows alike
    QRgb disabled;
};

// Every role in every group, as the plain desktop has them: the button face
// RGB(239, 239, 239) behind the window and the item bodies, black text on
// white fields, the grey of disabled text.
const RoleColours kColours[] = {
    {QPalette::WindowText, 0xff000000, 0xffbebebe},
    {QPalette::Button, 0xffefefef, 0xffefefef},
    {QPalette::Light, 0xffffffff, 0xffffffff},
    {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
    {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
    {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
    {QPalette::Text, 0xff000000, 0xffbebebe},
    {QPalette::BrightText, 0xffffffff, 0xffffffff},
    {QPalette::ButtonText, 0xff000000, 0xffbebebe},
    {QPalette::Base, 0xffffffff, 0xffefefef},
    {QPalette::Window, 0xffefefef, 0xffefefef},
    {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
    {QPalette::Highlight, 0xff308cc6, 0xff919191},
    {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
    {QPalette::Link, 0xff0000ff, 0xff0000ff},
    {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
    {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},
    {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},
    {QPalette::ToolTipText, 0xff000000, 0xff000000},
    {QPalette::PlaceholderText, 0x80000000, 0x80000000},
};

// Whether the program is setting its own look: the changes it makes are not
// a desktop tool's.
bool applying = false;

// A desktop tool may set its own font or palette on the application after
// start-up (a colour-scheme tool does, once the event loop runs, and again
// whenever its settings change): the program's are set again.
class LookKeeper : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool changed = event->type() == QEvent::ApplicationFontChange ||
                             event->type() == QEvent::ApplicationPaletteChange;
        if (changed && watched == qApp && !applying &&
            (QApplication::font() != uiFont(kWindowFontPixels) || QApplication::palette() != palette()))
            apply();
        return false;
    }
};

} // namespace

QPalette palette()
{
    QPalette pal;
    for (const RoleColours& c : kColours) {
        pal.setColor(QPalette::Active, c.role, QColor::fromRgba(c.enabled));
        pal.setColor(QPalette::Inactive, c.role, QColor::fromRgba(c.enabled));
        pal.setColor(QPalette::Disabled, c.role, QColor::fromRgba(c.disabled));
    }
    return pal;
}

void apply()
{
    const QScopedValueRollback<bool> own(applying, true);
    // The style first: setting a style hands the application its palette.
    static QPointer<QStyle> style;
    if (!style || QApplication::style() != style) {
        style = new ProgramStyle;
        QApplication::setStyle(style);
    }
    static LookKeeper* keeper = nullptr;
    if (!keeper)
        qApp->installEventFilter(keeper = new LookKeeper(qApp));
    // Setting the application's palette also drops the palettes a platform
    // theme gives to classes of widgets (a colour-scheme tool gives every
    // one its scheme): every widget takes this one.
    const QPalette pal = palette();
    QApplication::setPalette(pal);
    QToolTip::setPalette(pal);
    // Dialogs and tool tips take the window's font rather than the desktop's,
    // so that a refusal stays on one line in the warning box at any desktop font size.
    QApplication::setFont(uiFont(kWindowFontPixels));
    // Qt's own dialogs, in the palette above, rather than the desktop's, with
    // the icons of the freedesktop base theme, as on a plain desktop.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QIcon::setThemeName(QStringLiteral("hicolor"));
}

} // namespace program_look
