// The human face in a terminal emulator, on four kinds of terminal: it draws the field and its
// boxes, takes single keys and F1 as that terminal sends them, and puts the terminal back on every
// way out.
#include "ProgramRun.h"

namespace pennantry::test {
namespace {

struct Kind {
    const char* term;
    const char* name;
    bool colours;  // the terminal has colours
};
constexpr Kind Kinds[] = {{"xterm-256color", "xterm256color", true}, {"screen", "screen", true}, {"linux", "linux", true},
                          {"vt100", "vt100", false}};

// A new game in a pane and a folder of its own, started, and played to the field (past the
// start-up's About box, skill choice and first message) when asked.
struct Session {
    Session(const Kind& kind, bool toTheField, bool noColour = true)
    {
        pane.Start(kind.term, config.path, noColour);
        started = pane.Shows("Pennantry Version 1.0");
        alternate = pane.Format("#{alternate_on}") == "1";
        if (started && toTheField) {
            pane.Keys("Enter 3 Enter");
            started = pane.Shows("PLAY BALL!");
            pane.Keys("Enter");
            started = started && pane.Shows("[P] Pitch");
        }
    }
    // The program ends with the status, leaving the terminal as the shell had it, and the shell's
    // own screen back where the program had an alternate screen.
    void ExpectEnded(int status)
    {
        ASSERT_TRUE(pane.Until([&] { return pane.Format("#{pane_current_command}") == "sh"; })) << pane.Screen();
        pane.TypeLine("echo after $?");
        ASSERT_TRUE(pane.Shows("after " + std::to_string(status))) << pane.Screen();
        EXPECT_EQ(pane.Format("#{alternate_on} #{cursor_flag}"), "0 1");
        EXPECT_TRUE(pane.Canonical());
        EXPECT_TRUE(!alternate || pane.Screen().find("Save & Exit") == std::string::npos) << pane.Screen();
    }
    bool Saved() const { return std::filesystem::file_size(config.path + "/Tessivar/Pennantry.conf") > 0; }

    TempDir config;
    Pane pane;
    bool started = false;
    bool alternate = false;
};

class HumanFace : public testing::TestWithParam<Kind> {};

TEST_P(HumanFace, PlaysAnInningWithABattleShowsHelpOnQuestionMarkOrF1OutlivesAResizeAndAStopAndSavesAndExits)
{
    Session session(GetParam(), true, false);
    Pane& pane = session.pane;
    ASSERT_TRUE(session.started) << pane.Screen();
    const std::string styled = pane.Screen("-e");
    EXPECT_EQ(styled.find("\x1b[32m") != std::string::npos, GetParam().colours) << styled;
    EXPECT_NE(styled.find("\x1b[1m"), std::string::npos) << styled;
    EXPECT_EQ(pane.Format("#{cursor_flag}"), Output("tput -T" + std::string(GetParam().term) + " civis").empty() ? "1" : "0");

    // Too small a terminal is told the size it needs, in its own width, until it is large enough.
    pane.Tmux("resize-window -x 60 -y 20");
    const std::string notice = "Pennantry needs a terminal of at least 80 x 24; this one is\n60 x 20. Make it larger to play on.";
    ASSERT_TRUE(pane.Until([&] { return pane.Screen().starts_with(notice); })) << pane.Screen();
    pane.Tmux("resize-window -x 80 -y 24");
    ASSERT_TRUE(pane.Shows("[P] Pitch")) << pane.Screen();

    // F1 as terminfo says this terminal sends it.
    const std::string f1 = "-l \"$(tput -T" + std::string(GetParam().term) + " kf1)\"";
    for (const std::string& open : {std::string("?"), f1})
        for (const std::string& close : {std::string("Escape"), f1}) {
            pane.Keys(open);
            ASSERT_TRUE(pane.Shows("Then \"Play Again?\".")) << open;  // the last of the rules: all fit
            pane.Keys(close);
            ASSERT_TRUE(pane.Shows("How to play", false)) << close;
        }

    // Ctrl-Z gives the shell its terminal; fg gives it back to the game, drawn anew.
    pane.Keys("C-z");
    ASSERT_TRUE(pane.Shows("Stopped")) << pane.Screen();
    EXPECT_TRUE(pane.Canonical());
    EXPECT_EQ(pane.Format("#{alternate_on}"), "0");
    pane.TypeLine("fg");
    ASSERT_TRUE(pane.Shows("Stopped", false)) << pane.Screen();
    EXPECT_TRUE(pane.Shows("[P] Pitch")) << pane.Screen();
    EXPECT_FALSE(pane.Canonical());

    // The seed's first pitch is hit, and its runner battles for first base.
    pane.Keys("Enter Enter");
    ASSERT_TRUE(pane.Shows("-- Pennantry: Battle ")) << pane.Screen();
    // Enter attacks, and gives the enabled button and OK, to the end of the top of the first.
    pane.Keys("-N 162 Enter");
    ASSERT_TRUE(pane.Shows("Inning:   1 B")) << pane.Screen();
    pane.Keys("e");
    session.ExpectEnded(0);
    EXPECT_TRUE(session.Saved());
}

INSTANTIATE_TEST_SUITE_P(Terminals, HumanFace, testing::ValuesIn(Kinds), [](const auto& info) { return info.param.name; });

// Where ncurses cannot draw in place, the terminal is left as it was: screens are printed one after
// another, and keys come a line at a time.
TEST(DumbTerminal, TakesKeysALineAtATime)
{
    Session session({"dumb", "dumb", false}, false);
    ASSERT_TRUE(session.started) << session.pane.Screen();
    EXPECT_TRUE(session.pane.Canonical());
    session.pane.TypeLine("esc");
    ASSERT_TRUE(session.pane.Shows("Keys: 1-4 Choose a skill")) << session.pane.Screen();
    session.pane.Keys("C-d");
    session.ExpectEnded(0);
}

// SIGTERM and SIGHUP are close requests: inside a box the last save stands; at the main window
// they keep the game, as the close box and the end of input do. Escape and Ctrl-C keep nothing.
struct Way {
    const char* name;
    bool atTheField;  // or else in the start-up's About box
    const char* keys;  // or else the signal
    const char* signal;
    bool saves;
    int status;
};
constexpr Way Ways[] = {{"SigtermInABox", false, nullptr, "TERM", false, 0}, {"SighupAtTheField", true, nullptr, "HUP", true, 0},
                        {"CtrlDAtTheField", true, "C-d", nullptr, true, 0},   {"EscapeAtTheField", true, "Escape", nullptr, false, 0},
                        {"CtrlCAtTheField", true, "C-c", nullptr, false, 1}};  // ncurses' own status

class WayOut : public testing::TestWithParam<std::tuple<Kind, Way>> {};

TEST_P(WayOut, EndsTheGameAsItShouldAndPutsTheTerminalBack)
{
    const auto [kind, way] = GetParam();
    Session session(kind, way.atTheField);
    ASSERT_TRUE(session.started) << session.pane.Screen();
    EXPECT_EQ(session.pane.Screen("-e").find('\x1b'), std::string::npos) << "styles despite NO_COLOR";
    way.keys ? session.pane.Keys(way.keys) : session.pane.Signal(way.signal);
    session.ExpectEnded(way.status);
    EXPECT_EQ(session.Saved(), way.saves);
}

INSTANTIATE_TEST_SUITE_P(Terminals, WayOut, testing::Combine(testing::ValuesIn(Kinds), testing::ValuesIn(Ways)),
                         [](const auto& info) { return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name; });

}  // namespace
}  // namespace pennantry::test
