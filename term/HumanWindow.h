// The human face: the field, the scoreboard and every box and dialog drawn as text, one key each.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "LineReader.h"
#include "RawTerminal.h"
#include "TermWindow.h"

namespace pennantry {

class Canvas;

struct HumanOptions {
    // Input and output are a terminal: keys one at a time and the screen drawn in place, through
    // ncurses. Otherwise, or where ncurses cannot drive the terminal, one key a line (a line of its
    // own) and each screen printed after the last.
    bool fullScreen = false;
    bool colour = false;
};

// Draws the whole 80 x 24 screen before it waits for each key, so what shows is always the
// state as last set, with the keys that work at that moment. `?` (or F1) shows the keys and the
// rules over any prompt.
class HumanWindow final : public TermWindow {
public:
    HumanWindow(std::string appName, std::FILE* out, int inFd, HumanOptions options);
    ~HumanWindow() override;

protected:
    void WriteIgnored(const TermInput& input) override;
    TermInput Read(Prompt prompt) override;

private:
    int NextKey();
    // The terminal's size when it is too small for the screen, which is then not drawn.
    bool TooSmall(int& rows, int& columns) const;
    void Draw(Prompt prompt);
    void DrawMain(Canvas& canvas) const;
    void DrawModals(Canvas& canvas) const;
    void DrawKeys(Canvas& canvas, Prompt prompt) const;

    std::FILE* out_;
    LineReader lines_;
    HumanOptions options_;
    std::unique_ptr<RawTerminal> terminal_;
    bool ignored_ = false;
    bool helpShown_ = false;
};

}  // namespace pennantry
