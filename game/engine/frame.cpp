// One frame of engine work in the main loop's fixed order.
#include "game/engine/frame.h"

#include "game/engine/animation.h"
#include "game/engine/moves.h"
#include "game/engine/scoring.h"

void runFrame(EngineState& state, std::uint32_t elapsedMs) {
    runDownTime(state, elapsedMs);
    tickBoard(state, elapsedMs);
    if (!state.boardMoving && !state.boardWasMoving) {
        searchMoves(state);
    }
    tickEffects(state, elapsedMs);
}
