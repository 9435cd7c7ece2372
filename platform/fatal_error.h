// The end of the program after a failure it cannot go on from: a box captioned "Error", exit 0.
#pragma once

#include <string_view>

// Shows the text of a fatal error to the user and returns once they have seen it.
class FatalErrorDisplay {
  public:
    virtual ~FatalErrorDisplay() = default;
    virtual void show(std::u16string_view text) = 0;
};

// Replaces the message box (nullptr brings it back); tests record the text instead.
void setFatalErrorDisplay(FatalErrorDisplay* display);

// Shows the text, then ends the process with exit code 0, running the exit handlers. A second
// fatal error while the first box shows (from a paint behind it) ends the program at once.
[[noreturn]] void fatalError(std::u16string_view text);
