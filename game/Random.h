// The random generator and the clock, both handed to the game so that tests can script them.
#pragma once

#include <array>
#include <cstdint>

namespace pennantry {

// Draws have the contract of the C runtime's rand(): 0 to 32767; callers take them % N.
class Random {
public:
    virtual ~Random() = default;
    virtual void Seed(std::uint32_t seed) = 0;
    virtual int Rand() = 0;
    // Three draws in a row, as every blow of a battle takes them: the same as three calls.
    virtual std::array<int, 3> RandThree() = 0;
};

// A draw taken % n, as every random choice of the game is; never negative.
inline int TakeModulo(int draw, int n)
{
    const int r = draw % n;
    return r < 0 ? r + n : r;
}
inline int Draw(Random& random, int n) { return TakeModulo(random.Rand(), n); }

// The classic runtime generator, so that one seed plays the same game on every platform.
class ClassicRandom final : public Random {
public:
    void Seed(std::uint32_t seed) override { state_ = seed; }
    int Rand() override
    {
        state_ = state_ * Multiplier + Increment;
        return Output(state_);
    }
    // Each of the three states straight from the first, so that no step waits for the one before.
    std::array<int, 3> RandThree() override
    {
        const std::uint32_t state = state_;
        state_ = state * Multiplier3 + Increment3;
        return {Output(state * Multiplier + Increment), Output(state * Multiplier2 + Increment2), Output(state_)};
    }

private:
    static constexpr std::uint32_t Multiplier = 214013u;
    static constexpr std::uint32_t Increment = 2531011u;
    // Two and three steps at once (arithmetic modulo 2^32, as the generator's own).
    static constexpr std::uint32_t Multiplier2 = Multiplier * Multiplier;
    static constexpr std::uint32_t Increment2 = Increment * Multiplier + Increment;
    static constexpr std::uint32_t Multiplier3 = Multiplier2 * Multiplier;
    static constexpr std::uint32_t Increment3 = Increment2 * Multiplier + Increment;
    static int Output(std::uint32_t state) { return static_cast<int>((state >> 16) & 0x7FFFu); }


    std::uint32_t state_ = 1;  // the runtime's state before any seeding
};

// Seconds, as time(NULL) gives them; the start-up and every battle seed from it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t Now() = 0;
};

class SystemClock final : public Clock {
public:
    std::int64_t Now() override;
};

// Reads a fixed start and one second more at each later reading, so that a replay by seed
// seeds every battle the same way every time. Past the largest reading it goes on from the
// smallest: the generator takes the reading modulo 2^32, which wraps the same way.
class SteppingClock final : public Clock {
public:
    explicit SteppingClock(std::int64_t start) : next_(static_cast<std::uint64_t>(start)) {}
    std::int64_t Now() override { return static_cast<std::int64_t>(next_++); }

private:
    std::uint64_t next_;
};

}  // namespace pennantry
