// What the window procedure may ask of the game window; the Qt window and test windows offer it.
#pragma once

#include "platform/colour.h"
#include "platform/window_message.h"

#include <string_view>
#include <vector>

class MenuBar;
class Surface;
struct MenuButtonTemplate;

class Window {
  public:
    virtual ~Window() = default;

    // The size of the area the game draws in, below any menu bar.
    virtual PixelSize clientSize() const = 0;
    // Schedules a paint of the whole client area, without erasing it first.
    virtual void invalidate() = 0;
    // Schedules a paint of part of the client area; a window may paint more than asked.
    virtual void invalidateArea(const PixelRect&) { invalidate(); }
    // Inside a Paint message: copies the buffer to the client area at (0, 0), unchanged.
    virtual void present(const Surface& buffer) = 0;
    // Hands a message to the window procedure at once and returns its answer.
    virtual bool sendMessage(const WindowMessage& message) = 0;
    // Makes the window the active one with the input focus, in front of the others.
    virtual void activate() = 0;
    // Asks the window to close (a Close message; unless handled, the window is destroyed).
    virtual void close() = 0;
    // Ends the program's event loop with this exit code.
    virtual void postQuit(int exitCode) = 0;
    // The frame timer, at the display's rate: a Frame message each time it fires.
    virtual void startFrames() = 0;
    virtual void stopFrames() = 0;
    virtual bool framesRunning() const = 0;
    // Lets the running frame timer rest: the next Frame comes `ms` milliseconds from now, or with
    // a negative value only once something wakes the window (input, a resize, startFrames).
    // The frames after it come at the display's rate again. A window may rest less.
    virtual void restFrames(int) {}
    // A key combination such as "Ctrl+A" that sends a Command message with the id.
    virtual void addAccelerator(std::string_view keys, int commandId) = 0;
    // A menu bar above the client area, owned by the window; null when none can be made.
    virtual MenuBar* createMenuBar(const std::vector<MenuButtonTemplate>& buttons) = 0;
    virtual void destroyMenuBar() = 0;
};
