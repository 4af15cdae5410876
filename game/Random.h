// The random generator and the clock, both handed to the game so that tests can script them.
#pragma once

#include <cstdint>

namespace pennantry {

// Draws have the contract of the C runtime's rand(): 0 to 32767; callers take them % N.
class Random {
public:
    virtual ~Random() = default;
    virtual void Seed(std::uint32_t seed) = 0;
    virtual int Rand() = 0;
};

// One draw taken % n, as every random choice of the game is; never negative.
inline int Draw(Random& random, int n)
{
    const int r = random.Rand() % n;
    return r < 0 ? r + n : r;
}

// The classic runtime generator, so that one seed plays the same game on every platform.
class ClassicRandom final : public Random {
public:
    void Seed(std::uint32_t seed) override { state_ = seed; }
    int Rand() override
    {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }

private:
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
