// The shared command line: what each program is given decides whether it runs, prints or refuses.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "CommandLine.h"

namespace pennantry {
namespace {

struct Parsed {
    std::optional<int> status;
    std::string out, err;
    std::optional<std::string> seed;
    bool json = false;
};

std::string Contents(std::FILE* file)
{
    std::string text;
    std::rewind(file);
    for (int c; (c = std::fgetc(file)) != EOF;)
        text += static_cast<char>(c);
    std::fclose(file);
    return text;
}

// The terminal edition's options, given `args` after the program file's name.
Parsed Parse(std::vector<const char*> args, const char* called = "/usr/games/pennantry-term")
{
    CommandLine line("pennantry-term", "Plays.\n");
    line.AddFlag("json");
    line.AddNumber("seed", "N", 1000);
    args.insert(args.begin(), called);
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    Parsed parsed;
    parsed.status = line.Parse(static_cast<int>(args.size()), args.data(), out, err);
    parsed.out = Contents(out);
    parsed.err = Contents(err);
    parsed.seed = line.Value("seed");
    parsed.json = line.Has("json");
    return parsed;
}

TEST(CommandLine, OptionsWithAndWithoutValuesAreTakenInEitherSpellingTheLastValueCounting)
{
    const struct {
        std::vector<const char*> args;
        std::optional<std::string> seed;
        bool json;
    } cases[]{
        {{}, std::nullopt, false},
        {{"--json"}, std::nullopt, true},
        {{"--seed", "7", "--json"}, "7", true},
        {{"--seed=1000"}, "1000", false},
        {{"--seed=0", "--seed", "12"}, "12", false},
    };
    for (const auto& row : cases) {
        const Parsed parsed = Parse(row.args);
        SCOPED_TRACE(row.args.size());
        EXPECT_EQ(parsed.status, std::nullopt) << parsed.err;
        EXPECT_EQ(parsed.seed, row.seed);
        EXPECT_EQ(parsed.json, row.json);
        EXPECT_EQ(parsed.out + parsed.err, "");
    }
}

TEST(CommandLine, HelpAndVersionPrintAndSucceedAnythingElseIsTheUsageLineAndStatusTwo)
{
    const std::string usage = "usage: pennantry-term [--json] [--seed N] [--help] [--version]\n";
    const struct {
        std::vector<const char*> args;
        int status;
        std::string out;
    } cases[]{
        {{"--help", "--bogus"}, 0, usage + "Plays.\n"},
        {{"--json", "--version"}, 0, "pennantry-term " PENNANTRY_VERSION "\n"},
        {{"--bogus", "--help"}, 2, ""},
        {{"json"}, 2, ""},
        {{"-json"}, 2, ""},
        {{"--json=1"}, 2, ""},
        {{"--help=1"}, 2, ""},
        {{"--seed"}, 2, ""},
        {{"--seed="}, 2, ""},
        {{"--seed", "--json"}, 2, ""},
        {{"--seed", "-5"}, 2, ""},
        {{"--seed", "+5"}, 2, ""},
        {{"--seed", "5x"}, 2, ""},
        {{"--seed", "1001"}, 2, ""},
        {{"--seed=99999999999999999999999"}, 2, ""},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.args.front());
        const Parsed parsed = Parse(row.args);
        EXPECT_EQ(parsed.status, row.status);
        EXPECT_EQ(parsed.out, row.out);
        EXPECT_EQ(parsed.err, row.status == 2 ? usage : "");
    }
    // The usage bears the program file's name; --version the fixed one.
    EXPECT_EQ(Parse({"-x"}, "./pt").err, "usage: pt [--json] [--seed N] [--help] [--version]\n");
    EXPECT_EQ(Parse({"--version"}, "./pt").out, "pennantry-term " PENNANTRY_VERSION "\n");
}

TEST(CommandLine, AWholeNumberIsDigitsOnlyUpToItsLargestValue)
{
    const struct {
        const char* text;
        std::uint64_t largest;
        std::optional<std::uint64_t> value;
    } cases[]{
        {"0", 0, 0},
        {"007", 7, 7},
        {"9223372036854775807", INT64_MAX, INT64_MAX},
        {"18446744073709551615", UINT64_MAX, UINT64_MAX},
        {"9223372036854775808", INT64_MAX, std::nullopt},
        {"18446744073709551616", UINT64_MAX, std::nullopt},
        {"8", 7, std::nullopt},
        {"", 9, std::nullopt},
        {" 1", 9, std::nullopt},
        {"0x1", 9, std::nullopt},
    };
    for (const auto& row : cases)
        EXPECT_EQ(ParseWholeNumber(row.text, row.largest), row.value) << row.text;
}

}  // namespace
}  // namespace pennantry
