// The shared command-line parser of every program.
#include "CommandLine.h"

#include <utility>

namespace pennantry {

CommandLine::CommandLine(std::string program, std::string summary)
    : program_(std::move(program)), summary_(std::move(summary)), calledAs_(program_)
{
}

void CommandLine::AddFlag(std::string name) { options_.push_back({"--" + std::move(name), {}, {}, std::nullopt}); }

void CommandLine::AddValue(std::string name, std::string valueName, Check check, bool required)
{
    options_.push_back({"--" + std::move(name), std::move(valueName), std::move(check), std::nullopt, required});
}

void CommandLine::AddNumber(std::string name, std::string valueName, std::uint64_t largest)
{
    AddValue(std::move(name), std::move(valueName),
             [largest](std::string_view text) { return ParseWholeNumber(text, largest).has_value(); });
}

CommandLine::Option* CommandLine::Find(std::string_view name)
{
    for (auto& option : options_)
        if (option.name == name)
            return &option;
    return nullptr;
}

const CommandLine::Option* CommandLine::Find(std::string_view name) const
{
    return const_cast<CommandLine*>(this)->Find(name);
}

// One argument (and the value after it, for "--seed N"); false when it is not one we take.
bool CommandLine::Take(std::string_view arg, int& i, int argc, const char* const* argv)
{
    const auto equals = arg.find('=');
    Option* option = Find(arg.substr(0, equals));
    if (!option)
        return false;
    if (option->valueName.empty()) {
        if (equals != std::string_view::npos)
            return false;
        option->value = "";
        return true;
    }
    std::string_view value;
    if (equals != std::string_view::npos)
        value = arg.substr(equals + 1);
    else if (i + 1 < argc)
        value = argv[++i];
    else
        return false;
    if (option->check && !option->check(value))
        return false;
    option->value = std::string(value);
    return true;
}

std::optional<int> CommandLine::Parse(int argc, const char* const* argv, std::FILE* out, std::FILE* err)
{
    if (argc > 0 && argv[0] && *argv[0]) {
        const std::string_view path = argv[0];
        const auto slash = path.find_last_of('/');
        const std::string_view base = slash == std::string_view::npos ? path : path.substr(slash + 1);
        if (!base.empty())
            calledAs_ = std::string(base);
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i] ? argv[i] : "";
        if (arg == "--help") {
            std::fprintf(out, "%s\n%s", Usage().c_str(), summary_.c_str());
            return 0;
        }
        if (arg == "--version") {
            std::fprintf(out, "%s %s\n", program_.c_str(), PENNANTRY_VERSION);
            return 0;
        }
        if (!arg.starts_with("--") || !Take(arg, i, argc, argv)) {
            std::fprintf(err, "%s\n", Usage().c_str());
            return 2;
        }
    }
    for (const auto& option : options_)
        if (option.required && !option.value) {
            std::fprintf(err, "%s: %s %s is required\n%s\n", calledAs_.c_str(), option.name.c_str(),
                         option.valueName.c_str(), Usage().c_str());
            return 2;
        }
    return std::nullopt;
}

bool CommandLine::Has(std::string_view name) const
{
    const Option* option = Find("--" + std::string(name));
    return option && option->value;
}

std::optional<std::string> CommandLine::Value(std::string_view name) const
{
    const Option* option = Find("--" + std::string(name));
    return option ? option->value : std::nullopt;
}

std::optional<std::uint64_t> CommandLine::Number(std::string_view name) const
{
    const auto value = Value(name);
    return value ? ParseWholeNumber(*value, UINT64_MAX) : std::nullopt;
}

std::string CommandLine::Usage() const
{
    std::string usage = "usage: " + calledAs_;
    for (const auto& option : options_) {
        const std::string spelled = option.name + (option.valueName.empty() ? "" : " " + option.valueName);
        usage += option.required ? " " + spelled : " [" + spelled + "]";
    }
    return usage + " [--help] [--version]";
}

std::optional<std::uint64_t> ParseWholeNumber(std::string_view text, std::uint64_t largest)
{
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (c < '0' || c > '9' || digit > largest || value > (largest - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

}  // namespace pennantry
