// Entry point of the simulator: reads the arguments, plays the games with a progress bar on a
// terminal, and prints the report.
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <unistd.h>

#include "Report.h"
#include "Simulator.h"

namespace {

using namespace pennantry::sim;

constexpr const char* Summary =
    "Plays whole games of Pennantry on the game's own core, every prompt answered by a policy, and\n"
    "reports what it saw. The same --seed and options give the same report whatever --jobs is.\n"
    "--skill and --battle take compare to play every policy on the same games. --check verifies\n"
    "the game's laws after every press and ends with status 1 at the first law broken.\n";

struct Options {
    RunOptions Run;
    bool Json = false;
};

std::optional<std::uint64_t> WholeNumber(std::string_view text, std::uint64_t largest)
{
    if (text.empty() || text.size() > 20)
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (c < '0' || c > '9' || value > (largest - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

template <typename T>
std::optional<std::vector<T>> Choose(std::string_view text, const std::vector<T>& all)
{
    if (text == "compare")
        return all;
    for (const T value : all)
        if (text == Name(value))
            return std::vector<T>{value};
    return std::nullopt;
}

// Reads the arguments; a status to end with at once after --help, --version or a bad argument.
std::optional<int> ReadArguments(int argc, char** argv, Options& options)
{
    const std::string usage = "usage: pennantry-sim --games N [--seed S] [--jobs J] "
                              "[--skill run|hit|pitch|catch|random|compare] "
                              "[--battle attack|surrender|return|compare] [--json] [--check] [--help] [--version]";
    std::vector<SkillPolicy> skills{SkillPolicy::Random};
    std::vector<BattlePolicy> battles{BattlePolicy::Attack};
    bool haveGames = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        std::string_view value;
        const auto equals = arg.find('=');
        const bool takesValue = arg.starts_with("--games") || arg.starts_with("--seed") || arg.starts_with("--jobs") ||
                                arg.starts_with("--skill") || arg.starts_with("--battle");
        if (equals != std::string_view::npos) {
            value = arg.substr(equals + 1);
            arg = arg.substr(0, equals);
        } else if (takesValue && i + 1 < argc) {
            value = argv[++i];
        }
        bool good = true;
        if (arg == "--help" || arg == "--version") {
            std::printf("%s\n", arg == "--help" ? (usage + "\n" + Summary).c_str() : "pennantry-sim " PENNANTRY_VERSION);
            return 0;
        } else if (arg == "--json" || arg == "--check") {
            good = equals == std::string_view::npos;
            (arg == "--json" ? options.Json : options.Run.Check) = true;
        } else if (arg == "--games") {
            const auto games = WholeNumber(value, UINT64_MAX);
            good = games && *games > 0;
            options.Run.Games = games.value_or(0);
            haveGames = true;
        } else if (arg == "--seed") {
            const auto seed = WholeNumber(value, UINT64_MAX);
            good = seed.has_value();
            options.Run.Seed = seed.value_or(0);
        } else if (arg == "--jobs") {
            const auto jobs = WholeNumber(value, 256);
            good = jobs && *jobs > 0;
            options.Run.Jobs = static_cast<unsigned>(jobs.value_or(1));
        } else if (arg == "--skill") {
            const auto chosen = Choose(value, AllSkillPolicies());
            good = chosen.has_value();
            skills = chosen.value_or(skills);
        } else if (arg == "--battle") {
            const auto chosen = Choose(value, AllBattlePolicies());
            good = chosen.has_value();
            battles = chosen.value_or(battles);
        } else {
            good = false;
        }
        if (!good) {
            std::fprintf(stderr, "%s\n", usage.c_str());
            return 2;
        }
    }
    if (!haveGames) {
        std::fprintf(stderr, "%s\n", usage.c_str());
        return 2;
    }
    for (const SkillPolicy skill : skills)
        for (const BattlePolicy battle : battles)
            options.Run.Policies.push_back({skill, battle});
    return std::nullopt;
}

// Draws the bar on standard error until `finished`, once the run has taken a second; wipes it
// at the end, so that nothing of it stays.
class ProgressBar {
public:
    ProgressBar(std::uint64_t total, const std::atomic<std::uint64_t>& done) : total_(total), done_(done) {}

    void Run()
    {
        const auto start = std::chrono::steady_clock::now();
        bool drawn = false;
        std::unique_lock<std::mutex> lock(lock_);
        while (!wake_.wait_for(lock, std::chrono::milliseconds(drawn ? 200 : 1000), [this] { return finished_; })) {
            const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            const std::uint64_t done = done_.load(std::memory_order_relaxed);
            const double rate = double(done) / seconds;
            const int filled = static_cast<int>(30.0 * double(done) / double(total_));
            const double left = rate > 0 ? double(total_ - done) / rate : 0.0;
            std::fprintf(stderr, "\r[%-30s] %llu/%llu games, %.0f a second, %.0f s left \x1b[K",
                         std::string(static_cast<std::size_t>(filled), '#').c_str(),
                         static_cast<unsigned long long>(done), static_cast<unsigned long long>(total_), rate, left);
            std::fflush(stderr);
            drawn = true;
        }
        if (drawn)
            std::fprintf(stderr, "\r\x1b[K");
    }

    void Finish()
    {
        {
            const std::lock_guard<std::mutex> lock(lock_);
            finished_ = true;
        }
        wake_.notify_one();
    }

private:
    std::uint64_t total_;
    const std::atomic<std::uint64_t>& done_;
    std::mutex lock_;
    std::condition_variable wake_;
    bool finished_ = false;
};

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (const auto status = ReadArguments(argc, argv, options))
        return *status;

    std::atomic<std::uint64_t> done{0};
    ProgressBar bar(options.Run.Games * options.Run.Policies.size(), done);
    std::thread progress;
    if (::isatty(STDERR_FILENO) == 1)
        progress = std::thread([&bar] { bar.Run(); });
    const RunResult result = Simulate(options.Run, done);
    bar.Finish();
    if (progress.joinable())
        progress.join();

    if (result.BrokenLaw) {
        std::fprintf(stderr, "pennantry-sim: %s\n", result.BrokenLaw->c_str());
        return 1;
    }
    const std::string report = options.Json ? ReportJson(options.Run, result) : ReportTable(options.Run, result);
    std::fputs(report.c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
