// The program's pseudo-random generator of 0..32767: a seedable linear congruential generator.
#include "platform/random.h"

#include <chrono>
#include <ctime>

namespace {
RandomGenerator sharedGenerator;

std::uint64_t millisecondsSinceBoot() {
    timespec now{};
    if (clock_gettime(CLOCK_BOOTTIME, &now) != 0) {
        return 0;
    }
    return std::uint64_t(now.tv_sec) * 1000u + std::uint64_t(now.tv_nsec) / 1000000u;
}

// Spreads every input bit over the whole result (the finaliser of the SplitMix generator).
std::uint64_t mixBits(std::uint64_t value) {
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9u;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebu;
    return value ^ (value >> 31);
}
} // namespace

void seedRandom(std::uint32_t seed) {
    sharedGenerator.seed(seed);
}

int nextRandom() {
    return sharedGenerator.next();
}

std::uint32_t randomState() {
    return sharedGenerator.state;
}

std::uint32_t startSeed() {
    const auto wall = std::chrono::system_clock::now().time_since_epoch();
    const auto wallNs =
        std::uint64_t(std::chrono::duration_cast<std::chrono::nanoseconds>(wall).count());
    return std::uint32_t(mixBits(millisecondsSinceBoot() ^ mixBits(wallNs)));
}
