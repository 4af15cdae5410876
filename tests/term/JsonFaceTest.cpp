// The machine face played through the real program: whole games, the saved game, the ends of
// input, ignored words, replay by seed and the command line.
#include <algorithm>
#include <array>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "ProgramRun.h"

namespace pennantry::test {
namespace {

const std::string Show = R"({"op":"show"})";
const std::string Close = R"({"op":"close"})";
const std::string SkillOpens = R"({"op":"dialog","dialog":"skill"})";
const std::string CloseInputNow = "<end of input>";

bool Contains(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    return text;
}

// Plays the program by a simple policy: at the main window whichever play button is enabled,
// attack in every battle, Run then OK in the skill choice, OK everywhere else, and the given
// answer to "Play Again?". A hook may answer a prompt first (CloseInputNow ends the input).
struct Bot {
    std::string playAgain = "no";
    std::function<std::optional<std::string>(const std::string& prompt, const Bot& bot)> hook;
    int maxPrompts = 100000;

    std::vector<std::string> lines;  // everything the program wrote
    std::vector<std::string> sent;   // every word the bot answered
    bool pitchEnabled = true;
    bool swingEnabled = false;
    bool okEnabled = false;
    bool returnEnabled = false;
    std::array<bool, 3> bases{};
    std::string lastRefresh;

    int Count(const std::string& line) const { return static_cast<int>(std::count(lines.begin(), lines.end(), line)); }

    void Track(const std::string& line)
    {
        auto is = [&](const char* text) { return line == text; };
        if (is(R"({"op":"button","button":"pitch","enabled":true})")) pitchEnabled = true;
        if (is(R"({"op":"button","button":"pitch","enabled":false})")) pitchEnabled = false;
        if (is(R"({"op":"button","button":"swing","enabled":true})")) swingEnabled = true;
        if (is(R"({"op":"button","button":"swing","enabled":false})")) swingEnabled = false;
        if (is(R"({"op":"button","button":"ok","enabled":true})")) okEnabled = true;
        if (is(R"({"op":"button","button":"return","enabled":true})")) returnEnabled = true;
        if (is(R"({"op":"button","button":"return","enabled":false})")) returnEnabled = false;
        if (line == SkillOpens) okEnabled = false;
        for (int base = 1; base <= 3; ++base)
            for (bool occupied : {false, true})
                if (line == R"({"op":"base","base":)" + std::to_string(base) + R"(,"occupied":)" +
                                (occupied ? "true" : "false") + "}")
                    bases[static_cast<std::size_t>(base - 1)] = occupied;
        if (line.rfind(R"({"op":"refresh")", 0) == 0)
            lastRefresh = line;
    }

    std::string Answer(const std::string& prompt) const
    {
        if (prompt == "main") return pitchEnabled ? "pitch" : "swing";
        if (prompt == "battle") return "attack";
        if (prompt == "skill") return okEnabled ? "ok" : "run";
        if (prompt == "yesno") return playAgain;
        return "ok";
    }

    // Plays until the output ends; returns the exit status.
    int Play(Session& session)
    {
        int prompts = 0;
        while (auto line = session.ReadLine()) {
            lines.push_back(*line);
            Track(*line);
            const auto prompt = PromptOf(*line);
            if (!prompt)
                continue;
            if (++prompts > maxPrompts) {
                ADD_FAILURE() << "the game went on too long";
                break;
            }
            std::optional<std::string> word = hook ? hook(*prompt, *this) : std::nullopt;
            if (!word)
                word = Answer(*prompt);
            if (*word == CloseInputNow) {
                session.CloseInput();
                continue;
            }
            sent.push_back(*word);
            session.Send(*word);
        }
        return session.Wait();
    }
};

int PlayGame(Bot& bot, const std::string& configHome, const std::string& seed = "7")
{
    Session session({"--json", "--seed", seed}, configHome);
    return bot.Play(session);
}

// Index of the first line that satisfies the test, or lines.size().
std::size_t Find(const std::vector<std::string>& lines, const std::function<bool(const std::string&)>& test,
                 std::size_t from = 0)
{
    for (std::size_t i = from; i < lines.size(); ++i)
        if (test(lines[i]))
            return i;
    return lines.size();
}

bool StartsWith(const std::string& line, const std::string& head) { return line.rfind(head, 0) == 0; }

TEST(JsonFace, AWholeGameEndsInGameOverAndNoShowsTheAboutBoxThenCloses)
{
    TempDir config;
    Bot bot;
    ASSERT_EQ(PlayGame(bot, config.Path()), 0);

    const auto question = Find(bot.lines, [](const std::string& line) {
        return line == R"({"op":"question","caption":"pennantry-term","text":"Play Again?"})";
    });
    ASSERT_LT(question, bot.lines.size()) << "no Play Again? question";
    const auto gameOver = Find(bot.lines, [](const std::string& line) {
        return StartsWith(line, R"({"op":"message","caption":"pennantry-term","text":"ANNOUNCER: GAME OVER: The )");
    });
    EXPECT_LT(gameOver, question);
    const std::vector<std::string> ending(bot.lines.begin() + static_cast<long>(question) + 1, bot.lines.end());
    const std::vector<std::string> expected{
        R"({"prompt":"yesno"})", R"({"op":"dialog","dialog":"about"})", R"({"prompt":"about"})",
        R"({"op":"dialog-closed","dialog":"about"})", Close,
    };
    EXPECT_EQ(ending, expected);

    // The ended game was erased, so the next start is a new game.
    const Outcome next = RunProgram({"--json"}, "ok\n", config.Path());
    EXPECT_NE(next.out.find(SkillOpens), std::string::npos) << next.out;
}

TEST(JsonFace, YesToPlayAgainStartsANewGameInTheSameWindow)
{
    TempDir config;
    Bot bot;
    bot.playAgain = "yes";
    bool answered = false;
    bot.hook = [&answered](const std::string& prompt, const Bot&) -> std::optional<std::string> {
        if (prompt == "yesno")
            answered = true;
        if (answered && prompt == "main")
            return std::string("escape");
        return std::nullopt;
    };
    ASSERT_EQ(PlayGame(bot, config.Path()), 0);

    const auto question = Find(bot.lines, [](const std::string& line) { return line == R"({"prompt":"yesno"})"; });
    ASSERT_LT(question, bot.lines.size());
    ASSERT_LT(question + 1, bot.lines.size());
    EXPECT_EQ(bot.lines[question + 1], SkillOpens);
    EXPECT_NE(bot.lastRefresh.find(R"("HumansScore":"0")"), std::string::npos) << bot.lastRefresh;
    EXPECT_NE(bot.lastRefresh.find(R"("Inning":"1","InningHalf":"T")"), std::string::npos) << bot.lastRefresh;
    EXPECT_EQ(bot.Count(Show), 1);
    EXPECT_EQ(bot.lines.back(), Close);
}

TEST(JsonFace, ASavedGameIsLoadedByTheNextRunWithTheSameScoreboardAndBases)
{
    TempDir config;
    Bot first;
    int mains = 0;
    first.hook = [&mains](const std::string& prompt, const Bot&) -> std::optional<std::string> {
        if (prompt == "main" && ++mains == 40)
            return std::string("save");
        return std::nullopt;
    };
    ASSERT_EQ(PlayGame(first, config.Path()), 0);
    ASSERT_EQ(first.lines.back(), Close);

    Bot second;
    second.hook = [](const std::string& prompt, const Bot&) -> std::optional<std::string> {
        if (prompt == "main")
            return std::string("escape");
        return std::nullopt;
    };
    ASSERT_EQ(PlayGame(second, config.Path(), "8"), 0);
    EXPECT_FALSE(Contains(second.lines, SkillOpens));
    EXPECT_EQ(second.lastRefresh, first.lastRefresh);
    EXPECT_EQ(second.bases, first.bases);
    EXPECT_EQ(second.pitchEnabled, first.pitchEnabled);
    EXPECT_EQ(second.swingEnabled, first.swingEnabled);
}

TEST(JsonFace, AStoreThatCannotBeOpenedShowsTheMessageAndClosesWithoutShowing)
{
    TempDir config;
    const std::string file = config.Path() + "/plain-file";
    { std::ofstream(file) << "not a folder"; }
    const Outcome outcome = RunProgram({"--json", "--seed", "1"}, "ok\n", file + "/config");
    EXPECT_EQ(outcome.status, 0);
    const std::string expected =
        R"({"op":"message","caption":"pennantry-term","text":"Sorry - you need administrator privileges to run Pennantry."})"
        "\n"
        R"({"prompt":"ok"})"
        "\n" +
        Close + "\n";
    ASSERT_GE(outcome.out.size(), expected.size());
    EXPECT_EQ(outcome.out.substr(outcome.out.size() - expected.size()), expected);
    EXPECT_EQ(outcome.out.find(Show), std::string::npos);
}

// At the main window the end of input is the close box, which saves; anywhere else the program
// ends at once, writing nothing more and saving nothing.
TEST(JsonFace, TheEndOfInputAtEachPromptEndsTheProgramAsTheProtocolSays)
{
    struct Case {
        std::string prompt;
        int occurrence;  // which showing of that prompt ends the input
        bool saves;
    };
    const std::vector<Case> cases{
        {"main", 25, true}, {"ok", 20, false}, {"about", 1, false},
        {"skill", 1, false}, {"battle", 3, false}, {"yesno", 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prompt);
        TempDir config;
        // A saved game to begin from, so that a save (or its absence) shows at the next start.
        Bot setup;
        int mains = 0;
        setup.hook = [&mains](const std::string& prompt, const Bot&) -> std::optional<std::string> {
            if (prompt == "main" && ++mains == 10)
                return std::string("save");
            return std::nullopt;
        };
        ASSERT_EQ(PlayGame(setup, config.Path()), 0);

        Bot bot;
        int seen = 0;
        bot.hook = [&](const std::string& prompt, const Bot&) -> std::optional<std::string> {
            if (prompt == c.prompt && ++seen == c.occurrence)
                return CloseInputNow;
            return std::nullopt;
        };
        ASSERT_EQ(PlayGame(bot, config.Path(), "11"), 0);
        ASSERT_EQ(seen, c.occurrence);
        if (c.saves) {
            EXPECT_EQ(bot.lines.back(), Close);
        } else {
            EXPECT_EQ(bot.lines.back(), R"({"prompt":")" + c.prompt + R"("})");
        }

        Bot next;
        next.hook = [](const std::string& prompt, const Bot&) -> std::optional<std::string> {
            return prompt == "main" ? std::optional<std::string>("escape") : std::nullopt;
        };
        ASSERT_EQ(PlayGame(next, config.Path(), "12"), 0);
        if (c.saves)
            EXPECT_EQ(next.lastRefresh, bot.lastRefresh);
        else if (c.prompt == "yesno")  // the game that ended had already erased the save
            EXPECT_TRUE(Contains(next.lines, SkillOpens));
        else
            EXPECT_EQ(next.lastRefresh, setup.lastRefresh);
    }
}

TEST(JsonFace, WordsThatMeanNothingAtAPromptAreReportedAndThePromptComesAgain)
{
    TempDir config;
    const std::string input = "ok\n"               // about
                              "ok\nrun\nok\n"      // skill: OK refused before a pick
                              "\n"                 // PLAY BALL!
                              "jump\nPITCH\nswing\nsay \"hi\"\\\n\x01\xff\n"
                              "  escape\r\n";
    const Outcome outcome = RunProgram({"--json", "--seed", "3"}, input, config.Path());
    EXPECT_EQ(outcome.status, 0);
    for (const std::string ignored : {
             R"({"op":"ignored","input":"ok"})",
             R"({"op":"ignored","input":"jump"})",
             R"({"op":"ignored","input":"PITCH"})",
             R"({"op":"ignored","input":"swing"})",
             R"({"op":"ignored","input":"say \"hi\"\\"})",
             R"({"op":"ignored","input":"\u0001\ufffd"})",
         }) {
        EXPECT_NE(outcome.out.find(ignored + "\n"), std::string::npos) << ignored;
    }
    EXPECT_NE(outcome.out.find(R"({"op":"ignored","input":"ok"})" "\n" R"({"prompt":"skill"})"), std::string::npos);
    EXPECT_EQ(outcome.out.substr(outcome.out.size() - Close.size() - 1), Close + "\n");
}

TEST(JsonFace, ReturnToBaseIsIgnoredWhileItIsDisabled)
{
    TempDir config;
    Bot bot;
    bool tried = false;
    std::size_t triedAt = 0;
    bot.hook = [&](const std::string& prompt, const Bot& self) -> std::optional<std::string> {
        if (prompt == "battle" && !tried && !self.returnEnabled) {
            tried = true;
            triedAt = self.lines.size();
            return std::string("return");
        }
        if (prompt == "main" && tried)
            return std::string("escape");
        return std::nullopt;
    };
    ASSERT_EQ(PlayGame(bot, config.Path()), 0);
    ASSERT_TRUE(tried);
    ASSERT_LT(triedAt + 1, bot.lines.size());
    EXPECT_EQ(bot.lines[triedAt], R"({"op":"ignored","input":"return"})");
    EXPECT_EQ(bot.lines[triedAt + 1], R"({"prompt":"battle"})");
}

TEST(JsonFace, TheSameSeedAndTheSameInputGiveTheSameOutputByteForByte)
{
    TempDir first, second;
    Bot bot;
    int mains = 0;
    bot.hook = [&mains](const std::string& prompt, const Bot&) -> std::optional<std::string> {
        if (prompt == "main" && ++mains == 150)
            return std::string("escape");
        return std::nullopt;
    };
    ASSERT_EQ(PlayGame(bot, first.Path(), "424242"), 0);
    std::string input;
    for (const auto& word : bot.sent)
        input += word + "\n";
    const Outcome replay = RunProgram({"--json", "--seed", "424242"}, input, second.Path());
    EXPECT_EQ(replay.status, 0);
    EXPECT_EQ(replay.out, Joined(bot.lines));
}

TEST(CommandLine, HelpAndVersionSucceedAndAnythingElseIsAUsageError)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        bool usageOnStderr;
    };
    const std::vector<Case> cases{
        {{"--help"}, 0, false},         {{"--version"}, 0, false},     {{"--bogus"}, 2, true},
        {{"--seed"}, 2, true},          {{"--seed", "x1"}, 2, true},   {{"--seed", "-5"}, 2, true},
        {{"--seed=99999999999999999999"}, 2, true}, {{"json"}, 2, true},
    };
    TempDir config;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.front());
        const Outcome outcome = RunProgram(c.args, "", config.Path());
        EXPECT_EQ(outcome.status, c.status);
        if (c.usageOnStderr) {
            EXPECT_TRUE(outcome.out.empty());
            EXPECT_EQ(outcome.err.rfind("usage: pennantry-term ", 0), 0u) << outcome.err;
            EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1);
        } else {
            EXPECT_FALSE(outcome.out.empty());
            EXPECT_TRUE(outcome.err.empty());
        }
    }
    EXPECT_EQ(RunProgram({"--version"}, "", config.Path()).out, "pennantry-term 1.0\n");
}

}  // namespace
}  // namespace pennantry::test
