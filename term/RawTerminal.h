// Single-key input on a terminal, with the terminal put back on every way out.
#pragma once

namespace pennantry {

// What ReadKey returns besides a character (Enter comes as '\n').
inline constexpr int KeyEscape = 27;
inline constexpr int KeyEnd = -1;     // end of input, or Ctrl-D
inline constexpr int KeyOther = -2;   // an escape sequence (arrows, function keys): no key of ours
inline constexpr int KeyRedraw = -3;  // the screen needs drawing again (resized, or back from a stop)

// While it lives, the terminal on inFd delivers keys unechoed and at once; with fullScreen it also
// shows the alternate screen with the cursor hidden on outFd. The terminal is restored when it is
// destroyed and, through signal handlers, when SIGINT or SIGQUIT end the program;
// a stop (Ctrl-Z) restores it until the program continues. One at a time.
class RawTerminal {
public:
    RawTerminal(int inFd, int outFd, bool fullScreen);
    ~RawTerminal();
    RawTerminal(const RawTerminal&) = delete;
    RawTerminal& operator=(const RawTerminal&) = delete;

    // False when the terminal could not be switched; keys are then read all the same.
    bool Active() const;
    int ReadKey();

private:
    int inFd_;
};

}  // namespace pennantry
