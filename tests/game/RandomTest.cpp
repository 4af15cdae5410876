// The classic generator plays the runtime's pinned sequences, so one seed plays one game anywhere.
#include <gtest/gtest.h>

#include <vector>

#include "Random.h"

namespace pennantry {
namespace {

std::vector<int> FirstDraws(ClassicRandom random, int count)
{
    std::vector<int> draws;
    for (int i = 0; i < count; ++i)
        draws.push_back(random.Rand());
    return draws;
}

TEST(ClassicRandom, PlaysTheRuntimeSequenceForEachSeedAndStartsAsIfSeededWithOne)
{
    ClassicRandom seeded;
    EXPECT_EQ(FirstDraws(seeded, 5), (std::vector<int>{41, 18467, 6334, 26500, 19169}));
    seeded.Seed(0);
    EXPECT_EQ(FirstDraws(seeded, 4), (std::vector<int>{38, 7719, 21238, 2437}));
    seeded.Seed(0xFFFFFFFFu);
    for (int draw : FirstDraws(seeded, 1000))
        ASSERT_TRUE(draw >= 0 && draw <= 32767);
}

}  // namespace
}  // namespace pennantry
