// The millisecond tick count: unsigned 32 bits from a monotonic clock, wrapping; settable in tests.
#include "platform/tick_count.h"

#include <chrono>
#include <optional>

namespace {
const auto programStart = std::chrono::steady_clock::now();
std::optional<std::uint32_t> testClock;
} // namespace

std::uint32_t tickCount() {
    if (testClock) {
        return *testClock;
    }
    const auto elapsed = std::chrono::steady_clock::now() - programStart;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
    return static_cast<std::uint32_t>(ms);
}

void setTestClock(std::uint32_t ms) { testClock = ms; }

void clearTestClock() { testClock.reset(); }
