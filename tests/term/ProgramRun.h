// Runs pennantry-term as a child process for the tests: with a whole input at once, or in a
// conversation line by line.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace pennantry::test {

inline constexpr const char* TermBinary = PENNANTRY_TERM_BINARY;

// A fresh folder, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

struct Outcome {
    int status = -1;  // the exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// The program's environment: the test's own, with XDG_CONFIG_HOME set to configHome.
std::vector<std::string> ChildEnvironment(const std::string& configHome);

// Runs the program with the arguments and the whole input on its standard input; fails the test
// (and kills the program) when it has not ended within the deadline.
Outcome RunProgram(const std::vector<std::string>& args, const std::string& input, const std::string& configHome);

// The program on two pipes: a test reads its lines and answers its prompts.
class Session {
public:
    Session(const std::vector<std::string>& args, const std::string& configHome);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The next line of output without its newline; nothing at the end of output or after the
    // deadline (which also fails the test).
    std::optional<std::string> ReadLine();
    void Send(const std::string& line);
    void CloseInput();
    // Waits for the exit; the status as in Outcome.
    int Wait();

private:
    pid_t pid_ = -1;
    int toChild_ = -1;
    int fromChild_ = -1;
    std::string buffer_;
    bool ended_ = false;
};

// The name in a {"prompt":"..."} line, or nothing for any other line.
std::optional<std::string> PromptOf(const std::string& line);

}  // namespace pennantry::test
