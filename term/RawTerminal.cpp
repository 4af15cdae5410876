// ncurses set up for single keys, reading them beside the close request, and drawing the canvas.
#include "RawTerminal.h"

#include <cstdlib>
#include <curses.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

#include "CloseRequest.h"
#include "HumanKeys.h"
#include "TextCanvas.h"

namespace pennantry {
namespace {

// Each colour of ours is drawn in the pair of its own number (pair 0, black's, is the default).
chtype Attributes(Style style, bool coloured)
{
    const auto colour = [coloured](short c) { return coloured ? COLOR_PAIR(c) : A_NORMAL; };
    switch (style) {
    case Style::Plain: return A_NORMAL;
    case Style::Dim: return A_DIM;
    case Style::Strong: return A_BOLD;
    case Style::Lines: return colour(COLOR_GREEN);
    case Style::Runner: return A_BOLD | colour(COLOR_YELLOW);
    case Style::Ball: return A_BOLD | colour(COLOR_RED);
    case Style::Title: return A_REVERSE;
    case Style::Frame: return colour(COLOR_CYAN);
    }
    return A_NORMAL;
}

}  // namespace

RawTerminal::RawTerminal(int inFd, std::FILE* out, bool colour) : inFd_(inFd)
{
    // ncurses reads the descriptor itself; the stream it asks for is a copy of its own to close.
    in_ = ::fdopen(::dup(inFd), "r");
    if (!in_)
        return;
    screen_ = newterm(nullptr, out, in_);
    if (!screen_)
        return;
    // A terminal that cannot move its cursor (dumb, a printing one) has no screen to draw in place.
    if (!tigetstr("cup")) {
        endwin();
        delscreen(std::exchange(screen_, nullptr));
        return;
    }
    // Ctrl-C and Ctrl-Z keep their signals, which ncurses handles; Enter comes as CR.
    cbreak();
    noecho();
    nonl();
    // Nor does Ctrl-S stop the output: no flow control, as ncurses' raw mode would have it. Kept as
    // the mode the program runs in; ending restores the terminal's own.
    if (termios mode{}; ::tcgetattr(inFd, &mode) == 0) {
        mode.c_iflag &= ~static_cast<tcflag_t>(IXON);
        ::tcsetattr(inFd, TCSANOW, &mode);
        def_prog_mode();
    }
    keypad(stdscr, TRUE);
    // Reads never wait: ReadKey waits itself, so that a close request ends the wait.
    nodelay(stdscr, TRUE);
    curs_set(0);
    // A lone Escape is told from the start of a special key's sequence by this wait, unless the
    // player set ESCDELAY.
    if (!std::getenv("ESCDELAY"))
        set_escdelay(60);
    styled_ = colour;
    coloured_ = colour && has_colors() && start_color() == OK;
    if (coloured_) {
        const short background = use_default_colors() == OK ? -1 : COLOR_BLACK;
        for (const short c : {COLOR_GREEN, COLOR_YELLOW, COLOR_RED, COLOR_CYAN})
            init_pair(c, c, background);
    }
}

RawTerminal::~RawTerminal()
{
    if (screen_) {
        endwin();
        delscreen(screen_);
    }
    if (in_)
        std::fclose(in_);
}

int RawTerminal::ReadKey()
{
    for (bool ready = false;;) {
        const int key = wgetch(stdscr);
        switch (key) {
        case ERR: break;
        case KEY_RESIZE: return KeyRedraw;
        case KEY_F(1): return KeyHelp;
        case KEY_ENTER:
        case '\r':
        case '\n': return '\n';
        case 4: return KeyEnd;  // Ctrl-D ends the input, as it does at a line prompt
        default: return key >= KEY_MIN ? KeyOther : key;
        }
        // Input said to be ready that gives no key is its end (a hang-up, or an error).
        if (ready)
            return KeyEnd;
        const Wait wait = WaitForInput(inFd_);
        if (wait == Wait::Closing)
            return KeyEnd;
        ready = wait == Wait::Ready;
    }
}

void RawTerminal::Size(int& rows, int& columns) const
{
    getmaxyx(stdscr, rows, columns);
}

void RawTerminal::Show(const Canvas& canvas)
{
    for (int row = 0; row < Rows; ++row)
        for (int column = 0; column < Columns; ++column) {
            const Canvas::Cell cell = canvas.At(row, column);
            const chtype attributes = styled_ ? Attributes(cell.style, coloured_) : A_NORMAL;
            // Cells beyond a smaller terminal are refused, which leaves them out.
            mvwaddch(stdscr, row, column, static_cast<unsigned char>(cell.c) | attributes);
        }
    wrefresh(stdscr);
}

}  // namespace pennantry
