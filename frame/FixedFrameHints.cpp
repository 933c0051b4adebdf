#include "frame/FixedFrameHints.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

// The Motif window manager hints, as window managers still read them.
const char kHintsAtom[] = "_MOTIF_WM_HINTS";
constexpr std::uint32_t kHintsFunctions = 1u << 0;
constexpr std::uint32_t kHintsDecorations = 1u << 1;
constexpr std::uint32_t kFunctionMove = 1u << 2;
constexpr std::uint32_t kFunctionMinimise = 1u << 3;
constexpr std::uint32_t kFunctionClose = 1u << 5;
constexpr std::uint32_t kDecorationBorder = 1u << 1;
constexpr std::uint32_t kDecorationTitle = 1u << 3;
constexpr std::uint32_t kDecorationMenu = 1u << 4;
constexpr std::uint32_t kDecorationMinimise = 1u << 5;

struct MotifHints {
    std::uint32_t flags;
    std::uint32_t functions;
    std::uint32_t decorations;
    std::int32_t inputMode;
    std::uint32_t status;
};

} // namespace

void askForFixedFrame(QWidget& window)
{
    // The offscreen platform answers as an X11 application too, with no
    // connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof kHintsAtom - 1, kHintsAtom), nullptr),
        &std::free);
    if (!atom)
        return;
    const MotifHints hints{kHintsFunctions | kHintsDecorations, kFunctionMove | kFunctionMinimise | kFunctionClose,
                           kDecorationBorder | kDecorationTitle | kDecorationMenu | kDecorationMinimise, 0, 0};
    // Through Qt's own connection, so that it reaches the server before
    // Qt maps the window.
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window.winId()), atom->atom, atom->atom, 32,
                        sizeof hints / sizeof(std::uint32_t), &hints);
    xcb_flush(connection);
}
