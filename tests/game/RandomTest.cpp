// The classic generator's pinned sequences, and the clock that replays by seed.
#include <gtest/gtest.h>

#include <vector>

#include "Random.h"

namespace pennantry {
namespace {

std::vector<int> FirstDraws(std::uint32_t seed, int count)
{
    ClassicRandom random;
    random.Seed(seed);
    std::vector<int> draws;
    for (int i = 0; i < count; ++i)
        draws.push_back(random.Rand());
    return draws;
}

TEST(ClassicRandom, PlaysTheRuntimeSequenceForEachSeed)
{
    EXPECT_EQ(FirstDraws(1, 5), (std::vector<int>{41, 18467, 6334, 26500, 19169}));
    EXPECT_EQ(FirstDraws(0, 4), (std::vector<int>{38, 7719, 21238, 2437}));
    EXPECT_EQ(FirstDraws(1764979200, 4), FirstDraws(1764979200, 4));
    EXPECT_NE(FirstDraws(1764979200, 4), FirstDraws(1764979201, 4));
}

TEST(ClassicRandom, StartsAsIfSeededWithOneAndStaysInRange)
{
    ClassicRandom unseeded;
    EXPECT_EQ(unseeded.Rand(), 41);
    ClassicRandom random;
    random.Seed(0xFFFFFFFFu);
    for (int i = 0; i < 10000; ++i) {
        const int r = random.Rand();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 32767);
    }
}

TEST(SteppingClock, ReadsItsStartThenOneSecondMoreEachTime)
{
    SteppingClock clock(500);
    EXPECT_EQ(clock.Now(), 500);
    EXPECT_EQ(clock.Now(), 501);
    EXPECT_EQ(clock.Now(), 502);
}

}  // namespace
}  // namespace pennantry
