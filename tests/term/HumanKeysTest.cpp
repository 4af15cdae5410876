// The human face's pure parts: the key map, keys a line at a time, the keys line and the canvas.
#include <gtest/gtest.h>

#include "HumanKeys.h"
#include "TextCanvas.h"

namespace pennantry {
namespace {

TEST(HumanKeys, EachPromptTakesItsOwnKeysInEitherCaseAndOnlyEnterSpaceOrEscapeCloseABox)
{
    const struct {
        Prompt prompt;
        int key;
        Command command;
    } cases[]{
        {Prompt::Main, 'P', Command::Pitch},       {Prompt::Main, 'r', Command::Swing},
        {Prompt::Main, 'e', Command::Save},        {Prompt::Main, 'h', Command::About},
        {Prompt::Main, 'Q', Command::Escape},      {Prompt::Main, KeyEscape, Command::Escape},
        {Prompt::Main, 'a', Command::Unknown},     {Prompt::Main, KeyEnd, Command::End},
        {Prompt::Ok, '\n', Command::Ok},           {Prompt::Ok, ' ', Command::Ok},
        {Prompt::Ok, KeyEscape, Command::Ok},      {Prompt::Ok, 'a', Command::Unknown},
        {Prompt::Ok, KeyOther, Command::Unknown},  {Prompt::YesNo, 'Y', Command::Yes},
        {Prompt::YesNo, 'n', Command::No},         {Prompt::YesNo, '\n', Command::Unknown},
        {Prompt::About, ' ', Command::Ok},         {Prompt::About, 'i', Command::Icon},
        {Prompt::About, KeyEscape, Command::Escape}, {Prompt::Skill, '1', Command::RunLevel},
        {Prompt::Skill, '2', Command::HitLevel},   {Prompt::Skill, '3', Command::PitchLevel},
        {Prompt::Skill, '4', Command::CatchLevel}, {Prompt::Skill, '\n', Command::Ok},
        {Prompt::Skill, KeyEscape, Command::Escape}, {Prompt::Skill, '5', Command::Unknown},
        {Prompt::Battle, 'A', Command::Attack},    {Prompt::Battle, 's', Command::Surrender},
        {Prompt::Battle, 'r', Command::Return},    {Prompt::Battle, KeyEscape, Command::Close},
        {Prompt::Battle, '\n', Command::Unknown},  {Prompt::Battle, 0x1C1, Command::Unknown},
    };
    for (const auto& row : cases)
        EXPECT_EQ(MatchKey(row.prompt, row.key), row.command) << int(row.prompt) << " " << row.key;
}

TEST(HumanKeys, ALineStandsForOneKeyEnterOrEscapeAndAnythingLongerForNone)
{
    EXPECT_EQ(KeyOfLine(""), '\n');
    EXPECT_EQ(KeyOfLine("p"), 'p');
    EXPECT_EQ(KeyOfLine("\xff"), 0xff);
    for (const char* escape : {"esc", "ESCAPE", "\x1b"})
        EXPECT_EQ(KeyOfLine(escape), KeyEscape) << escape;
    EXPECT_EQ(KeyOfLine("pitch"), KeyOther);
    EXPECT_EQ(KeyText('\n') + KeyText(KeyEscape) + KeyText('a') + KeyText(KeyOther) + KeyText(0x7f), "enterescapea");
}

TEST(HumanKeys, TheKeysLineNamesOnlyTheButtonsThatWorkAndFitsTheScreen)
{
    const EnabledKeys all{true, false, true, true};  // the play buttons take turns
    EXPECT_EQ(KeysLine(Prompt::Main, {false, true, false, false}),
              "Keys: P Pitch  H Help/About  E Save & Exit  Esc/Q Quit unsaved  ? Help");
    EXPECT_EQ(KeysLine(Prompt::Battle, {}), "Keys: A Attack!  S Surrender Base  Esc Close  ? Help");
    EXPECT_NE(KeysLine(Prompt::Battle, all).find("R Return to Base"), std::string::npos);
    EXPECT_EQ(KeysLine(Prompt::Skill, {}).find("Enter"), std::string::npos);
    for (const Prompt prompt : {Prompt::Main, Prompt::Ok, Prompt::YesNo, Prompt::About, Prompt::Skill, Prompt::Battle})
        EXPECT_LE(KeysLine(prompt, all).size() + 1, std::size_t(Columns)) << KeysLine(prompt, all);
}

TEST(TextCanvas, AFrameKeepsToTheScreenWhateverItsCaption)
{
    for (const std::size_t length : {0, 10, 72, 73, 74, 200}) {
        Canvas canvas;
        const std::string caption(length, 'c');
        EXPECT_EQ(canvas.PutFrame({caption, {{{"text"}}}}, 5), 3);
        const std::string screen = canvas.Render(false, false);
        const std::string top = screen.substr(0, screen.find('\n'));
        EXPECT_LE(top.size(), std::size_t(Columns));
        EXPECT_TRUE(top.ends_with("-+")) << top;
        EXPECT_NE(top.find("-- " + caption.substr(0, 40)), std::string::npos) << top;
    }
}

TEST(TextCanvas, ATerminalSmallerThanTheScreenIsToldTheSizeNeededInItsOwnWidth)
{
    EXPECT_EQ(TooSmallNotice(24, 80), "");
    EXPECT_EQ(TooSmallNotice(50, 200), "");
    for (const auto& [rows, columns] : {std::pair{23, 80}, {24, 79}, {10, 20}, {1, 1}}) {
        const std::string notice = TooSmallNotice(rows, columns);
        ASSERT_TRUE(notice.starts_with("\x1b[H\x1b[2J")) << notice;
        std::string text;
        for (std::size_t at = 7, end; (end = notice.find('\n', at)) != std::string::npos; at = end + 1) {
            EXPECT_LE(end - at, std::size_t(columns));
            text += notice.substr(at, end - at) + " ";
        }
        if (columns >= 20) {
            EXPECT_NE(text.find("80 x 24"), std::string::npos) << text;
        }
    }
}

}  // namespace
}  // namespace pennantry
