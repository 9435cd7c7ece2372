// The count of running modal loops and those told when the last one ends.
#include "platform/modal_loops.h"

#include <map>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

int depth = 0;

std::map<int, std::function<void()>>& listeners() {
    static std::map<int, std::function<void()>> registered;
    return registered;
}

} // namespace

ModalLoopScope::ModalLoopScope() {
    ++depth;
}

ModalLoopScope::~ModalLoopScope() {
    if (--depth > 0) {
        return;
    }
#if defined(__GLIBC__)
    // A dialog's widgets, fonts and style leave freed memory on the heap when it closes; it
    // goes back to the system instead of staying with the game for the rest of its run.
    malloc_trim(0);
#endif
    // A copy, so a listener may add or remove listeners (or open another loop) while called.
    const auto toCall = listeners();
    for (const auto& [id, listener] : toCall) {
        if (depth == 0 && listeners().count(id)) {
            listener();
        }
    }
}

bool insideModalLoop() {
    return depth > 0;
}

int addModalLoopsEndedListener(std::function<void()> listener) {
    static int nextId = 0;
    listeners().emplace(++nextId, std::move(listener));
    return nextId;
}

void removeModalLoopsEndedListener(int id) {
    listeners().erase(id);
}
