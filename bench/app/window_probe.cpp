// Times a program from its start to the moment the X server maps its
// top-level window with the given title, the same way for any program, so
// that another game can be measured beside this one. Prints milliseconds
// and ends the program.
//
//     window_probe TITLE PROGRAM [ARGUMENTS...]
//
// The title "*" takes the first top-level window mapped, titled or not
// (menus and tooltips do not count).
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kGiveUpMs = 20000;

std::string windowTitle(xcb_connection_t* connection, xcb_window_t window)
{
    const xcb_get_property_cookie_t cookie
        = xcb_get_property(connection, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply)
        return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                       std::size_t(xcb_get_property_value_length(reply.get())));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: window_probe TITLE PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const std::string wanted = argv[1];
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "window_probe: no X server\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &events);
    xcb_flush(connection);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror("window_probe");
        _exit(127);
    }

    int status = 1;
    pollfd server{xcb_get_file_descriptor(connection), POLLIN, 0};
    for (;;) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection);
        if (!event) {
            if (poll(&server, 1, kGiveUpMs) <= 0 || xcb_connection_has_error(connection))
                break;
            continue;
        }
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
        const bool topLevel = (event->response_type & 0x7F) == XCB_MAP_NOTIFY && !map->override_redirect;
        const xcb_window_t window = topLevel ? map->window : 0;
        std::free(event);
        if (!topLevel)
            continue;
        const std::string title = windowTitle(connection, window);
        if (wanted == "*" || title == wanted) {
            const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
            std::printf("%.1f ms  %s\n", elapsed.count(), title.c_str());
            status = 0;
            break;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    if (status != 0)
        std::fprintf(stderr, "window_probe: no window \"%s\" within %d ms\n", wanted.c_str(), kGiveUpMs);
    return status;
}
