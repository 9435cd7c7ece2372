// The program's pseudo-random generator of 0..32767: a seedable linear congruential generator.
#include "platform/random.h"

namespace {
RandomGenerator sharedGenerator;
}

void seedRandom(std::uint32_t seed) { sharedGenerator.seed(seed); }

int nextRandom() { return sharedGenerator.next(); }
