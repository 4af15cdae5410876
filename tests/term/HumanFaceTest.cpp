// The human face in a pseudo-terminal: it starts, draws the field, takes single keys and puts
// the terminal back when it ends.
#include <pty.h>
#include <termios.h>

#include "ProgramRun.h"

namespace pennantry::test {
namespace {

// The program on the far side of a pseudo-terminal of 80 x 24, without colour.
class PtySession {
public:
    explicit PtySession(const std::string& configHome)
    {
        UseConfigHome(configHome);
        struct winsize size{24, 80, 0, 0};
        pid_ = ::forkpty(&master_, nullptr, nullptr, &size);
        if (pid_ == 0) {
            ::setenv("NO_COLOR", "1", 1);
            ::setenv("TERM", "xterm", 1);
            const char* argv[] = {TermBinary, "--seed", "5", nullptr};
            ::execv(TermBinary, const_cast<char* const*>(argv));
            ::_exit(127);
        }
        EXPECT_GT(pid_, 0) << "forkpty: " << std::strerror(errno);
    }
    ~PtySession()
    {
        if (pid_ > 0 && ::kill(pid_, SIGKILL) == 0)
            ::waitpid(pid_, nullptr, 0);
        ::close(master_);
    }

    // Reads until the text has appeared; false after the deadline.
    bool WaitFor(const std::string& text)
    {
        while (output.find(text) == std::string::npos)
            if (!ReadSome(master_, output, pid_, deadline_))
                return false;
        return true;
    }

    void Press(const std::string& keys) { EXPECT_EQ(::write(master_, keys.data(), keys.size()), ssize_t(keys.size())); }
    void Signal(int signal)
    {
        if (pid_ > 0)  // never -1, which would signal every process the user has
            ::kill(pid_, signal);
    }

    // The exit status, or -1 when a signal ended the program. The terminal is read to its end
    // first: the program's last bytes stay in it after the program is gone, until they are read.
    int Wait()
    {
        while (ReadSome(master_, output, pid_, deadline_)) {
        }
        int status = 0;
        ::waitpid(std::exchange(pid_, -1), &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Whether the terminal is back in line mode with echo (a master reports its slave's modes).
    bool Canonical() const
    {
        termios modes{};
        return ::tcgetattr(master_, &modes) == 0 && (modes.c_lflag & ICANON) && (modes.c_lflag & ECHO);
    }

    std::string output;

private:
    std::chrono::steady_clock::time_point deadline_ = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    pid_t pid_ = -1;
    int master_ = -1;
};

TEST(HumanFace, StartsInATerminalTakesSingleKeysDrawsTheFieldAndQuitsLeavingTheTerminalAsItWas)
{
    TempDir config;
    PtySession session(config.Path());
    ASSERT_TRUE(session.WaitFor("Pennantry Version 1.0")) << session.output;
    EXPECT_FALSE(session.Canonical());
    session.Press("\r");
    ASSERT_TRUE(session.WaitFor("RUN LEVEL: Improves chance of scoring a double or triple.")) << session.output;
    session.Press("3");  // one key, no Enter
    ASSERT_TRUE(session.WaitFor("3 (*) PITCH LEVEL")) << session.output;
    session.Press("\r");
    ASSERT_TRUE(session.WaitFor("PLAY BALL!")) << session.output;
    session.Press("\r");

    // The field: the empty bases, the batter at home, the upgrade taken and the play keys.
    for (const char* shown : {"[ ]", "[#]", "Pitch Level: 2", "[P] Pitch", "[-] Ready to Swing (disabled)", "Esc/Q"})
        ASSERT_TRUE(session.WaitFor(shown)) << shown << " not in\n" << session.output;

    session.Press("q");
    EXPECT_EQ(session.Wait(), 0);
    EXPECT_TRUE(session.Canonical());
    EXPECT_TRUE(session.output.ends_with("\x1b[?1049l")) << "the alternate screen was not left";
    EXPECT_EQ(session.output.find("\x1b[0;"), std::string::npos) << "colour despite NO_COLOR";
}

TEST(HumanFace, ATerminatingSignalPutsTheTerminalBackBeforeTheProgramEnds)
{
    TempDir config;
    PtySession session(config.Path());
    ASSERT_TRUE(session.WaitFor("Pennantry Version 1.0")) << session.output;
    session.Signal(SIGTERM);
    EXPECT_EQ(session.Wait(), -1);
    EXPECT_TRUE(session.Canonical());
    EXPECT_NE(session.output.rfind("\x1b[?1049l"), std::string::npos);
}

}  // namespace
}  // namespace pennantry::test
