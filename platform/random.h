// The program's pseudo-random generator of 0..32767: a seedable linear congruential generator.
#pragma once

#include <cstdint>

constexpr int kRandomMax = 32767;

// One generator's state; the same seed always gives the same sequence on every machine.
struct RandomGenerator {
    std::uint32_t state = 1;

    void seed(std::uint32_t value) { state = value; }
    int next() {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7fffu);
    }
};

// The one generator the game shares (board, demo, password rotation).
void seedRandom(std::uint32_t seed);
int nextRandom();
// Where the shared generator stands; seeding with it later goes on with the same sequence.
std::uint32_t randomState();

// A seed that differs from start to start, as the handheld's tick count since boot did: the
// milliseconds since the machine booted, mixed with the wall clock's nanoseconds.
std::uint32_t startSeed();
