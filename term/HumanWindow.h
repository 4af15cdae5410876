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
    // Keys one at a time from a terminal; otherwise one key a line (a line of its own).
    bool singleKeys = false;
    // Redraw in place on the alternate screen; otherwise each screen is printed after the last.
    bool fullScreen = false;
    bool colour = false;
};

// Redraws the whole 80 x 24 screen before it waits for each key, so what shows is always the
// state as last set, with the keys that work at that moment. `?` shows the keys and the rules
// over any prompt.
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
