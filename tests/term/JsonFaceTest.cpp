// The machine face played through the real program: the saved game, the ends of input and replay
// by seed. A whole session, with words that are refused, is the conformance session's.
#include <map>
#include <tuple>

#include "ProgramRun.h"

namespace pennantry::test {
namespace {

const std::string Close = R"({"op":"close"})";
const std::string SkillOpens = R"({"op":"dialog","dialog":"skill"})";
const std::string PitchButton = R"({"op":"button","button":"pitch")";
// An answer that ends the input instead of sending a word.
const std::string EndInput = "<end of input>";

// What a player sees last: the play buttons, the bases and the scoreboard, by line prefix.
const std::vector<std::string> Tracked{PitchButton,           R"({"op":"button","button":"swing")",
                                       R"({"op":"base","base":1)", R"({"op":"base","base":2)",
                                       R"({"op":"base","base":3)", R"({"op":"refresh")"};

struct Play {
    int status = -1;
    std::vector<std::string> lines;  // everything the program wrote
    std::map<std::string, std::string> last;  // the last line of each tracked prefix
};

// The word to answer at the nth showing of a prompt, instead of the policy's.
using Answer = std::tuple<std::string, int, std::string>;

// Plays by a simple policy: whichever play button is enabled, attack in every battle, Run then
// OK in the skill choice, no to "Play Again?" and OK everywhere else.
Play PlayGame(const std::string& configHome, const std::string& seed, const std::vector<Answer>& answers = {})
{
    Program program({"--json", "--seed", seed}, configHome);
    Play play;
    for (int base = 1; base <= 3; ++base)  // a base's line comes only when it changes
        play.last[Tracked[base + 1]] = Tracked[base + 1] + R"(,"occupied":false})";
    std::map<std::string, int> seen;
    std::string sent;
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
                           : prompt == "skill"  ? (sent == "run" ? "ok" : "run")
                           : prompt == "yesno"  ? "no"
                                                : "ok";
        ++seen[prompt];
        for (const auto& [at, nth, answer] : answers)
            if (at == prompt && nth == seen[prompt])
                word = answer;
        if (word == EndInput)
            program.CloseInput();
        else
            program.Send((sent = word) + "\n");
    }
    play.status = program.Wait();
    return play;
}

// A game saved with "save" is loaded by the next run with the same scoreboard, bases and buttons.
// At the main window the end of input is the close box, which saves; anywhere else the program
// ends at once, writing nothing more and saving nothing. A game over has already erased the save.
TEST(JsonFace, ASavedGameIsLoadedAndTheEndOfInputEndsTheProgramSavingOnlyAtTheMainWindow)
{
    const std::vector<std::pair<std::string, int>> cases{{"main", 25}, {"ok", 20},     {"about", 1},
                                                         {"skill", 1}, {"battle", 3}, {"yesno", 1}};
    for (const auto& [prompt, nth] : cases) {
        SCOPED_TRACE(prompt);
        TempDir config;
        const Play setup = PlayGame(config.path, "7", {{"main", 10, "save"}});
        ASSERT_EQ(setup.lines.back(), Close);
        const Play ended = PlayGame(config.path, "11", {{prompt, nth, EndInput}});
        EXPECT_EQ(ended.status, 0);
        EXPECT_EQ(ended.lines.back(), prompt == "main" ? Close : R"({"prompt":")" + prompt + R"("})");
        const Play next = PlayGame(config.path, "12", {{"main", 1, "escape"}});
        EXPECT_EQ(std::count(next.lines.begin(), next.lines.end(), SkillOpens), prompt == "yesno" ? 1 : 0);
        if (prompt != "yesno") {
            EXPECT_EQ(next.last, prompt == "main" ? ended.last : setup.last);
        }
    }
}

}  // namespace
}  // namespace pennantry::test
