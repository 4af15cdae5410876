// Input of the terminal edition: bounded lines read in blocks, and signal handlers that respect
// what the parent set and are put back afterwards.
#include <gtest/gtest.h>

#include <csignal>
#include <pty.h>
#include <string>
#include <utility>
#include <vector>
#include <unistd.h>

#include "LineReader.h"
#include "RawTerminal.h"
#include "Random.h"
#include "TermWindow.h"

namespace pennantry {
namespace {

TEST(LineReader, LinesAreTrimmedBoundedAndTheLastOneNeedsNoNewline)
{
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const std::string longLine = " " + std::string(LineLimit, 'x') + "\n";
    const std::string input = " pitch \r\n\n" + longLine + std::string(LineLimit - 1, 'y') + "\nlast";
    // A writer beside the reader, so that the pipe's own buffer does not bound the test.
    if (::fork() == 0) {
        ::close(fds[0]);
        const bool whole = ::write(fds[1], input.data(), input.size()) == ssize_t(input.size());
        ::_exit(whole ? 0 : 1);
    }
    ::close(fds[1]);
    LineReader reader(fds[0]);
    EXPECT_EQ(reader.ReadLine(), "pitch");
    EXPECT_EQ(reader.ReadLine(), "");
    EXPECT_EQ(reader.ReadLine(), " " + std::string(LineLimit - 1, 'x') + "...");
    EXPECT_EQ(reader.ReadLine(), std::string(LineLimit - 1, 'y'));
    EXPECT_EQ(reader.ReadLine(), "last");
    EXPECT_EQ(reader.ReadLine(), std::nullopt);
    EXPECT_EQ(reader.ReadLine(), std::nullopt);
    ::close(fds[0]);
}

void OwnHandler(int) {}

TEST(RawTerminal, ASignalTheParentIgnoredStaysIgnoredAndEveryHandlerIsPutBackAfterwards)
{
    int master = -1, slave = -1;
    ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    const auto before = std::signal(SIGHUP, SIG_IGN);
    const auto beforeInt = std::signal(SIGINT, OwnHandler);
    struct sigaction now {};
    {
        RawTerminal terminal(slave, slave, false);
        ASSERT_TRUE(terminal.Active());
        ::sigaction(SIGHUP, nullptr, &now);
        EXPECT_EQ(now.sa_handler, SIG_IGN);
        ::sigaction(SIGINT, nullptr, &now);
        EXPECT_NE(now.sa_handler, OwnHandler);
    }
    ::sigaction(SIGINT, nullptr, &now);
    EXPECT_EQ(now.sa_handler, OwnHandler);
    ::sigaction(SIGWINCH, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
    std::signal(SIGHUP, before);
    std::signal(SIGINT, beforeInt);
    ::close(slave);
    ::close(master);
}

// A window whose player gives the listed commands, one a prompt.
class ScriptedWindow final : public TermWindow {
public:
    explicit ScriptedWindow(std::vector<Command> script) : TermWindow("test"), script_(std::move(script)) {}
    std::size_t read = 0, ignored = 0;

protected:
    void WriteIgnored(const TermInput&) override { ++ignored; }
    TermInput Read(Prompt) override { return {read < script_.size() ? script_[read++] : Command::End, ""}; }

private:
    std::vector<Command> script_;
};

TEST(TermWindow, OnlyOkClosesAMessageBoxAndTheEndOfInputEndsTheProgramThere)
{
    ScriptedWindow window({Command::Unknown, Command::Attack, Command::Ok, Command::Unknown});
    window.ShowMessage("The human wins the base!", "");
    EXPECT_EQ(window.read, 3u);
    EXPECT_EQ(window.ignored, 2u);
    EXPECT_THROW(window.ShowMessage("again", ""), InputEnded);
}

// --seed takes the largest 64-bit number; the clock then reads on without overflowing.
TEST(ReplayClock, TheLargestSeedReadsOnFromTheSmallestReading)
{
    SteppingClock clock(INT64_MAX);
    EXPECT_EQ(clock.Now(), INT64_MAX);
    EXPECT_EQ(clock.Now(), INT64_MIN);
    EXPECT_EQ(clock.Now(), INT64_MIN + 1);
}

}  // namespace
}  // namespace pennantry
