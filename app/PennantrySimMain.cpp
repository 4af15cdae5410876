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

#include "CommandLine.h"
#include "Report.h"
#include "Simulator.h"

namespace {

using namespace pennantry;
using namespace pennantry::sim;

constexpr const char* Summary =
    "Plays N whole games of Pennantry (--games is required) on the game's own core, every prompt\n"
    "answered by a policy, and reports what it saw. The same --seed and options give the same\n"
    "report whatever --jobs is. --skill and --battle take compare to play every policy on the same\n"
    "games. --check verifies the game's laws after every press and ends with status 1 at the first\n"
    "law broken.\n";

struct Options {
    RunOptions Run;
    bool Json = false;
};

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
    CommandLine line("pennantry-sim", Summary);
    const auto positive = [](std::uint64_t largest) {
        return [largest](std::string_view text) { return ParseWholeNumber(text, largest).value_or(0) > 0; };
    };
    line.AddValue("games", "N", positive(UINT64_MAX), true);
    line.AddNumber("seed", "S", UINT64_MAX);
    line.AddValue("jobs", "J", positive(256));
    line.AddValue("skill", "run|hit|pitch|catch|random|compare",
                  [](std::string_view text) { return Choose(text, AllSkillPolicies()).has_value(); });
    line.AddValue("battle", "attack|surrender|return|compare",
                  [](std::string_view text) { return Choose(text, AllBattlePolicies()).has_value(); });
    line.AddFlag("json");
    line.AddFlag("check");
    if (const auto status = line.Parse(argc, argv, stdout, stderr))
        return status;
    options.Json = line.Has("json");
    options.Run.Check = line.Has("check");
    options.Run.Games = *line.Number("games");
    options.Run.Seed = line.Number("seed").value_or(1);
    options.Run.Jobs = static_cast<unsigned>(line.Number("jobs").value_or(1));
    const auto skills = Choose(line.Value("skill").value_or("random"), AllSkillPolicies());
    const auto battles = Choose(line.Value("battle").value_or("attack"), AllBattlePolicies());
    for (const SkillPolicy skill : *skills)
        for (const BattlePolicy battle : *battles)
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
