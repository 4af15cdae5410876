// Runs pennantry-term as a child process for the tests, in a configuration folder of its own.
// A program that hangs is ended by the test runner's time limit.
#pragma once

#include <algorithm>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <pty.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace pennantry::test {

inline constexpr const char* TermBinary = PENNANTRY_TERM_BINARY;

// A fresh folder, removed with everything in it at the end of the test.
struct TempDir {
    TempDir() { EXPECT_NE(::mkdtemp(path.data()), nullptr); }
    ~TempDir() { std::filesystem::remove_all(path); }
    std::string path = (std::filesystem::temp_directory_path() / "pennantry-term-test-XXXXXX").string();
};

// The program on two pipes (its errors go to the test's own), or on a pseudo-terminal of 80 x 24
// without colour: a test writes its input and reads its output as it comes. Its configuration
// folder keeps it from the player's saved game; the test itself never opens the store.
class Program {
public:
    Program(std::vector<std::string> args, const std::string& configHome, bool terminal = false)
    {
        args.insert(args.begin(), TermBinary);
        std::vector<char*> argv;
        for (auto& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        ::setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
        std::signal(SIGPIPE, SIG_IGN);  // a program that has ended must not end the test with it
        int in[2], out[2];
        EXPECT_TRUE(terminal || (::pipe2(in, O_CLOEXEC) == 0 && ::pipe2(out, O_CLOEXEC) == 0));
        struct winsize size{24, 80, 0, 0};
        pid_ = terminal ? ::forkpty(&fds_[0], nullptr, nullptr, &size) : ::fork();
        if (pid_ == 0) {
            if (terminal)
                ::setenv("NO_COLOR", "1", 1), ::setenv("TERM", "xterm", 1);
            else
                ::dup2(in[0], 0), ::dup2(out[1], 1);
            ::execv(TermBinary, argv.data());
            ::_exit(127);
        }
        EXPECT_GT(pid_, 0) << "could not start " << TermBinary << ": " << std::strerror(errno);
        if (terminal)
            fds_[1] = ::dup(fds_[0]);  // the terminal's output stays readable after the input is closed
        else
            ::close(in[0]), ::close(out[1]), fds_[0] = in[1], fds_[1] = out[0];
    }
    ~Program()
    {
        for (const int fd : fds_)
            ::close(fd);
        if (pid_ > 0 && ::kill(pid_, SIGKILL) == 0)
            ::waitpid(pid_, nullptr, 0);
    }

    void Send(const std::string& text) { EXPECT_EQ(::write(fds_[0], text.data(), text.size()), ssize_t(text.size())) << text; }
    void CloseInput() { ::close(std::exchange(fds_[0], -1)); }
    // Never to pid -1, which would signal every process the user has.
    void Signal(int signal) { if (pid_ > 0) ::kill(pid_, signal); }

    // Reads until the text has appeared; false at the end of output.
    bool ReadUntil(const std::string& text)
    {
        while (out.find(text) == std::string::npos)
            if (!ReadSome())
                return false;
        return true;
    }

    // The next whole line without its newline; nothing at the end of output.
    std::optional<std::string> ReadLine()
    {
        if (!ReadUntil("\n"))
            return std::nullopt;
        std::string line = out.substr(0, out.find('\n'));
        out.erase(0, line.size() + 1);
        return line;
    }

    // Ends the input and waits for the exit, with the rest of the output in `out`. The exit status,
    // or -1 when a signal ended the program. The output is read to its end first: a terminal keeps
    // the program's last bytes after the program is gone, until they are read.
    int Wait()
    {
        CloseInput();
        while (ReadSome()) {
        }
        int status = 0;
        ::waitpid(std::exchange(pid_, -1), &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Whether the terminal is back in line mode with echo (a master reports its slave's modes).
    bool Canonical() const
    {
        termios modes{};
        return ::tcgetattr(fds_[1], &modes) == 0 && (modes.c_lflag & ICANON) && (modes.c_lflag & ECHO);
    }

    std::string out;

private:
    bool ReadSome()
    {
        char chunk[4096];
        const ssize_t n = ::read(fds_[1], chunk, sizeof chunk);
        out.append(chunk, static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
        return n > 0;
    }

    pid_t pid_ = -1;
    int fds_[2] = {-1, -1};  // the test's ends: the program's input and output
};

}  // namespace pennantry::test
