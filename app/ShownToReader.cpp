#include "ShownToReader.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>
#include <QWidget>

namespace {

// Qt's bridge to AT-SPI: its connection to the accessibility bus, and where
// it puts each accessible object.
const QString kBridgeConnection = QStringLiteral("a11y");
const QString kObjectPath = QStringLiteral("/org/a11y/atspi/accessible/");
const QString kObjectEvents = QStringLiteral("org.a11y.atspi.Event.Object");

void tellVisible(const QDBusConnection& bus, QWidget* widget)
{
    QAccessibleInterface* object = QAccessible::queryAccessibleInterface(widget);
    if (!object)
        return;
    QDBusMessage signal = QDBusMessage::createSignal(kObjectPath + QString::number(QAccessible::uniqueId(object)),
                                                     kObjectEvents, QStringLiteral("StateChanged"));
    signal.setArguments({QStringLiteral("visible"), 1, 0, QVariant::fromValue(QDBusVariant(0)), QVariantMap()});
    bus.send(signal);
}

} // namespace

void tellShownToReader(QWidget* screen)
{
    if (!QAccessible::isActive() || !screen->isVisible())
        return;
    const QDBusConnection bus(kBridgeConnection);
    if (!bus.isConnected())
        return;
    for (QWidget* w : screen->findChildren<QWidget*>())
        if (w->isVisible() && w->window() == screen->window())
            tellVisible(bus, w);
}
