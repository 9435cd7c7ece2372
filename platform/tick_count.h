// The millisecond tick count: unsigned 32 bits from a monotonic clock, wrapping; settable in tests.
#pragma once

#include <cstdint>

// Milliseconds since the program started, modulo 2^32 (or the test clock when one is set).
std::uint32_t tickCount();

// Replaces the real clock by one that reads `ms` until it is set again or cleared.
void setTestClock(std::uint32_t ms);
void clearTestClock();
