// The seam between the game window and its procedure: the messages in, the requests out.
#pragma once

#include "platform/surface.h"

#include <functional>
#include <string_view>
#include <vector>

class MenuBar;
class Surface;
class Window;
struct MenuButtonTemplate;

enum class MessageKind {
    Create,     // the window has been made (menus may be installed now)
    Destroy,    // the window goes; the program should end
    Close,      // the user or the program asks the window to close
    Resized,    // the client area changed its size; the whole of it is painted next
    Activate,   // `activation` says whether it came to the front or left it
    Paint,      // show the client area now (Window::present inside this message)
    Command,    // `commandId`: a menu item, button or key accelerator
    StylusDown, // `x`, `y`: the left button went down
    StylusMove, // `x`, `y`, `leftButton`
    StylusUp,   // `x`, `y`: the left button came up
    MenuOpened, // a menu of the menu bar opened
    MenuClosed, // and closed again
    Help,       // the user asked for help (F1)
    Frame,      // the frame timer fired
    KeyDown,    // `key`: a key of the board was pressed (held keys repeat)
};

// The keys the board takes; others go to the menus and accelerators.
enum class GameKey { None, Left, Right, Up, Down, Tap, Escape };

enum class Activation { Deactivated = 0, Activated = 1, ActivatedByTap = 2 };

// One message. Points are in client pixels, from the client area's top-left corner; a point in
// the window's margins, or while the stylus drags out of the window, may lie outside the client
// area, negative included.
struct WindowMessage {
    MessageKind kind = MessageKind::Paint;
    int commandId = 0;
    Activation activation = Activation::Activated;
    int x = 0;
    int y = 0;
    bool leftButton = false;
    GameKey key = GameKey::None;
};

// Returns whether it handled the message; the window does its default for the rest (only Close
// has one: the window is destroyed).
using WindowProcedure = std::function<bool(Window&, const WindowMessage&)>;

// When the window's frame timer sends the next Frame message: at the display's pace (one
// display period after the last frame was due; 16 and 17 ms in turn at 60 Hz), after so many
// milliseconds, or not until asked again. Each request replaces the one before, and no Frame
// is ever sent inside a modal loop: one that falls due there is dropped.
struct NextFrame {
    enum Kind { AtDisplayPace, After, Never };
    Kind kind = Never;
    int ms = 0;

    static NextFrame atDisplayPace() { return {AtDisplayPace, 0}; }
    static NextFrame after(int ms) { return {After, ms}; }
    static NextFrame never() { return {Never, 0}; }
    bool operator==(const NextFrame&) const = default;
};

// What the window procedure may ask of the game window; the Qt window and test windows offer it.
class Window {
  public:
    virtual ~Window() = default;

    // The size of the area the game draws in, below any menu bar. A window of another shape
    // centres it and fills the rest, its margins, in the margin colour.
    virtual PixelSize clientSize() const = 0;
    // The colour of the margins around the client area; the game gives its board's ground, so
    // that the board seems to lie on one surface however the window is shaped.
    virtual void setMarginColour(Colour colour) = 0;
    // Paints these areas of the client area before returning, as one paint, without erasing.
    virtual void paintNow(const std::vector<PixelRect>& areas) = 0;
    // Schedules a paint of part of the client area, without erasing it; a window may paint more.
    // Inside a paint it does nothing: a paint shows the buffer as it stands.
    virtual void invalidateArea(const PixelRect& area) = 0;
    // Inside a Paint message: copies the buffer to the client area's top-left corner, unchanged.
    virtual void present(const Surface& buffer) = 0;
    // Hands a message to the window procedure at once and returns its answer.
    virtual bool sendMessage(const WindowMessage& message) = 0;
    // Gives the board the keyboard focus within the window; neither raises nor activates it, so
    // a window the player has put in front of the game stays in front.
    virtual void focusBoard() = 0;
    // Brings the window forward, active and with the board focused: only for the player's own
    // request, such as starting the game a second time.
    virtual void bringToFront() = 0;
    // Asks the window to close (a Close message; unless handled, the window is destroyed).
    virtual void close() = 0;
    // Ends the program's event loop with this exit code.
    virtual void postQuit(int exitCode) = 0;
    virtual void scheduleFrame(NextFrame next) = 0;
    // A key combination such as "Ctrl+A" that sends a Command message with the id.
    virtual void addAccelerator(std::string_view keys, int commandId) = 0;
    // A menu bar above the client area, owned by the window; null when none can be made.
    virtual MenuBar* createMenuBar(const std::vector<MenuButtonTemplate>& buttons) = 0;
    virtual void destroyMenuBar() = 0;
};
