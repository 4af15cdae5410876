// Runs pennantry-term for the tests in a terminal emulator: a tmux server of the test's own whose
// one 80 x 24 pane runs a shell with job control. A test types the command line and the keys, and
// reads the screen as tmux draws it. A program that hangs is ended by the test runner's time limit.
#pragma once

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <unistd.h>

namespace pennantry::test {

inline constexpr const char* TermBinary = PENNANTRY_TERM_BINARY;

// A fresh folder, removed with everything in it at the end of the test.
struct TempDir {
    TempDir() { EXPECT_NE(::mkdtemp(path.data()), nullptr); }
    ~TempDir() { std::filesystem::remove_all(path); }
    std::string path = (std::filesystem::temp_directory_path() / "pennantry-term-test-XXXXXX").string();
};

// What the shell command writes on its standard output, without the last newline.
inline std::string Output(const std::string& command)
{
    std::string out;
    if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
        char chunk[4096];
        for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
            out.append(chunk, n);
        ::pclose(pipe);
    }
    return out.ends_with('\n') ? out.substr(0, out.size() - 1) : out;
}

class Pane {
public:
    Pane() { Tmux("-f /dev/null new-session -d -x 80 -y 24 'sh -i'"); }
    ~Pane() { Tmux("kill-server"); }

    std::string Tmux(const std::string& arguments) { return Output("tmux -L " + socket_ + " " + arguments); }
    // Starts the program from the shell with the terminal type, its own configuration folder, and
    // no colour when noColour.
    void Start(const std::string& term, const std::string& config, bool noColour)
    {
        TypeLine("TERM=" + term + " XDG_CONFIG_HOME=" + config + " NO_COLOR=" + (noColour ? "1 " : " ") + TermBinary + " --seed 5");
    }
    void TypeLine(const std::string& line) { Tmux("send-keys -l '" + line + "' \\; send-keys Enter"); }
    void Keys(const std::string& names) { Tmux("send-keys " + names); }
    std::string Screen(const std::string& options = "") { return Tmux("capture-pane -p " + options); }
    std::string Format(const std::string& format) { return Tmux("display -p '" + format + "'"); }
    // Whether the pane's terminal reads lines with echo, as the shell needs it.
    bool Canonical()
    {
        const std::string modes = Output("stty -a -F " + Format("#{pane_tty}"));
        return modes.find("icanon") != std::string::npos && modes.find("-icanon") == std::string::npos &&
               modes.find(" -echo ") == std::string::npos;
    }
    // To the program, the shell's only child while it runs.
    void Signal(const std::string& name) { Output("kill -s " + name + " $(cat /proc/" + Format("#{pane_pid}") + "/task/*/children)"); }

    // Waits until the state is reached; false after 20 s, which only a hung program takes.
    bool Until(const std::function<bool()>& reached)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        for (; !reached(); std::this_thread::sleep_for(std::chrono::milliseconds(20)))
            if (std::chrono::steady_clock::now() > end)
                return false;
        return true;
    }
    bool Shows(const std::string& text, bool shown = true)
    {
        return Until([&] { return (Screen().find(text) != std::string::npos) == shown; });
    }

private:
    std::string socket_ = "pennantry-test-" + std::to_string(::getpid());
};

}  // namespace pennantry::test
