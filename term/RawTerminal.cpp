// termios raw mode, key decoding and the signal handlers that undo it.
#include "RawTerminal.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <poll.h>
#include <termios.h>
#include <utility>
#include <unistd.h>

#include "CloseRequest.h"

namespace pennantry {
namespace {

// Shared with the signal handlers, so plain globals; only async-signal-safe calls touch them there.
struct termios g_saved;
struct termios g_raw;
int g_inFd = -1;
int g_outFd = -1;
volatile sig_atomic_t g_active = 0;
volatile sig_atomic_t g_fullScreen = 0;
volatile sig_atomic_t g_redraw = 0;

constexpr char EnterScreen[] = "\x1b[?1049h\x1b[?25l";
constexpr char LeaveScreen[] = "\x1b[0m\x1b[?25h\x1b[?1049l";

// SIGHUP and SIGTERM are close requests, which end the program through its own way out.
constexpr int EndingSignals[] = {SIGINT, SIGQUIT};
// Every signal we handle, and what it did before, put back when the terminal is.
constexpr int HandledSignals[] = {SIGINT, SIGQUIT, SIGTSTP, SIGWINCH};
constexpr std::size_t HandledCount = sizeof HandledSignals / sizeof HandledSignals[0];
struct sigaction g_previous[HandledCount];
bool g_installed[HandledCount];

std::size_t SignalIndex(int signal)
{
    std::size_t i = 0;
    while (i + 1 < HandledCount && HandledSignals[i] != signal)
        ++i;
    return i;
}

void WriteAll(int fd, const char* text, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, text, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        text += n;
        size -= static_cast<std::size_t>(n);
    }
}

void Restore()
{
    if (!g_active)
        return;
    if (g_fullScreen)
        WriteAll(g_outFd, LeaveScreen, sizeof LeaveScreen - 1);
    ::tcsetattr(g_inFd, TCSAFLUSH, &g_saved);
}

void Reapply()
{
    if (!g_active)
        return;
    ::tcsetattr(g_inFd, TCSAFLUSH, &g_raw);
    if (g_fullScreen)
        WriteAll(g_outFd, EnterScreen, sizeof EnterScreen - 1);
}

// The signal does again what it did before the terminal was ours (by default, end the program).
void OnEndingSignal(int signal)
{
    const int saved = errno;
    Restore();
    g_active = 0;
    ::sigaction(signal, &g_previous[SignalIndex(signal)], nullptr);
    std::raise(signal);
    errno = saved;
}

void Install(int signal, void (*handler)(int), bool restart)
{
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = restart ? SA_RESTART : 0;
    ::sigaction(signal, &action, nullptr);
}

// Takes the signal over, remembering what it did; one the parent set to be ignored (SIGHUP under
// nohup) stays ignored.
void TakeOver(int signal, void (*handler)(int), bool restart)
{
    const std::size_t i = SignalIndex(signal);
    g_installed[i] = ::sigaction(signal, nullptr, &g_previous[i]) == 0 && g_previous[i].sa_handler != SIG_IGN;
    if (g_installed[i])
        Install(signal, handler, restart);
}

void OnStop(int)
{
    const int saved = errno;
    Restore();
    std::signal(SIGTSTP, SIG_DFL);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTSTP);
    ::sigprocmask(SIG_UNBLOCK, &set, nullptr);
    std::raise(SIGTSTP);
    // Continued: raw again, and the screen is drawn anew at the next read.
    Install(SIGTSTP, OnStop, false);
    Reapply();
    g_redraw = 1;
    errno = saved;
}

void OnResize(int)
{
    g_redraw = 1;
}

// True when a byte arrives within the time.
bool Pending(int fd, int milliseconds)
{
    struct pollfd wait{fd, POLLIN, 0};
    for (;;) {
        const int n = ::poll(&wait, 1, milliseconds);
        if (n < 0 && errno == EINTR)
            continue;
        return n > 0;
    }
}

}  // namespace

RawTerminal::RawTerminal(int inFd, int outFd, bool fullScreen) : inFd_(inFd)
{
    if (g_active || ::tcgetattr(inFd, &g_saved) != 0)
        return;
    g_raw = g_saved;
    // Keys at once and unechoed; Ctrl-C and Ctrl-Z keep their signals, output keeps its newlines.
    g_raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    g_raw.c_iflag &= static_cast<tcflag_t>(~(IXON | ICRNL));
    g_raw.c_cc[VMIN] = 1;
    g_raw.c_cc[VTIME] = 0;
    g_inFd = inFd;
    g_outFd = outFd;
    g_fullScreen = fullScreen ? 1 : 0;
    for (int signal : EndingSignals)
        TakeOver(signal, OnEndingSignal, true);
    TakeOver(SIGTSTP, OnStop, false);
    TakeOver(SIGWINCH, OnResize, false);
    g_active = 1;
    if (::tcsetattr(inFd, TCSAFLUSH, &g_raw) != 0) {
        g_active = 0;
        return;
    }
    if (fullScreen)
        WriteAll(outFd, EnterScreen, sizeof EnterScreen - 1);
}

RawTerminal::~RawTerminal()
{
    Restore();
    g_active = 0;
    for (std::size_t i = 0; i < HandledCount; ++i)
        if (std::exchange(g_installed[i], false))
            ::sigaction(HandledSignals[i], &g_previous[i], nullptr);
}

bool RawTerminal::Active() const { return g_active != 0; }

int RawTerminal::ReadKey()
{
    for (;;) {
        if (g_redraw) {
            g_redraw = 0;
            return KeyRedraw;
        }
        const Wait wait = WaitForInput(inFd_);
        if (wait == Wait::Closing)
            return KeyEnd;
        if (wait == Wait::Interrupted)
            continue;
        unsigned char c = 0;
        const ssize_t n = ::read(inFd_, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0 || c == 4)  // Ctrl-D ends the input, as it does at a line prompt
            return KeyEnd;
        if (c == '\r' || c == '\n')
            return '\n';
        if (c != KeyEscape)
            return c;
        // A lone ESC is the Escape key; one followed at once by more bytes starts a sequence.
        if (!Pending(inFd_, 60))
            return KeyEscape;
        while (Pending(inFd_, 10)) {
            if (::read(inFd_, &c, 1) <= 0)
                break;
            // A CSI or SS3 sequence ends with a byte from '@' to '~' after its introducer.
            if (c >= '@' && c <= '~' && c != '[' && c != 'O')
                break;
        }
        return KeyOther;
    }
}

}  // namespace pennantry
