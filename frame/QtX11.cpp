#include "frame/QtX11.h"

#include <QGuiApplication>

#include <cstdlib>
#include <memory>

xcb_connection_t* qtX11Connection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

std::optional<xcb_atom_t> internedAtom(xcb_connection_t* connection, std::string_view name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::uint16_t(name.size()), name.data()),
                              nullptr),
        &std::free);
    if (!reply)
        return std::nullopt;
    return reply->atom;
}
