// The close request: a signal writes a byte to a pipe of its own, which every wait for input
// watches beside the input, so no request is lost between a check and a read.
#include "CloseRequest.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <initializer_list>
#include <poll.h>
#include <unistd.h>

namespace pennantry {
namespace {

int g_request[2] = {-1, -1};

void OnCloseSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_request[1], &byte, 1);
    errno = saved;
}

}  // namespace

void WatchCloseSignals()
{
    if (g_request[0] >= 0 || ::pipe2(g_request, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    for (const int signal : {SIGHUP, SIGTERM}) {
        struct sigaction action;
        std::memset(&action, 0, sizeof action);
        if (::sigaction(signal, nullptr, &action) != 0 || action.sa_handler == SIG_IGN)
            continue;
        action.sa_handler = OnCloseSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0;
        ::sigaction(signal, &action, nullptr);
    }
}

Wait WaitForInput(int fd)
{
    struct pollfd waits[2] = {{fd, POLLIN, 0}, {g_request[0], POLLIN, 0}};
    const nfds_t watched = g_request[0] >= 0 ? 2 : 1;
    if (::poll(waits, watched, -1) < 0) {
        // A failed wait leaves it to the read to fail; an interrupted one is a close request only
        // when its byte has come.
        if (errno != EINTR)
            return Wait::Ready;
        waits[1].revents = 0;
        if (watched < 2 || ::poll(waits + 1, 1, 0) <= 0)
            return Wait::Interrupted;
    }
    // The request stays in its pipe, so every later wait sees it too.
    return (waits[1].revents & POLLIN) ? Wait::Closing : Wait::Ready;
}

}  // namespace pennantry
