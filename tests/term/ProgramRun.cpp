// Child processes for the terminal edition's tests.
#include "ProgramRun.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace pennantry::test {
namespace {

// Generous enough for the sanitizer build on a busy machine; a hang still fails.
constexpr auto Deadline = std::chrono::seconds(60);

std::vector<char*> Pointers(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (auto& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

pid_t Spawn(const std::vector<std::string>& args, const std::string& configHome, posix_spawn_file_actions_t* actions)
{
    std::vector<std::string> argv{TermBinary};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<std::string> envp = ChildEnvironment(configHome);
    auto argPointers = Pointers(argv);
    auto envPointers = Pointers(envp);
    pid_t pid = -1;
    const int error = ::posix_spawn(&pid, TermBinary, actions, nullptr, argPointers.data(), envPointers.data());
    EXPECT_EQ(error, 0) << std::strerror(error);
    return error == 0 ? pid : -1;
}

int WaitWithDeadline(pid_t pid)
{
    if (pid < 0)
        return -1;
    const auto end = std::chrono::steady_clock::now() + Deadline;
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
            break;
        if (done < 0)
            return -1;
        if (std::chrono::steady_clock::now() > end) {
            ADD_FAILURE() << "the program did not end in time";
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "pennantry-term-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        ADD_FAILURE() << "mkdtemp: " << std::strerror(errno);
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> ChildEnvironment(const std::string& configHome)
{
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry)
        if (std::strncmp(*entry, "XDG_CONFIG_HOME=", 16) != 0)
            environment.emplace_back(*entry);
    environment.push_back("XDG_CONFIG_HOME=" + configHome);
    return environment;
}

Outcome RunProgram(const std::vector<std::string>& args, const std::string& input, const std::string& configHome)
{
    TempDir files;
    const std::string in = files.Path() + "/in", out = files.Path() + "/out", err = files.Path() + "/err";
    std::ofstream(in, std::ios::binary) << input;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const pid_t pid = Spawn(args, configHome, &actions);
    posix_spawn_file_actions_destroy(&actions);
    Outcome outcome;
    outcome.status = WaitWithDeadline(pid);
    outcome.out = ReadFile(out);
    outcome.err = ReadFile(err);
    return outcome;
}

Session::Session(const std::vector<std::string>& args, const std::string& configHome)
{
    int toChild[2], fromChild[2];
    if (::pipe2(toChild, O_CLOEXEC) != 0 || ::pipe2(fromChild, O_CLOEXEC) != 0) {
        ADD_FAILURE() << "pipe: " << std::strerror(errno);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], 0);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], 1);
    pid_ = Spawn(args, configHome, &actions);
    posix_spawn_file_actions_destroy(&actions);
    ::close(toChild[0]);
    ::close(fromChild[1]);
    toChild_ = toChild[1];
    fromChild_ = fromChild[0];
    // A program that has already ended must not kill the test with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
}

Session::~Session()
{
    CloseInput();
    if (fromChild_ >= 0)
        ::close(fromChild_);
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

std::optional<std::string> Session::ReadLine()
{
    const auto end = std::chrono::steady_clock::now() + Deadline;
    for (;;) {
        const auto newline = buffer_.find('\n');
        if (newline != std::string::npos) {
            std::string line = buffer_.substr(0, newline);
            buffer_.erase(0, newline + 1);
            return line;
        }
        if (ended_ || fromChild_ < 0)
            return std::nullopt;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            ADD_FAILURE() << "no line from the program in time; so far: " << buffer_;
            return std::nullopt;
        }
        struct pollfd wait{fromChild_, POLLIN, 0};
        if (::poll(&wait, 1, static_cast<int>(left.count())) <= 0)
            continue;
        char chunk[4096];
        const ssize_t n = ::read(fromChild_, chunk, sizeof chunk);
        if (n <= 0) {
            ended_ = true;
            if (!buffer_.empty()) {
                std::string rest = std::move(buffer_);
                buffer_.clear();
                return rest;
            }
            return std::nullopt;
        }
        buffer_.append(chunk, static_cast<std::size_t>(n));
    }
}

void Session::Send(const std::string& line)
{
    const std::string text = line + "\n";
    if (toChild_ < 0 || ::write(toChild_, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
        ADD_FAILURE() << "could not send: " << line;
}

void Session::CloseInput()
{
    if (toChild_ >= 0)
        ::close(toChild_);
    toChild_ = -1;
}

int Session::Wait()
{
    CloseInput();
    const int status = WaitWithDeadline(pid_);
    pid_ = -1;
    return status;
}

std::optional<std::string> PromptOf(const std::string& line)
{
    const std::string head = "{\"prompt\":\"";
    if (line.rfind(head, 0) != 0 || line.size() < head.size() + 2 || line.substr(line.size() - 2) != "\"}")
        return std::nullopt;
    return line.substr(head.size(), line.size() - head.size() - 2);
}

}  // namespace pennantry::test
