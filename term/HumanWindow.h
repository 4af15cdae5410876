// The human face: the field, the scoreboard and every box and dialog drawn as text, one key each.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "LineReader.h"
#include "RawTerminal.h"
#include "TermWindow.h"

namespace pennantry {

struct HumanOptions {
    // Keys one at a time from a terminal; otherwise one key a line (a line of its own).
    bool singleKeys = false;
    // Redraw in place on the alternate screen; otherwise each screen is printed after the last.
    bool fullScreen = false;
    bool colour = false;
};

// Redraws the whole 80 x 24 screen before it waits for each key, so what shows is always the
// state as last set, with the keys that work at that moment.
class HumanWindow final : public TermWindow {
public:
    HumanWindow(std::string appName, std::FILE* out, int inFd, HumanOptions options);
    ~HumanWindow() override;

protected:
    void WriteIgnored(const TermInput& input) override;
    TermInput Read(Prompt prompt) override;

private:
    class Canvas;

    int NextKey();
    void Draw(Prompt prompt);
    void DrawMain(Canvas& canvas) const;
    void DrawModals(Canvas& canvas) const;
    void DrawKeys(Canvas& canvas, Prompt prompt) const;

    std::FILE* out_;
    LineReader lines_;
    HumanOptions options_;
    std::unique_ptr<RawTerminal> terminal_;
    bool ignored_ = false;
};

// The key a line of input stands for where keys come a line at a time: an empty line is Enter,
// "esc" (or "escape", or the ESC character) is Escape, one character is that key.
int KeyOfLine(const std::string& line);

}  // namespace pennantry
