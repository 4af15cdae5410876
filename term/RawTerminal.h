// The human face's terminal under ncurses: single keys in, the screen drawn in place.
#pragma once

#include <cstdio>

struct screen;  // ncurses' SCREEN

namespace pennantry {

class Canvas;

// What ReadKey returns besides a character (Enter comes as '\n').
inline constexpr int KeyEscape = 27;
inline constexpr int KeyEnd = -1;     // end of input, Ctrl-D, or a close request
inline constexpr int KeyOther = -2;   // a special key (arrows, function keys) that is no key of ours
inline constexpr int KeyRedraw = -3;  // the terminal was resized: the screen needs drawing again

// While it lives, the terminal on inFd and out is ncurses': keys come unechoed and at once, special
// keys are told apart through terminfo, and the screen is the terminal's alternate screen where it
// has one. ncurses puts the terminal back when this is destroyed, and on Ctrl-C (which ends the
// program) and Ctrl-Z (until the program continues). One at a time.
class RawTerminal {
public:
    // colour: styles and colours are wanted; colours are shown only where the terminal has them.
    RawTerminal(int inFd, std::FILE* out, bool colour);
    ~RawTerminal();
    RawTerminal(const RawTerminal&) = delete;
    RawTerminal& operator=(const RawTerminal&) = delete;

    // False when ncurses cannot drive the terminal (TERM unknown, or one without cursor motion).
    bool Active() const { return screen_ != nullptr; }
    int ReadKey();
    void Size(int& rows, int& columns) const;
    // Shows the canvas, every cell of it, on the terminal's screen; ncurses sends only what changed.
    void Show(const Canvas& canvas);

private:
    int inFd_;
    std::FILE* in_ = nullptr;
    ::screen* screen_ = nullptr;
    bool styled_ = false;
    bool coloured_ = false;
};

}  // namespace pennantry
