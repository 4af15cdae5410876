// The human face in a pseudo-terminal: it starts, draws the field, takes keys and puts the
// terminal back when it ends.
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include "ProgramRun.h"

namespace pennantry::test {
namespace {

// The program on the far side of a pseudo-terminal of 80 x 24.
class PtySession {
public:
    explicit PtySession(const std::string& configHome)
    {
        struct winsize size{};
        size.ws_row = 24;
        size.ws_col = 80;
        std::vector<std::string> environment = ChildEnvironment(configHome);
        environment.push_back("NO_COLOR=1");
        environment.push_back("TERM=xterm");
        std::vector<char*> envp;
        for (auto& entry : environment)
            envp.push_back(entry.data());
        envp.push_back(nullptr);
        pid_ = ::forkpty(&master_, nullptr, nullptr, &size);
        if (pid_ == 0) {
            const char* argv[] = {TermBinary, "--seed", "5", nullptr};
            ::execve(TermBinary, const_cast<char* const*>(argv), envp.data());
            ::_exit(127);
        }
        if (pid_ < 0)
            ADD_FAILURE() << "forkpty: " << std::strerror(errno);
    }

    ~PtySession()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (master_ >= 0)
            ::close(master_);
    }

    // Reads until the text has appeared since the last call; false after the deadline.
    bool WaitFor(const std::string& text)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        for (;;) {
            const auto found = output_.find(text, mark_);
            if (found != std::string::npos) {
                mark_ = found + text.size();
                return true;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
            if (left.count() <= 0 || !ReadSome(static_cast<int>(left.count())))
                return false;
        }
    }

    // The last screen drawn once the program has gone quiet.
    std::string Settle()
    {
        while (ReadSome(300)) {
        }
        const auto start = output_.rfind("\x1b[1;1H");
        return start == std::string::npos ? output_ : output_.substr(start);
    }

    void Press(const std::string& keys) { ASSERT_EQ(::write(master_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size())); }

    // The exit status, or -1 when a signal ended the program (or it did not end in time).
    int Wait()
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        int status = 0;
        while (::waitpid(pid_, &status, WNOHANG) == 0) {
            ReadSome(50);  // keep the terminal drained so the program can finish writing
            if (std::chrono::steady_clock::now() > end)
                return -1;
        }
        pid_ = -1;
        while (ReadSome(50)) {
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    const std::string& Output() const { return output_; }
    void Signal(int signal) { ::kill(pid_, signal); }
    // The terminal's modes as the program left them (a master reports its slave's).
    bool Canonical() const
    {
        struct termios modes{};
        return ::tcgetattr(master_, &modes) == 0 && (modes.c_lflag & ICANON) && (modes.c_lflag & ECHO);
    }

private:
    bool ReadSome(int milliseconds)
    {
        struct pollfd wait{master_, POLLIN, 0};
        if (::poll(&wait, 1, milliseconds) <= 0)
            return false;
        char chunk[4096];
        const ssize_t n = ::read(master_, chunk, sizeof chunk);
        if (n <= 0)
            return false;
        output_.append(chunk, static_cast<std::size_t>(n));
        return true;
    }

    pid_t pid_ = -1;
    int master_ = -1;
    std::string output_;
    std::size_t mark_ = 0;
};

TEST(HumanFace, StartsInATerminalDrawsTheFieldTakesSingleKeysAndRestoresTheTerminal)
{
    TempDir config;
    PtySession session(config.Path());

    ASSERT_TRUE(session.WaitFor("Pennantry Version 1.0")) << session.Output();
    session.Press("\r");
    ASSERT_TRUE(session.WaitFor("RUN LEVEL: Improves chance of scoring a double or triple.")) << session.Output();
    session.Press("3");
    ASSERT_TRUE(session.WaitFor("3 (*) PITCH LEVEL")) << session.Output();
    session.Press("\r");
    ASSERT_TRUE(session.WaitFor("PLAY BALL!")) << session.Output();
    session.Press("\r");

    std::string screen = session.Settle();
    EXPECT_NE(screen.find("[ ]"), std::string::npos) << screen;       // the empty bases
    EXPECT_NE(screen.find("[#]"), std::string::npos) << screen;       // the batter at home
    EXPECT_NE(screen.find("Pitch Level: 2"), std::string::npos) << screen;
    EXPECT_NE(screen.find("[P] Pitch"), std::string::npos) << screen;
    EXPECT_NE(screen.find("[-] Ready to Swing (disabled)"), std::string::npos) << screen;

    // One key press pitches: a framed announcement (or a battle) takes over until the pitch ends.
    session.Press("p");
    screen = session.Settle();
    EXPECT_EQ(screen.find("Esc/Q"), std::string::npos) << screen;
    for (int i = 0; i < 200 && screen.find("Esc/Q") == std::string::npos; ++i) {
        if (screen.find("Keys: Enter OK") != std::string::npos)
            session.Press("\r");
        else if (screen.find("Keys: A Attack") != std::string::npos)
            session.Press("a");
        else
            FAIL() << "unexpected screen: " << screen;
        screen = session.Settle();
    }
    ASSERT_NE(screen.find("Esc/Q"), std::string::npos) << screen;

    session.Press("q");
    EXPECT_EQ(session.Wait(), 0);
    // The alternate screen is left and the cursor shown again.
    const std::string& output = session.Output();
    EXPECT_EQ(output.substr(output.size() - std::strlen("\x1b[?1049l")), "\x1b[?1049l");
    EXPECT_EQ(output.find("\x1b[0;"), std::string::npos) << "colour despite NO_COLOR";
}

TEST(HumanFace, ATerminatingSignalPutsTheTerminalBackBeforeTheProgramEnds)
{
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signal);
        TempDir config;
        PtySession session(config.Path());
        ASSERT_TRUE(session.WaitFor("Pennantry Version 1.0")) << session.Output();
        session.Settle();
        EXPECT_FALSE(session.Canonical());
        session.Signal(signal);
        EXPECT_EQ(session.Wait(), -1);
        EXPECT_TRUE(session.Canonical());
        const std::string& output = session.Output();
        EXPECT_NE(output.rfind("\x1b[?1049l"), std::string::npos);
    }
}

}  // namespace
}  // namespace pennantry::test
