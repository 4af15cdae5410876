// Input of the terminal edition: bounded lines read in blocks, boxes that only OK closes.
#include <gtest/gtest.h>

#include <unistd.h>

#include "LineReader.h"
#include "TermWindow.h"

namespace pennantry {
namespace {

TEST(LineReader, LinesAreTrimmedBoundedAndTheLastOneNeedsNoNewline)
{
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const std::string input = " pitch \r\n\n" + std::string(LineLimit + 1, 'x') + "\n" + std::string(LineLimit, 'y') + "\nlast";
    if (::fork() == 0)  // a writer beside the reader, as the pipe holds less than the input
        ::_exit(::write(fds[1], input.data(), input.size()) == ssize_t(input.size()) ? 0 : 1);
    ::close(fds[1]);
    LineReader reader(fds[0]);
    const std::string x(LineLimit, 'x'), y(LineLimit, 'y');
    for (const std::string& line : std::vector<std::string>{"pitch", "", x + "...", y, "last"})
        EXPECT_EQ(reader.ReadLine(), line);
    EXPECT_EQ(reader.ReadLine(), std::nullopt);
    ::close(fds[0]);
}

// A window whose player gives the listed commands, one a prompt, then ends the input.
struct ScriptedWindow final : TermWindow {
    explicit ScriptedWindow(std::vector<TermInput> script) : TermWindow("test"), script(std::move(script)) {}
    void WriteIgnored(const TermInput&) override { ++ignored; }
    TermInput Read(Prompt) override { return read < script.size() ? script[read++] : TermInput::End(); }
    std::vector<TermInput> script;
    std::size_t read = 0, ignored = 0;
};

TEST(TermWindow, OnlyOkClosesAMessageBox)
{
    ScriptedWindow window({TermInput::Nothing(), TermInput::Gives(Command::Attack), TermInput::Gives(Command::Ok)});
    window.ShowMessage("The human wins the base!", "");
    EXPECT_EQ(window.read, 3u);
    EXPECT_EQ(window.ignored, 2u);
}

}  // namespace
}  // namespace pennantry
