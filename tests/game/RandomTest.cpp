// The classic generator plays the runtime's pinned sequences, so one seed plays one game anywhere.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "Random.h"

namespace pennantry {
namespace {

TEST(ClassicRandom, PlaysTheRuntimeSequenceForEachSeedAndStartsAsIfSeededWithOne)
{
    ClassicRandom random;
    const auto draws = [&random](int count) {
        std::vector<int> drawn(static_cast<std::size_t>(count));
        for (int& draw : drawn)
            draw = random.Rand();
        return drawn;
    };
    EXPECT_EQ(draws(5), (std::vector<int>{41, 18467, 6334, 26500, 19169}));
    random.Seed(0);
    // 18467, 26500, 21238 and 19169 come from states with bit 31 set: a lost mask shows there.
    EXPECT_EQ(draws(4), (std::vector<int>{38, 7719, 21238, 2437}));
}

}  // namespace
}  // namespace pennantry
