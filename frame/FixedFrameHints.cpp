#include "frame/FixedFrameHints.h"

#include "frame/QtX11.h"

#include <QWidget>

#include <xcb/xcb.h>

#include <cstdint>
#include <optional>

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
    xcb_connection_t* connection = qtX11Connection();
    if (!connection)
        return;
    const std::optional<xcb_atom_t> atom = internedAtom(connection, kHintsAtom);
    if (!atom)
        return;
    const MotifHints hints{kHintsFunctions | kHintsDecorations, kFunctionMove | kFunctionMinimise | kFunctionClose,
                           kDecorationBorder | kDecorationTitle | kDecorationMenu | kDecorationMinimise, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window.winId()), *atom, *atom, 32,
                        sizeof hints / sizeof(std::uint32_t), &hints);
    xcb_flush(connection);
}
