// The human face in a pseudo-terminal: it starts, draws the field, takes single keys and puts
// the terminal back when it ends, by its own quit key or by a terminating signal.
#include "ProgramRun.h"

namespace pennantry::test {
namespace {

// SIGTERM and SIGHUP are close requests: inside a box the last save stands; at the main window
// they keep the game, as the close box does. The quit key keeps nothing.
TEST(HumanFace, TakesSingleKeysDrawsTheFieldAndLeavesTheTerminalAsItWasOnQuitOrSignal)
{
    for (const int way : {SIGTERM, SIGHUP, 0}) {
        SCOPED_TRACE(way);
        TempDir config;
        const std::string saved = config.path + "/Tessivar/Pennantry.conf";
        Program session({"--seed", "5"}, config.path, true);
        ASSERT_TRUE(session.ReadUntil("Pennantry Version 1.0")) << session.out;
        EXPECT_FALSE(session.Canonical());
        if (way == SIGTERM) {
            session.Signal(SIGTERM);
            EXPECT_EQ(session.Wait(), 0);
            EXPECT_TRUE(session.Canonical());
            EXPECT_NE(session.out.rfind("\x1b[?1049l"), std::string::npos);
            EXPECT_EQ(std::filesystem::file_size(saved), 0u) << "a close inside a box saved";
            continue;
        }
        session.Send("\r");
        ASSERT_TRUE(session.ReadUntil("RUN LEVEL: Improves chance of scoring a double or triple.")) << session.out;
        session.Send("3");  // one key, no Enter
        ASSERT_TRUE(session.ReadUntil("3 (*) PITCH LEVEL")) << session.out;
        session.Send("\r");
        ASSERT_TRUE(session.ReadUntil("PLAY BALL!")) << session.out;
        session.Send("\r");

        // The field: the empty bases, the batter at home, the upgrade taken and the play keys.
        for (const char* shown : {"[ ]", "[#]", "Pitch Level: 2", "[P] Pitch", "[-] Ready to Swing (disabled)", "Esc/Q"})
            ASSERT_TRUE(session.ReadUntil(shown)) << shown << " not in\n" << session.out;

        session.Send("?");
        ASSERT_TRUE(session.ReadUntil("How to play")) << session.out;
        // The help names Esc/Q too: a key sent before the field is back may be read as part of an
        // escape sequence.
        session.Send("\x1b");
        session.out.clear();
        ASSERT_TRUE(session.ReadUntil("[P] Pitch")) << session.out;

        way ? session.Signal(way) : session.Send("q");
        EXPECT_EQ(session.Wait(), 0);
        EXPECT_TRUE(session.Canonical());
        EXPECT_TRUE(session.out.ends_with("\x1b[?1049l")) << "the alternate screen was not left";
        EXPECT_EQ(session.out.find("\x1b[0;"), std::string::npos) << "colour despite NO_COLOR";
        EXPECT_EQ(std::filesystem::file_size(saved) > 0, way == SIGHUP);
    }
}

}  // namespace
}  // namespace pennantry::test
