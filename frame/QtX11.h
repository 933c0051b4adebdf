#pragma once

#include <xcb/xcb.h>

#include <optional>
#include <string_view>

// Qt's own connection to the X server, so that what the program writes
// there reaches the server in order with Qt's requests (before Qt maps a
// window, for instance); none on other window systems, the offscreen
// platform included, which answers as an X11 application with no
// connection.
xcb_connection_t* qtX11Connection();

// The X server's atom of that name, made if new; none if the server did not answer.
std::optional<xcb_atom_t> internedAtom(xcb_connection_t* connection, std::string_view name);
