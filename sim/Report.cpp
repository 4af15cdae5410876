// The report's two forms. Every figure comes from the whole-number tallies, so the same games
// give the same text whatever the number of jobs; only the speed line differs.
#include "Report.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace pennantry::sim {
namespace {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...)
{
    char buffer[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

double PerGame(std::uint64_t sum, const Tally& t) { return t.Games ? double(sum) / double(t.Games) : 0.0; }
double Percent(std::uint64_t part, std::uint64_t whole) { return whole ? 100.0 * double(part) / double(whole) : 0.0; }

std::uint64_t AllGames(const RunResult& r)
{
    std::uint64_t games = 0;
    for (const auto& t : r.Tallies)
        games += t.Games;
    return games;
}

std::string SpeedLine(const RunOptions& o, const RunResult& r)
{
    const std::uint64_t games = AllGames(r);
    return Format("%llu games in %.1f s: %.0f games a second on %u job%s\n", static_cast<unsigned long long>(games),
                  r.Seconds, r.Seconds > 0 ? double(games) / r.Seconds : 0.0, o.Jobs, o.Jobs == 1 ? "" : "s");
}

std::string PolicyJson(const Policy& p, const Tally& t)
{
    const auto [low, high] = Interval95(t.HumansWins, t.Games);
    const std::uint64_t presses = t.PitchPresses + t.AttackPresses + t.OtherPresses + t.Boxes;
    std::string json = Format("\"skill\":\"%s\",\"battle\":\"%s\",\"games\":%llu,\"humans_wins\":%llu,", Name(p.Skill),
                              Name(p.Battle), static_cast<unsigned long long>(t.Games),
                              static_cast<unsigned long long>(t.HumansWins));
    json += Format("\"humans_win_share\":%.6g,\"humans_win_interval95\":[%.6g,%.6g],", Percent(t.HumansWins, t.Games) / 100,
                   low, high);
    json += Format("\"humans_runs_per_game\":%.6g,\"monsters_runs_per_game\":%.6g,", PerGame(t.HumansRuns, t),
                   PerGame(t.MonstersRuns, t));
    json += Format("\"humans_shutout_share\":%.6g,\"monsters_shutout_share\":%.6g,", Percent(t.HumansShutOut, t.Games) / 100,
                   Percent(t.MonstersShutOut, t.Games) / 100);
    json += Format("\"innings_per_game\":%.6g,\"innings_9_share\":%.6g,\"innings_10_share\":%.6g,"
                   "\"innings_11_plus_share\":%.6g,\"longest_innings\":%lld,",
                   PerGame(t.Innings, t), Percent(t.NineInnings, t.Games) / 100, Percent(t.TenInnings, t.Games) / 100,
                   Percent(t.ElevenOrMore, t.Games) / 100, static_cast<long long>(t.Longest));
    json += Format("\"presses_per_game\":%.6g,\"pitch_presses_per_game\":%.6g,\"attack_presses_per_game\":%.6g,"
                   "\"other_dialog_presses_per_game\":%.6g,\"boxes_per_game\":%.6g,",
                   PerGame(presses, t), PerGame(t.PitchPresses, t), PerGame(t.AttackPresses, t),
                   PerGame(t.OtherPresses, t), PerGame(t.Boxes, t));
    json += Format("\"battles_per_game\":%.6g,\"humans_battle_win_share\":%.6g", PerGame(t.Battles, t),
                   Percent(t.BattlesHumansWon, t.Battles) / 100);
    return json;
}

}  // namespace

std::pair<double, double> Interval95(std::uint64_t hits, std::uint64_t games)
{
    if (games == 0)
        return {0.0, 1.0};
    const double z = 1.959963984540054;
    const double n = double(games);
    const double p = double(hits) / n;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z / (1 + z * z / n) * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n));
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

std::string ReportTable(const RunOptions& o, const RunResult& r)
{
    std::string text;
    if (o.Policies.size() == 1) {
        const Policy& p = o.Policies.front();
        const Tally& t = r.Tallies.front();
        const auto [low, high] = Interval95(t.HumansWins, t.Games);
        const std::uint64_t presses = t.PitchPresses + t.AttackPresses + t.OtherPresses + t.Boxes;
        text += Format("%llu games, seed %llu, skill %s, battle %s\n\n", static_cast<unsigned long long>(t.Games),
                       static_cast<unsigned long long>(o.Seed), Name(p.Skill), Name(p.Battle));
        text += Format("%-18s %.2f %% (95 %% interval %.2f %% to %.2f %%); Monsters %.2f %%\n", "Humans win",
                       Percent(t.HumansWins, t.Games), 100 * low, 100 * high, 100 - Percent(t.HumansWins, t.Games));
        text += Format("%-18s Humans %.2f, Monsters %.2f\n", "Runs per game", PerGame(t.HumansRuns, t),
                       PerGame(t.MonstersRuns, t));
        text += Format("%-18s Humans held to 0 in %.2f %%, Monsters in %.2f %%\n", "Shut-outs",
                       Percent(t.HumansShutOut, t.Games), Percent(t.MonstersShutOut, t.Games));
        text += Format("%-18s %.2f: 9 in %.1f %%, 10 in %.1f %%, 11 or more in %.1f %%; longest %lld\n",
                       "Innings per game", PerGame(t.Innings, t), Percent(t.NineInnings, t.Games),
                       Percent(t.TenInnings, t.Games), Percent(t.ElevenOrMore, t.Games),
                       static_cast<long long>(t.Longest));
        text += Format("%-18s %.1f: %.1f pitch or swing, %.1f attack, %.1f other dialog, %.1f boxes dismissed\n",
                       "Presses per game", PerGame(presses, t), PerGame(t.PitchPresses, t),
                       PerGame(t.AttackPresses, t), PerGame(t.OtherPresses, t), PerGame(t.Boxes, t));
        text += Format("%-18s %.2f; the Humans win %.1f %% of them\n", "Battles per game", PerGame(t.Battles, t),
                       Percent(t.BattlesHumansWon, t.Battles));
    } else {
        text += Format("%llu games a policy, seed %llu\n\n", static_cast<unsigned long long>(o.Games),
                       static_cast<unsigned long long>(o.Seed));
        text += Format("%-7s %-10s %10s  %-19s %7s %7s %7s %8s %8s %11s\n", "skill", "battle", "Humans win",
                       "95 % interval", "H runs", "M runs", "innings", "presses", "battles", "battles won");
        for (std::size_t i = 0; i < o.Policies.size(); ++i) {
            const Policy& p = o.Policies[i];
            const Tally& t = r.Tallies[i];
            const auto [low, high] = Interval95(t.HumansWins, t.Games);
            const std::uint64_t presses = t.PitchPresses + t.AttackPresses + t.OtherPresses + t.Boxes;
            text += Format("%-7s %-10s %8.2f %%  %6.2f %% to %6.2f %% %7.2f %7.2f %7.2f %8.1f %8.2f %9.1f %%\n",
                           Name(p.Skill), Name(p.Battle), Percent(t.HumansWins, t.Games), 100 * low, 100 * high,
                           PerGame(t.HumansRuns, t), PerGame(t.MonstersRuns, t), PerGame(t.Innings, t),
                           PerGame(presses, t), PerGame(t.Battles, t), Percent(t.BattlesHumansWon, t.Battles));
        }
    }
    return text + "\n" + SpeedLine(o, r);
}

std::string ReportJson(const RunOptions& o, const RunResult& r)
{
    const std::uint64_t games = AllGames(r);
    const std::string run = Format("\"seed\":%llu,\"jobs\":%u,\"check\":%s,\"seconds\":%.3f,\"games_per_second\":%.0f",
                                   static_cast<unsigned long long>(o.Seed), o.Jobs, o.Check ? "true" : "false",
                                   r.Seconds, r.Seconds > 0 ? double(games) / r.Seconds : 0.0);
    if (o.Policies.size() == 1)
        return "{" + PolicyJson(o.Policies.front(), r.Tallies.front()) + "," + run + "}\n";
    std::string json = Format("{\"games\":%llu,\"policies\":[", static_cast<unsigned long long>(o.Games));
    for (std::size_t i = 0; i < o.Policies.size(); ++i)
        json += (i ? ",{" : "{") + PolicyJson(o.Policies[i], r.Tallies[i]) + "}";
    return json + "]," + run + "}\n";
}

}  // namespace pennantry::sim
