// Starts a program and reports how long it took to map a window with a given title, and its peak
// memory until then. The watcher sleeps on the X connection, so it takes no CPU from the program.
//
//   first_window TITLE TIMEOUT_MS PROGRAM [ARGS...]
//   prints: MILLISECONDS KIBIBYTES CPU_MILLISECONDS   (exit 0), or a reason on stderr (exit 1)
// The CPU time (user and system) is the program's own up to its end, just after the window showed;
// on a busy machine it varies far less than the time on the wall.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

xcb_atom_t Atom(xcb_connection_t* x, const char* name)
{
    auto* reply = xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

std::string Title(xcb_connection_t* x, xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
{
    auto* reply = xcb_get_property_reply(x, xcb_get_property(x, 0, window, property, type, 0, 1024), nullptr);
    std::string title;
    if (reply) {
        title.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                     xcb_get_property_value_length(reply));
        std::free(reply);
    }
    return title;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: first_window TITLE TIMEOUT_MS PROGRAM [ARGS...]\n");
        return 1;
    }
    const std::string wanted = argv[1];
    const int timeoutMs = std::atoi(argv[2]);

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "first_window: cannot reach the X server\n");
        return 1;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t netName = Atom(x, "_NET_WM_NAME");
    const xcb_atom_t utf8 = Atom(x, "UTF8_STRING");
    xcb_flush(x);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    if (child < 0) {
        std::perror("first_window: fork");
        return 1;
    }

    long shownMs = -1;
    while (shownMs < 0) {
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start).count();
        if (elapsed > timeoutMs || waitpid(child, nullptr, WNOHANG) != 0)
            break;
        pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
        poll(&fd, 1, 50);
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && shownMs < 0) {
                const auto now = std::chrono::steady_clock::now();
                const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
                if (Title(x, window, netName, utf8) == wanted
                    || Title(x, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING) == wanted)
                    shownMs = std::chrono::duration_cast<std::chrono::milliseconds>(now - start).count();
            }
            std::free(event);
        }
        if (xcb_connection_has_error(x))
            break;
    }

    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    xcb_disconnect(x);
    if (shownMs < 0) {
        std::fprintf(stderr, "first_window: no window titled \"%s\" from %s\n", wanted.c_str(), argv[3]);
        return 1;
    }
    const long cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000
                     + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
    std::printf("%ld %ld %ld\n", shownMs, usage.ru_maxrss, cpuMs);
    return 0;
}
