// A resting board's frame clock sleeps until something is due, with the outcome of 16 ms frames.
#include "game/engine/board.h"
#include "game/engine/tick.h"
#include "shell_fixture.h"

#include <climits>

namespace {

// What a frame that ends a rest leaves behind.
struct Wake {
    std::uint32_t atMs = 0;
    EngineState state;
    QImage shown;
    std::size_t messages = 0;
};

// A tap on a cell, or with column -1 on the first or second cell of the hint (row 1 or 2).
struct Tap {
    std::uint32_t atMs;
    int column;
    int row;
};

constexpr std::uint32_t kStartMs = 1000;
constexpr std::uint32_t kFrameMs = 16;

class RestingClock : public ShellTest {
  protected:
    void deal(int level, std::uint32_t timeLeftMs) {
        seedRandom(11);
        engine = EngineState{};
        engine.services = &game.services;
        engine.demoMode = false;
        engine.level = level;
        newBoard(engine);
        engine.timeLeftMs = timeLeftMs;
        setTestClock(kStartMs);
        resumeGame(game);
    }
    void tap(const Tap& at) {
        const Move& hint = engine.hintMove;
        const bool second = at.row == 2;
        const int column = at.column >= 0 ? at.column : second ? hint.column2 : hint.column1;
        const int row = at.column >= 0 ? at.row : second ? hint.row2 : hint.row1;
        const int scale = window.size.width / 240;
        window.tapCell(column, row, scale);
    }
    void frame(std::uint32_t atMs) {
        window.restMs.reset();
        frameAt(atMs);
    }
    Wake wakeAt(std::uint32_t atMs) {
        window.sendMessage({MessageKind::Paint});
        return {atMs, engine, window.shown, dialogs.messages.size()};
    }

    // Plays until the game ends or `untilMs`. Frames come every 16 ms while the shell asks for
    // no rest; a rest ends when it is due or at the next tap, and is crossed in one frame
    // (sleeping) or in 16 ms frames ending at the same moment (the display-rate reference).
    std::vector<Wake> play(bool sleeping, std::vector<Tap> taps, std::uint32_t untilMs) {
        std::vector<Wake> wakes;
        std::uint32_t now = kStartMs + kFrameMs;
        bool woken = false;
        while (now <= untilMs && dialogs.messages.empty()) {
            setTestClock(now);
            while (!taps.empty() && taps.front().atMs <= now) {
                tap(taps.front());
                taps.erase(taps.begin());
            }
            frame(now);
            if (woken) {
                wakes.push_back(wakeAt(now));
            }
            woken = window.restMs.has_value();
            if (!woken) {
                now += kFrameMs;
                continue;
            }
            std::uint32_t wake =
                *window.restMs < 0 ? UINT_MAX : now + std::uint32_t(*window.restMs);
            if (!taps.empty()) {
                wake = std::min(wake, taps.front().atMs);
            }
            wake = std::min(wake, untilMs + 1);
            for (std::uint32_t at = now + kFrameMs; !sleeping && at < wake; at += kFrameMs) {
                frame(at);
            }
            now = wake;
        }
        return wakes;
    }

    void expectSameOutcome(const std::vector<Wake>& sleeping, const std::vector<Wake>& reference) {
        ASSERT_EQ(sleeping.size(), reference.size());
        for (std::size_t i = 0; i < sleeping.size(); ++i) {
            SCOPED_TRACE(sleeping[i].atMs);
            const EngineState& a = sleeping[i].state;
            const EngineState& b = reference[i].state;
            ASSERT_EQ(sleeping[i].atMs, reference[i].atMs);
            for (int cell = 0; cell < kCellCount; ++cell) {
                EXPECT_EQ(a.board[cell].kind, b.board[cell].kind);
                EXPECT_EQ(a.board[cell].state, b.board[cell].state);
                EXPECT_EQ(a.board[cell].offsetX, b.board[cell].offsetX);
                EXPECT_EQ(a.board[cell].offsetY, b.board[cell].offsetY);
                // The frames' marks age their cells' flags once per frame; only whether the
                // cell is drawn counts.
                EXPECT_EQ(a.board[cell].flags & ~DirtyTail, b.board[cell].flags & ~DirtyTail);
            }
            EXPECT_EQ(a.score, b.score);
            EXPECT_EQ(a.turnScore, b.turnScore);
            EXPECT_EQ(a.turnScoreVisible, b.turnScoreVisible);
            EXPECT_EQ(a.timeLeftMs, b.timeLeftMs);
            EXPECT_EQ(a.idleMs, b.idleMs);
            EXPECT_EQ(a.level, b.level);
            EXPECT_EQ(a.demoMode, b.demoMode);
            EXPECT_EQ(a.selection.column, b.selection.column);
            EXPECT_EQ(a.hintMove.column1, b.hintMove.column1);
            EXPECT_EQ(a.hintMove.row2, b.hintMove.row2);
            EXPECT_TRUE(a.popups.empty() && b.popups.empty());
            EXPECT_EQ(sleeping[i].messages, reference[i].messages);
            EXPECT_TRUE(sleeping[i].shown == reference[i].shown);
        }
    }
};

TEST_F(RestingClock, ATimedGameWakesForTheTurnScoreTheTimeBarAndItsEndAsSixtyHertzShowsThem) {
    for (const int scale : {1, 3}) {
        SCOPED_TRACE(scale);
        window.size = {240 * scale, 294 * scale};
        const std::vector<Tap> taps{{4100, 6, 6}};
        std::vector<std::vector<Wake>> runs;
        std::vector<std::uint32_t> endedAt;
        dialogs.onMessageBox = [&](const MessageBoxRequest&) { endedAt.push_back(tickCount()); };
        for (const bool sleeping : {true, false}) {
            dialogs.messages.clear();
            deal(Normal, 12000);
            engine.turnScore = 30;
            engine.turnScoreVisible = true;
            runs.push_back(play(sleeping, taps, 60000));
        }
        // The turn score, some 25 steps of the time bar, the tap, and the end.
        EXPECT_GT(runs[0].size(), 25u);
        expectSameOutcome(runs[0], runs[1]);
        ASSERT_EQ(endedAt.size(), 2u);
        EXPECT_EQ(endedAt[0], endedAt[1]);
        ASSERT_FALSE(dialogs.messages.empty());
        EXPECT_EQ(dialogs.messages[0].text, u"Time is up.  Game over.");
        EXPECT_EQ(endedAt[0], kStartMs + 12000);
    }
}

TEST_F(RestingClock, AnEasyGameSleepsForGoodOnceTheHintShows) {
    std::vector<std::vector<Wake>> runs;
    for (const bool sleeping : {true, false}) {
        deal(Easy, 0);
        // The hinted move played: runs clear, pop-ups and sparkles come and go, the turn score
        // shows and later hides, and the next hint comes after ten idle seconds.
        runs.push_back(play(sleeping, {{3000, -1, 1}, {3050, -1, 2}}, 40000));
        EXPECT_GT(engine.score, 0);
        EXPECT_GT(engine.idleMs, 10000u);
        if (sleeping) {
            ASSERT_TRUE(window.restMs.has_value());
            EXPECT_EQ(*window.restMs, -1);
        }
    }
    // Two taps, the turn score, the hint.
    EXPECT_GE(runs[0].size(), 4u);
    expectSameOutcome(runs[0], runs[1]);
}

} // namespace
