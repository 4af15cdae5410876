// Runs pennantry-term as a child process for the tests, in a configuration folder of its own.
#pragma once

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

extern char** environ;

namespace pennantry::test {

inline constexpr const char* TermBinary = PENNANTRY_TERM_BINARY;

// A fresh folder, removed with everything in it at the end of the test.
struct TempDir {
    TempDir() { EXPECT_NE(::mkdtemp(path.data()), nullptr); }
    ~TempDir() { std::filesystem::remove_all(path); }
    const std::string& Path() const { return path; }
    std::string path = (std::filesystem::temp_directory_path() / "pennantry-term-test-XXXXXX").string();
};

// Every program started from here on runs in this configuration folder, so none touches the
// player's saved game; the test itself never opens the store.
inline void UseConfigHome(const std::string& configHome) { ::setenv("XDG_CONFIG_HOME", configHome.c_str(), 1); }

// Reads what is there within the time left; false at the end of input. Running out of time
// fails the test and kills the program, so a hang cannot stall the suite.
inline bool ReadSome(int fd, std::string& into, pid_t pid, std::chrono::steady_clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    pollfd wait{fd, POLLIN, 0};
    if (left.count() <= 0 || ::poll(&wait, 1, static_cast<int>(left.count())) <= 0) {
        ADD_FAILURE() << "the program did not answer in time; so far: " << into;
        if (pid > 0)
            ::kill(pid, SIGKILL);
        return false;
    }
    char chunk[4096];
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n > 0)
        into.append(chunk, static_cast<std::size_t>(n));
    return n > 0;
}

// The program on three pipes: a test writes its input and reads its output as it comes.
class Program {
public:
    Program(std::vector<std::string> args, const std::string& configHome)
    {
        int pipes[3][2];  // for standard input, output and error, in that order
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        for (int fd = 0; fd < 3; ++fd) {
            EXPECT_EQ(::pipe2(pipes[fd], O_CLOEXEC), 0) << std::strerror(errno);
            posix_spawn_file_actions_adddup2(&actions, pipes[fd][fd == 0 ? 0 : 1], fd);
        }
        args.insert(args.begin(), TermBinary);
        std::vector<char*> argv;
        for (auto& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        UseConfigHome(configHome);
        if (::posix_spawn(&pid_, TermBinary, &actions, nullptr, argv.data(), environ) != 0)
            ADD_FAILURE() << "could not start " << TermBinary;
        posix_spawn_file_actions_destroy(&actions);
        for (int fd = 0; fd < 3; ++fd) {
            ::close(pipes[fd][fd == 0 ? 0 : 1]);
            fds_[fd] = pipes[fd][fd == 0 ? 1 : 0];
        }
        std::signal(SIGPIPE, SIG_IGN);  // a program that has ended must not end the test with it
    }
    ~Program()
    {
        for (const int fd : fds_)
            ::close(fd);
        if (pid_ > 0 && ::kill(pid_, SIGKILL) == 0)
            ::waitpid(pid_, nullptr, 0);
    }

    void Send(const std::string& text)
    {
        if (::write(fds_[0], text.data(), text.size()) != static_cast<ssize_t>(text.size()))
            ADD_FAILURE() << "could not send: " << text;
    }
    void CloseInput() { ::close(std::exchange(fds_[0], -1)); }

    // The next whole line without its newline; nothing at the end of output.
    std::optional<std::string> ReadLine()
    {
        while (out.find('\n') == std::string::npos)
            if (!ReadSome(fds_[1], out, pid_, deadline_))
                return std::nullopt;
        std::string line = out.substr(0, out.find('\n'));
        out.erase(0, line.size() + 1);
        return line;
    }

    // Ends the input and waits for the exit, with the rest of the output in `out` and `err`.
    // The exit status, or -1 when a signal ended the program.
    int Wait()
    {
        CloseInput();
        while (ReadSome(fds_[1], out, pid_, deadline_)) {
        }
        while (ReadSome(fds_[2], err, pid_, deadline_)) {
        }
        int status = 0;
        if (pid_ > 0)
            ::waitpid(std::exchange(pid_, -1), &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string out, err;

private:
    // Generous enough for the sanitizer build on a busy machine.
    std::chrono::steady_clock::time_point deadline_ = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    pid_t pid_ = -1;
    int fds_[3] = {-1, -1, -1};  // the test's ends: the program's input, output and errors
};

}  // namespace pennantry::test
