// For timing start-up: the moment a program's first paint ends, on the standard error.
#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>

// With ZORVAGON_REPORT_FIRST_PAINT set, the first call writes "first paint <ns>" (wall-clock
// nanoseconds since the epoch), which tools/measure-cpu.sh compares with the program's start.
// The game's window and bench/repaint_floor report alike.
inline void reportFirstPaint() {
    // Looked up once: the call comes with every paint.
    static bool pending = std::getenv("ZORVAGON_REPORT_FIRST_PAINT") != nullptr;
    if (!pending)
        return;
    pending = false;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(stderr, "first paint %lld\n",
                 static_cast<long long>(std::chrono::nanoseconds(now).count()));
}
