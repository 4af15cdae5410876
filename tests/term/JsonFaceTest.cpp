// The machine face played through the real program: whole games, the saved game, the ends of
// input, ignored words, replay by seed and the command line.
#include <algorithm>
#include <functional>
#include <fstream>
#include <map>

#include "ProgramRun.h"

namespace pennantry::test {
namespace {

const std::string Show = R"({"op":"show"})";
const std::string Close = R"({"op":"close"})";
const std::string SkillOpens = R"({"op":"dialog","dialog":"skill"})";
const std::string PitchButton = R"({"op":"button","button":"pitch")";
// A hook's answer that ends the input instead of sending a word.
const std::string EndInput = "<end of input>";

// What a player sees last: the play buttons, the bases and the scoreboard, by line prefix.
const std::vector<std::string> Tracked{PitchButton,           R"({"op":"button","button":"swing")",
                                       R"({"op":"base","base":1)", R"({"op":"base","base":2)",
                                       R"({"op":"base","base":3)", R"({"op":"refresh")"};

struct Play {
    int status = -1;
    std::vector<std::string> lines;  // everything the program wrote
    std::string input;               // everything answered, a line each
    std::map<std::string, std::string> last;  // the last line of each tracked prefix
};

// Sees each prompt first and may answer it; nothing leaves it to the policy.
using Hook = std::function<std::optional<std::string>(const std::string& prompt)>;

// Answers `word` at the nth showing of the prompt.
Hook At(const std::string& prompt, int nth, const std::string& word)
{
    return [=, seen = 0](const std::string& shown) mutable {
        return shown == prompt && ++seen == nth ? std::optional(word) : std::nullopt;
    };
}

// Plays by a simple policy: whichever play button is enabled, attack in every battle, Run then
// OK in the skill choice, `again` to "Play Again?" and OK everywhere else.
Play PlayGame(const std::string& configHome, const std::string& seed, const Hook& hook = {},
              const std::string& again = "no")
{
    Program program({"--json", "--seed", seed}, configHome);
    Play play;
    for (int base = 1; base <= 3; ++base)  // a base's line comes only when it changes
        play.last[Tracked[base + 1]] = Tracked[base + 1] + R"(,"occupied":false})";
    while (auto line = program.ReadLine()) {
        play.lines.push_back(*line);
        for (const auto& prefix : Tracked)
            if (line->starts_with(prefix))
                play.last[prefix] = *line;
        if (!line->starts_with(R"({"prompt":")"))
            continue;
        const std::string prompt = line->substr(11, line->size() - 13);
        std::string word = prompt == "main"     ? (play.last[PitchButton].ends_with("true}") ? "pitch" : "swing")
                           : prompt == "battle" ? "attack"
                           : prompt == "skill"  ? (play.input.ends_with("\nrun\n") ? "ok" : "run")
                           : prompt == "yesno"  ? again
                                                : "ok";
        if (hook)
            word = hook(prompt).value_or(word);
        if (word == EndInput) {
            program.CloseInput();
            continue;
        }
        play.input += word + "\n";
        program.Send(word + "\n");
    }
    play.status = program.Wait();
    return play;
}

struct Outcome {
    int status;
    std::string out, err;
};

Outcome RunProgram(const std::vector<std::string>& args, const std::string& input, const std::string& configHome)
{
    Program program(args, configHome);
    program.Send(input);
    const int status = program.Wait();
    return {status, program.out, program.err};
}

TEST(JsonFace, AWholeGameEndsInGameOverWhereNoClosesAndYesStartsANewGame)
{
    TempDir config;
    const Play no = PlayGame(config.Path(), "7");
    ASSERT_EQ(no.status, 0);
    const auto question = std::find(no.lines.begin(), no.lines.end(),
                                    R"({"op":"question","caption":"pennantry-term","text":"Play Again?"})");
    ASSERT_NE(question, no.lines.end());
    EXPECT_TRUE(std::any_of(no.lines.begin(), question, [](const std::string& line) {
        return line.starts_with(R"({"op":"message","caption":"pennantry-term","text":"ANNOUNCER: GAME OVER: The )");
    }));
    EXPECT_EQ(std::vector(question + 1, no.lines.end()),
              (std::vector<std::string>{R"({"prompt":"yesno"})", R"({"op":"dialog","dialog":"about"})",
                                        R"({"prompt":"about"})", R"({"op":"dialog-closed","dialog":"about"})", Close}));
    // The ended game was erased, so the next start is a new game.
    EXPECT_NE(RunProgram({"--json"}, "ok\n", config.Path()).out.find(SkillOpens), std::string::npos);

    // The same game again, this time leaving at the first main window after "yes".
    const auto mains = std::count(no.lines.begin(), no.lines.end(), R"({"prompt":"main"})");
    const Play yes = PlayGame(config.Path(), "7", At("main", static_cast<int>(mains) + 1, "escape"), "yes");
    ASSERT_EQ(yes.status, 0);
    const auto answered = std::find(yes.lines.begin(), yes.lines.end(), R"({"prompt":"yesno"})");
    ASSERT_LT(answered + 1, yes.lines.end());
    EXPECT_EQ(answered[1], SkillOpens);
    EXPECT_NE(yes.last.at(Tracked.back()).find(R"("HumansScore":"0","Inning":"1","InningHalf":"T")"),
              std::string::npos);
    EXPECT_EQ(std::count(yes.lines.begin(), yes.lines.end(), Show), 1);
    EXPECT_EQ(yes.lines.back(), Close);
}

TEST(JsonFace, ASavedGameIsLoadedByTheNextRunWithTheSameScoreboardBasesAndButtons)
{
    TempDir config;
    const Play first = PlayGame(config.Path(), "7", At("main", 40, "save"));
    ASSERT_EQ(first.status, 0);
    ASSERT_EQ(first.lines.back(), Close);
    const Play second = PlayGame(config.Path(), "8", At("main", 1, "escape"));
    EXPECT_EQ(std::count(second.lines.begin(), second.lines.end(), SkillOpens), 0);
    EXPECT_EQ(second.last, first.last);
}

TEST(JsonFace, AStoreThatCannotBeOpenedShowsTheMessageAndClosesWithoutShowing)
{
    TempDir config;
    std::ofstream(config.Path() + "/plain-file") << "not a folder";
    const Outcome outcome = RunProgram({"--json", "--seed", "1"}, "ok\n", config.Path() + "/plain-file/config");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_TRUE(outcome.out.ends_with(
        R"({"op":"message","caption":"pennantry-term","text":"Sorry - you need administrator privileges to run Pennantry."})"
        "\n" R"({"prompt":"ok"})" "\n" + Close + "\n")) << outcome.out;
    EXPECT_EQ(outcome.out.find(Show), std::string::npos);
}

// At the main window the end of input is the close box, which saves; anywhere else the program
// ends at once, writing nothing more and saving nothing.
TEST(JsonFace, TheEndOfInputAtEachPromptEndsTheProgramSavingOnlyAtTheMainWindow)
{
    const std::vector<std::pair<std::string, int>> cases{{"main", 25}, {"ok", 20},     {"about", 1},
                                                         {"skill", 1}, {"battle", 3}, {"yesno", 1}};
    for (const auto& [prompt, nth] : cases) {
        SCOPED_TRACE(prompt);
        TempDir config;
        // A saved game to begin from, so that a save (or its absence) shows at the next start.
        const Play setup = PlayGame(config.Path(), "7", At("main", 10, "save"));
        const Play ended = PlayGame(config.Path(), "11", At(prompt, nth, EndInput));
        EXPECT_EQ(ended.status, 0);
        EXPECT_EQ(ended.lines.back(), prompt == "main" ? Close : R"({"prompt":")" + prompt + R"("})");
        const Play next = PlayGame(config.Path(), "12", At("main", 1, "escape"));
        if (prompt == "main")
            EXPECT_EQ(next.last, ended.last);
        else if (prompt == "yesno")  // the game that ended had already erased the save
            EXPECT_EQ(std::count(next.lines.begin(), next.lines.end(), SkillOpens), 1);
        else
            EXPECT_EQ(next.last, setup.last);
    }
}

TEST(JsonFace, WordsAPromptDoesNotTakeNowAreReportedAndThePromptComesAgain)
{
    struct Case {
        std::string prompt, word, reported;
    };
    const std::vector<Case> cases{
        {"skill", "ok", "ok"},  // before any pick
        {"main", "jump", "jump"},
        {"main", "PITCH", "PITCH"},
        {"main", "swing", "swing"},  // while the humans pitch
        {"main", "say \"hi\"\\", R"(say \"hi\"\\)"},
        {"main", "\x01\xff", R"(\u0001\ufffd)"},
        {"battle", "return", "return"},  // before a runner can go back
    };
    std::size_t next = 0;
    TempDir config;
    const Play play = PlayGame(config.Path(), "3", [&](const std::string& prompt) -> std::optional<std::string> {
        if (next < cases.size() && cases[next].prompt == prompt)
            return cases[next++].word;
        return next == cases.size() && prompt == "main" ? std::optional<std::string>("  escape\r") : std::nullopt;
    });
    EXPECT_EQ(play.status, 0);
    ASSERT_EQ(next, cases.size());
    for (const Case& c : cases) {
        const auto at = std::find(play.lines.begin(), play.lines.end(), R"({"op":"ignored","input":")" + c.reported + "\"}");
        ASSERT_LT(at + 1, play.lines.end()) << c.word;
        EXPECT_EQ(at[1], R"({"prompt":")" + c.prompt + "\"}");
    }
    EXPECT_EQ(play.lines.back(), Close);
}

TEST(JsonFace, TheSameSeedAndTheSameInputGiveTheSameOutputByteForByte)
{
    TempDir first, second;
    const Play play = PlayGame(first.Path(), "424242", At("main", 150, "escape"));
    ASSERT_EQ(play.status, 0);
    std::string written;
    for (const auto& line : play.lines)
        written += line + "\n";
    const Outcome replay = RunProgram({"--json", "--seed", "424242"}, play.input, second.Path());
    EXPECT_EQ(replay.status, 0);
    EXPECT_EQ(replay.out, written);
}

// The parser itself is tested as a table; this checks the program is wired to it.
TEST(TermCommandLine, TheProgramTakesTheSharedCommandLine)
{
    TempDir config;
    EXPECT_EQ(RunProgram({"--version"}, "", config.Path()).out, "pennantry-term 1.0\n");
    const Outcome refused = RunProgram({"--seed=9223372036854775808"}, "", config.Path());
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "usage: pennantry-term [--json] [--seed N] [--help] [--version]\n");
}

}  // namespace
}  // namespace pennantry::test
