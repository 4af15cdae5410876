// The shared command line: what a program is given decides whether it runs, prints or refuses.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "CommandLine.h"

namespace pennantry {
namespace {

std::string Contents(std::FILE* file)
{
    std::string text(static_cast<std::size_t>(std::ftell(file)), '\0');
    std::rewind(file);
    text.resize(std::fread(text.data(), 1, text.size(), file));
    std::fclose(file);
    return text;
}

TEST(CommandLine, OptionsInEitherSpellingHelpAndVersionSucceedAnythingElseIsTheUsageAndStatusTwo)
{
    const std::string usage = "usage: pt [--json] [--seed N] [--help] [--version]\n";
    const struct {
        std::vector<const char*> args;
        std::optional<int> status;
        std::string out, seedAndJson;
    } cases[]{
        {{}, std::nullopt, "", "-"},
        {{"--seed", "7", "--json"}, std::nullopt, "", "7j"},
        {{"--seed=0", "--seed", "1000"}, std::nullopt, "", "1000-"},
        {{"--help", "--bogus"}, 0, usage + "Plays.\n", "-"},
        {{"--json", "--version"}, 0, "pennantry-term " PENNANTRY_VERSION "\n", "j"},
        {{"--bogus", "--help"}, 2, "", "-"},
        {{"-json"}, 2, "", "-"},
        {{"--json=1"}, 2, "", "-"},
        {{"--seed"}, 2, "", "-"},
        {{"--seed=1001"}, 2, "", "-"},
    };
    for (const auto& row : cases) {
        CommandLine line("pennantry-term", "Plays.\n");
        line.AddFlag("json");
        line.AddNumber("seed", "N", 1000);
        std::vector<const char*> argv{"./pt"};
        argv.insert(argv.end(), row.args.begin(), row.args.end());
        std::FILE *out = std::tmpfile(), *err = std::tmpfile();
        EXPECT_EQ(line.Parse(static_cast<int>(argv.size()), argv.data(), out, err), row.status) << argv.back();
        EXPECT_EQ(Contents(out), row.out);
        EXPECT_EQ(Contents(err), row.status == 2 ? usage : "");
        EXPECT_EQ(line.Value("seed").value_or("") + (line.Has("json") ? "j" : "-"), row.seedAndJson);
    }
}

TEST(CommandLine, AWholeNumberIsDigitsOnlyUpToItsLargestValue)
{
    const struct {
        const char* text;
        std::uint64_t largest;
        std::optional<std::uint64_t> value;
    } cases[]{
        {"007", 7, 7},
        {"18446744073709551615", UINT64_MAX, UINT64_MAX},
        {"18446744073709551616", UINT64_MAX, std::nullopt},
        {"", 9, std::nullopt},
        {"0x1", 9, std::nullopt},
    };
    for (const auto& row : cases)
        EXPECT_EQ(ParseWholeNumber(row.text, row.largest), row.value) << row.text;
}

}  // namespace
}  // namespace pennantry
