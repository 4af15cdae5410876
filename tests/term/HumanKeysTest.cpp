// The human face's pure parts: the key map, keys a line at a time, the keys line and the canvas.
#include <gtest/gtest.h>

#include "HumanKeys.h"
#include "TextCanvas.h"

namespace pennantry {
namespace {

TEST(HumanKeys, EachPromptTakesItsOwnKeysOrLinesOnlyEnterSpaceOrEscapeCloseABoxAndTheKeysLineNamesWhatWorks)
{
    const auto gives = [](Command command) { return std::to_string(static_cast<int>(command)); };
    const auto meaning = [](const TermInput& input) {
        return input.end ? "end" : input.enter ? "enter" : input.command ? std::to_string(static_cast<int>(*input.command)) : "nothing";
    };
    const struct {
        Prompt prompt;
        std::string keys;  // the keys that mean it
        std::string meaning;
    } cases[]{
        {Prompt::Main, "Pp", gives(Command::Pitch)},         {Prompt::Main, "qQ\x1b", gives(Command::Escape)},
        {Prompt::Main, "\n", "enter"},                      {Prompt::Ok, "\n \x1b", gives(Command::Ok)},
        {Prompt::Ok, "aAq1", "nothing"},                    {Prompt::YesNo, "Yy", gives(Command::Yes)},
        {Prompt::YesNo, "\n\x1b", "nothing"},               {Prompt::About, " ", gives(Command::Ok)},
        {Prompt::About, "\n", "enter"},                     {Prompt::About, "\x1b", gives(Command::Escape)},
        {Prompt::Skill, "4", gives(Command::CatchLevel)},   {Prompt::Skill, "\n", "enter"},
        {Prompt::Battle, "\x1b", gives(Command::Escape)},   {Prompt::Battle, "Rr", gives(Command::ReturnToBase)},
    };
    for (const auto& row : cases)
        for (const char key : row.keys)
            EXPECT_EQ(meaning(MatchKey(row.prompt, static_cast<unsigned char>(key))), row.meaning) << int(row.prompt) << key;
    EXPECT_EQ(meaning(MatchKey(Prompt::Ok, KeyEnd)), "end");
    EXPECT_EQ(meaning(MatchKey(Prompt::Ok, KeyOther)), "nothing");
    // Read a line at a time, a line stands for one key, Enter or Escape, and anything longer for none.
    EXPECT_EQ(KeyOfLine(""), '\n');
    EXPECT_EQ(KeyOfLine("\xff"), 0xff);
    EXPECT_EQ(KeyOfLine("ESCAPE"), KeyEscape);
    EXPECT_EQ(KeyOfLine("pitch"), KeyOther);
    // The keys line names only the buttons that work, and fits the screen.
    EXPECT_EQ(KeysLine(Prompt::Battle, {}), "Keys: A Attack!  S Surrender Base  ? Help");
    const EnabledKeys most{true, false, true, true};  // the play buttons take turns
    for (const Prompt prompt : {Prompt::Main, Prompt::About, Prompt::Skill, Prompt::Battle})
        EXPECT_LT(KeysLine(prompt, most).size(), std::size_t(Columns)) << KeysLine(prompt, most);
}

TEST(TextCanvas, AFrameAndItsCaptionKeepToTheScreenAndLeaveNothingOfWhatTheyCover)
{
    for (const std::size_t length : {72, 73, 200}) {
        Canvas canvas;
        canvas.PutFrame({std::string(length, 'c'), {{{"text"}}}}, 5);
        const std::string screen = canvas.Render(false);
        EXPECT_TRUE(screen.starts_with("+-- " + std::string(72, 'c'))) << screen;
        EXPECT_EQ(screen.find('\n'), std::size_t(Columns)) << screen;
    }
    Canvas covered;  // a box over part of a button leaves nothing of it beside its frame
    covered.Put(5, 40, "[E] Save & Exit");
    covered.PutFrame({"x", {{{"text"}}}}, 6);
    EXPECT_EQ(covered.Render(false).find("it"), std::string::npos) << covered.Render(false);
}

}  // namespace
}  // namespace pennantry
