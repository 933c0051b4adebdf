#include "frame/FrameCentring.h"

#include "frame/QtX11.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

// Left, right, top and bottom, as the window manager declares them.
const char kExtentsAtom[] = "_NET_FRAME_EXTENTS";
constexpr std::uint32_t kExtentsWords = 4;

QPoint centredCorner(QSize size)
{
    return QGuiApplication::primaryScreen()->geometry().center() - QRect(QPoint(), size).center();
}

} // namespace

void FrameCentring::centre(QWidget& window, QSize clientSize)
{
    window.move(centredCorner(clientSize));
    xcb_connection_t* connection = qtX11Connection();
    if (!connection)
        return;
    if (const std::optional<xcb_atom_t> atom = internedAtom(connection, kExtentsAtom))
        new FrameCentring(window, *atom);
}

FrameCentring::FrameCentring(QWidget& window, std::uint32_t extentsAtom)
    : QObject(&window), window_(window), extentsAtom_(extentsAtom)
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

FrameCentring::~FrameCentring()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool FrameCentring::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
    if (change->atom == extentsAtom_ && change->window == xcb_window_t(window_.winId())
        && change->state == XCB_PROPERTY_NEW_VALUE)
        centreFrame();
    return false;
}

// The extents are read from the server, not from Qt, which may not yet
// count a frame drawn around a window it has not seen mapped.
void FrameCentring::centreFrame()
{
    xcb_connection_t* connection = qtX11Connection();
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, xcb_window_t(window_.winId()), extentsAtom_,
                                                XCB_ATOM_CARDINAL, 0, kExtentsWords),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != kExtentsWords * 4)
        return;
    const auto* extents = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    const QMargins frame{int(extents[0]), int(extents[2]), int(extents[1]), int(extents[3])};
    if (frame.isNull())
        return;
    // By the client area's place: Qt and the window manager agree on what
    // that means whatever the window's gravity.
    const QRect client(QPoint(), window_.size());
    window_.windowHandle()->setPosition(centredCorner(client.marginsAdded(frame).size())
                                        + QPoint(frame.left(), frame.top()));
    QMetaObject::invokeMethod(this, [this] { delete this; }, Qt::QueuedConnection);
}
