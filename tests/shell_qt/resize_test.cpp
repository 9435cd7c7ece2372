// A resize keeps the whole board on screen, whatever frame was waiting for its paint.
#include "game/engine/board.h"
#include "game/engine/cell.h"
#include "qt_shell_fixture.h"

#include <QImage>

namespace {

using Resizing = QtShellTest;

// The cells of the board that show as blank squares of a fresh, white buffer.
int blankCells(const QImage& shown) {
    const int scale = std::max(1, std::min(shown.width() / 240, shown.height() / 294));
    int blank = 0;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const QRect square((4 + kCellPitch * column) * scale, (10 + kCellPitch * row) * scale,
                               30 * scale, 30 * scale);
            int white = 0;
            for (int y = square.top(); y <= square.bottom(); ++y) {
                for (int x = square.left(); x <= square.right(); ++x) {
                    white += (shown.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
                }
            }
            blank += white > square.width() * square.height() * 3 / 4;
        }
    }
    return blank;
}

TEST_F(Resizing, EveryCellIsDrawnAfterAResizeWithAFrameWaitingAndThirtyFramesOn) {
    engine.demoMode = false;
    engine.level = Easy;
    newBoard(engine);
    runFor(400); // the board comes to rest
    ASSERT_FALSE(engine.boardMoving);
    QWidget* client = clientArea();
    ASSERT_NE(client, nullptr);
    ASSERT_EQ(blankCells(client->grab().toImage()), 0);

    const int menuHeight = window->menuBar()->height();
    for (const QSize size : {QSize(480, 588), QSize(486, 588), QSize(240, 294)}) {
        SCOPED_TRACE(size.width());
        // A frame drawn and waiting for its paint, then the resize.
        window->sendMessage({.kind = MessageKind::Frame});
        window->resize(size.width(), size.height() + menuHeight);
        QCoreApplication::processEvents();
        ASSERT_EQ(client->size(), size);
        EXPECT_EQ(blankCells(client->grab().toImage()), 0);
        const int before = frames;
        ASSERT_TRUE(runUntil([&] { return frames >= before + 30; }, 3000));
        EXPECT_EQ(blankCells(client->grab().toImage()), 0);
    }
}

} // namespace
