// The machine face: every window operation as a JSON line, and one input word per prompt.
#pragma once

#include <cstdio>
#include <string>

#include "LineReader.h"
#include "TermWindow.h"

namespace pennantry {

// Writes JSON Lines to out, each flushed as written, and reads one word a line from inFd, only
// after writing a prompt.
class JsonWindow final : public TermWindow {
public:
    JsonWindow(std::string appName, std::FILE* out, int inFd);

protected:
    void WriteRefresh() override;
    void WriteButton(TermButton button, bool enabled) override;
    void WriteBall() override;
    void WriteBase(int base) override;
    void WriteBox() override;
    void WriteDialog(TermDialog dialog, bool open) override;
    void WriteBattle() override;
    void WriteShow() override;
    void WriteClose() override;
    void WriteIgnored(const TermInput& input) override;
    TermInput Read(Prompt prompt) override;

private:
    void Emit(const std::string& line);

    std::FILE* out_;
    LineReader in_;
};

}  // namespace pennantry
