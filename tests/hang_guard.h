// Ends the test program if a step that must return at once blocks instead.
#pragma once

#include <unistd.h>

class HangGuard {
  public:
    explicit HangGuard(unsigned seconds = 10) { ::alarm(seconds); }
    ~HangGuard() { ::alarm(0); }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;
};
