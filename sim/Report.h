// The simulator's report: a table for people, JSON for programs.
#pragma once

#include <string>
#include <utility>

#include "Simulator.h"

namespace pennantry::sim {

// The 95 % interval of a share of `hits` in `games` (Wilson's score interval).
std::pair<double, double> Interval95(std::uint64_t hits, std::uint64_t games);

// One policy gets the whole table; several get one row each.
std::string ReportTable(const RunOptions& options, const RunResult& result);
std::string ReportJson(const RunOptions& options, const RunResult& result);

}  // namespace pennantry::sim
