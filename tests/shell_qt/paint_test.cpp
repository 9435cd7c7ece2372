// Paints come when the window needs them and stop when it is shown whole.
#include "game/engine/board.h"
#include "qt_shell_fixture.h"

namespace {

using Painting = QtShellTest;

TEST_F(Painting, APausedGameWithAPieceSelectedPaintsWhenAskedAndThenRests) {
    engine.demoMode = false;
    engine.level = Easy;
    newBoard(engine);
    runFor(400);
    ASSERT_FALSE(engine.boardMoving);
    // A tap on the top-left cell selects it: its frame is drawn over the piece in every paint.
    const CellPoint at = cellCentre(0, 0);
    window->sendMessage(
        {.kind = MessageKind::StylusDown, .x = at.x, .y = at.y, .leftButton = true});
    window->sendMessage({.kind = MessageKind::StylusUp, .x = at.x, .y = at.y});
    runFor(100);
    ASSERT_EQ(engine.selection.column, 0);
    pauseGame(game);
    window->invalidateArea({0, 0, 240, 294});
    const int before = paints;
    runFor(300);
    EXPECT_GE(paints, before + 1);
    EXPECT_LE(paints, before + 3);
}

} // namespace
