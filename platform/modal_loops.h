// The modal loops running now: only the program's top-level loop runs the game's frames.
#pragma once

#include <functional>

// Counts one modal loop (a dialog, message box or file dialog) for as long as it lives. Every
// place that runs a modal loop holds one around it, real or scripted.
class ModalLoopScope {
  public:
    ModalLoopScope();
    ~ModalLoopScope();
    ModalLoopScope(const ModalLoopScope&) = delete;
    ModalLoopScope& operator=(const ModalLoopScope&) = delete;
};

// Whether any modal loop runs now, so that what happens comes from inside it.
bool insideModalLoop();

// Called each time the last modal loop has ended and the program is back at its top level.
// Gives a number that removes the listener again.
int addModalLoopsEndedListener(std::function<void()> listener);
void removeModalLoopsEndedListener(int id);
