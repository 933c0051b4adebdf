#include "app/SessionBus.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtGlobal>

namespace {

// An address libdbus rejects at once, without looking further.
constexpr char kNoBus[] = "disabled:";

} // namespace

SessionBusReach sessionBusReach()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return SessionBusReach::AtHand;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo::exists(QDir(runtime).filePath(QStringLiteral("bus"))))
        return SessionBusReach::AtHand;
    return QStandardPaths::findExecutable(QStringLiteral("dbus-launch")).isEmpty() ? SessionBusReach::OutOfReach
                                                                                     : SessionBusReach::Launchable;
}

void skipFutileSessionBusSearch()
{
    if (qgetenv("QT_QPA_PLATFORM") == "xcb" && sessionBusReach() == SessionBusReach::OutOfReach)
        qputenv("DBUS_SESSION_BUS_ADDRESS", kNoBus);
}
