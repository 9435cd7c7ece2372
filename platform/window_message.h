// The messages the game window hands to its window procedure, and the procedure's type.
#pragma once

#include <functional>

class Window;

enum class MessageKind {
    Create,     // the window has been made (menus may be installed now)
    Destroy,    // the window goes; the program should end
    Close,      // the user or the program asks the window to close
    Activate,   // `activation` says whether it came to the front or left it
    Paint,      // draw the client area now (Window::present inside this message)
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

// One message. Points are in client pixels; while the stylus drags out of the window they may
// lie outside the client area, negative included.
struct WindowMessage {
    MessageKind kind = MessageKind::Paint;
    int commandId = 0;
    Activation activation = Activation::Activated;
    int x = 0;
    int y = 0;
    bool leftButton = false;
    GameKey key = GameKey::None;
};

// Whether the message comes from the user or the desktop (input, commands, activation, menus,
// help), so that what the game shows may change: not the window's own coming and going, its
// frames and paints, nor the pointer merely passing over. Such a message ends a resting clock.
inline bool interruptsRest(const WindowMessage& message) {
    switch (message.kind) {
    case MessageKind::Create:
    case MessageKind::Destroy:
    case MessageKind::Close:
    case MessageKind::Frame:
    case MessageKind::Paint:
        return false;
    case MessageKind::StylusMove:
        return message.leftButton;
    default:
        return true;
    }
}

// Returns whether it handled the message; the window does its default for the rest (only Close
// has one: the window is destroyed).
using WindowProcedure = std::function<bool(Window&, const WindowMessage&)>;
