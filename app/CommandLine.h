// One command line for every program: long options with or without a value, --help, --version
// and the usage line. Standard C++ only, so every edition's entry point can use it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pennantry {

class CommandLine {
public:
    // Refuses a malformed value; the program then ends with the usage line.
    using Check = std::function<bool(std::string_view)>;

    // `program` is the fixed name --version prints; `summary` is what --help prints below the usage.
    CommandLine(std::string program, std::string summary);

    // An option without a value, "--json".
    void AddFlag(std::string name);
    // An option with a value, "--seed N" or "--seed=N"; the last one given counts. Without a
    // required one, the program ends with a line naming it and the usage line.
    void AddValue(std::string name, std::string valueName, Check check, bool required = false);
    // An option whose value is a whole number from 0 to `largest` (ParseWholeNumber).
    void AddNumber(std::string name, std::string valueName, std::uint64_t largest);

    // Reads the arguments after the program's name, in order. The status to end with at once: 0 after
    // --help or --version (written on `out`), 2 after a bad or missing argument (the usage line on `err`);
    // none when the program runs on.
    std::optional<int> Parse(int argc, const char* const* argv, std::FILE* out, std::FILE* err);

    bool Has(std::string_view name) const;
    std::optional<std::string> Value(std::string_view name) const;
    std::optional<std::uint64_t> Number(std::string_view name) const;

    // The program file's name without its folder, once parsed; the fixed name when there is none.
    const std::string& ProgramFileName() const { return calledAs_; }

    // "usage: NAME --games N [--json] [--help] [--version]", NAME being the program file's name and
    // only the optional options in brackets.
    std::string Usage() const;

private:
    struct Option {
        std::string name;       // with its dashes
        std::string valueName;  // empty for a flag
        Check check;
        std::optional<std::string> value;  // "" for a flag that was given
        bool required = false;
    };
    Option* Find(std::string_view name);
    const Option* Find(std::string_view name) const;
    bool Take(std::string_view arg, int& i, int argc, const char* const* argv);

    std::string program_;
    std::string summary_;
    std::string calledAs_;
    std::vector<Option> options_;
};

// A whole decimal number from 0 to `largest`, with nothing else in it (no sign, no spaces).
std::optional<std::uint64_t> ParseWholeNumber(std::string_view text, std::uint64_t largest);

}  // namespace pennantry
