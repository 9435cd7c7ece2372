// A saved game comes back field for field and goes on exactly; a damaged file changes nothing.
#include "engine_fixture.h"
#include "game/engine/board.h"
#include "game/engine/frame.h"
#include "game/engine/saved_game.h"
#include "game/engine/swaps.h"

#include <functional>

namespace {

// Every field of the record but the services, in one comparable list.
std::vector<std::int64_t> everyField(const EngineState& s) {
    std::vector<std::int64_t> v;
    for (const Cell& c : s.board) {
        v.insert(v.end(), {c.offsetX, c.offsetY, c.kind, c.state, c.flags});
    }
    v.insert(v.end(), {s.score,
                       s.chainCount,
                       s.turnScore,
                       s.turnScoreVisible,
                       s.timeLeftMs,
                       s.idleMs,
                       s.level,
                       s.demoMode,
                       s.boardMoving,
                       s.boardWasMoving,
                       s.selection.column,
                       s.selection.row,
                       s.lastSwap.column1,
                       s.lastSwap.row1,
                       s.lastSwap.column2,
                       s.lastSwap.row2,
                       s.hintMove.column1,
                       s.hintMove.row1,
                       s.hintMove.column2,
                       s.hintMove.row2,
                       s.stylusHeld,
                       s.passwordMade,
                       s.swapCarry,
                       s.fallCarry,
                       std::int64_t(s.popups.size())});
    for (const ScorePopup& p : s.popups) {
        v.insert(v.end(), {p.column, p.row, p.points, p.lifeMs});
    }
    for (const Sparkle& p : s.sparkles) {
        v.insert(v.end(), {p.column, p.row, p.ticks});
    }
    v.insert(v.end(), std::begin(s.lastPassword), std::end(s.lastPassword));
    return v;
}

// One game on Normal, the stylus trying a swap every 40 frames, frames of 9 to 25 ms.
struct Game {
    RecordingServices services;
    EngineState state;
    int frame = 0;
    bool taps = true;

    explicit Game(std::uint32_t seed) {
        services.generator.seed(seed);
        state.services = &services;
        newBoard(state);
        state.demoMode = false;
        state.level = Normal;
        setFieldPassword(u"pw1");
    }
    void setFieldPassword(std::u16string_view text) {
        std::fill(std::begin(state.lastPassword), std::end(state.lastPassword), u'\0');
        std::copy(text.begin(), text.end(), state.lastPassword);
        state.passwordMade = true;
    }
    void step() {
        // A cell is tapped, and in the next frame its right or lower neighbour.
        if (taps && frame % 40 < 2 && !state.boardMoving) {
            const int column = (frame / 40) % 7;
            const int row = (frame / 280) % 7;
            const bool down = (frame / 40) % 2 == 1;
            const bool second = frame % 40 == 1;
            stylusDown(state, 4 + 29 * (column + (second && !down)) + 3,
                       10 + 29 * (row + (second && down)) + 3, 1, 1);
        }
        runFrame(state, 9 + static_cast<std::uint32_t>(frame % 17));
        ++frame;
    }
    // Plays until the moment holds; false when it never came.
    bool playUntil(const std::function<bool(const EngineState&)>& moment, int limit = 20000) {
        for (int i = 0; i < limit && !state.demoMode; ++i) {
            step();
            if (moment(state)) {
                return true;
            }
        }
        return false;
    }
};

bool anyCell(const EngineState& state, const std::function<bool(const Cell&)>& test) {
    return std::any_of(std::begin(state.board), std::end(state.board), test);
}

struct Moment {
    const char* name;
    std::function<bool(const EngineState&)> holds;
};

const Moment kMoments[] = {
    {"resting with the hint due",
     [](const EngineState& s) { return !s.boardMoving && !s.boardWasMoving && s.idleMs > 10000; }},
    {"mid-swap",
     [](const EngineState& s) {
         return anyCell(s, [](const Cell& c) { return c.state == SlideLeft && c.offsetX < 20; });
     }},
    {"mid-fall",
     [](const EngineState& s) {
         return anyCell(s, [](const Cell& c) { return (c.flags & Falling) && c.offsetY > -20; });
     }},
    {"pop-ups and sparkles showing",
     [](const EngineState& s) { return s.popups.size() >= 2 && !s.sparkles.empty(); }},
    {"a piece selected", [](const EngineState& s) { return s.selection.column != -1; }},
};

// The game saved at the moment, restored into a fresh record, and both played on side by side.
void expectResumedExactly(Game& original, int framesAfter) {
    const auto bytes = encodeSavedGame(original.state, original.services.generator.state);
    Game resumed(1);
    std::uint32_t randomState = 0;
    ASSERT_TRUE(decodeSavedGame(bytes, resumed.state, randomState));
    EXPECT_EQ(resumed.state.services, &resumed.services);
    resumed.services.generator.seed(randomState);
    resumed.frame = original.frame;
    EXPECT_EQ(encodeSavedGame(resumed.state, randomState), bytes);
    // A kept game goes on only through a resume, as a paused one does.
    resumeBoard(original.state);
    resumeBoard(resumed.state);
    ASSERT_EQ(everyField(resumed.state), everyField(original.state));
    original.services.calls.clear();
    for (int i = 0; i < framesAfter; ++i) {
        original.step();
        resumed.step();
        ASSERT_EQ(everyField(resumed.state), everyField(original.state)) << "frame " << i;
    }
    EXPECT_EQ(resumed.services.calls, original.services.calls);
    EXPECT_EQ(resumed.services.generator.state, original.services.generator.state);
}

} // namespace

TEST(SavedGame, AGameResumedAtAnyMomentGoesOnExactlyAsItWould) {
    for (const Moment& moment : kMoments) {
        SCOPED_TRACE(moment.name);
        Game game(20240611);
        // The board rests ten seconds only while nobody touches it.
        game.taps = !std::string(moment.name).starts_with("resting");
        ASSERT_TRUE(game.playUntil(moment.holds));
        game.taps = true;
        expectResumedExactly(game, 400); // about six seconds
    }
}

TEST(SavedGame, AGameWithItsTimeNearlyOutEndsTheSameWayAfterTheResume) {
    Game game(99);
    game.state.timeLeftMs = 3000;
    ASSERT_TRUE(game.playUntil([](const EngineState& s) { return s.timeLeftMs < 200; }));
    expectResumedExactly(game, 60);
    EXPECT_TRUE(game.state.demoMode);
    EXPECT_EQ(game.services.messages.back(), u"Game Over|Time is up.  Game over.");
}

TEST(SavedGame, TheChecksumIsCrc32) {
    const std::string check = "123456789";
    EXPECT_EQ(savedGameChecksum(
                  std::span(reinterpret_cast<const std::uint8_t*>(check.data()), check.size())),
              0xCBF43926u);
}

namespace {

// A file with one field changed and its checksum made right again, so only the field's check
// can refuse it.
struct FieldCase {
    const char* name;
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
};

std::vector<std::uint8_t> le32(std::uint32_t value) {
    return {std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16),
            std::uint8_t(value >> 24)};
}

// Where the fields lie (the layout's own documentation): cell i at 12 + 12 i.
constexpr std::size_t kCell0 = 12, kScore = 780, kChain = 784, kTurnScore = 788, kTurnShown = 792,
                      kTime = 793, kLevel = 801, kMoving = 805, kSelection = 807, kLastSwap = 815,
                      kHint = 831, kSwapCarry = 847, kPasswordMade = 855, kPassword = 856,
                      kPopupCount = 896, kFirstPopup = 900;

const FieldCase kBadFields[] = {
    {"another version", 4, le32(2)},
    {"a piece kind of 7", kCell0 + 8, {7}},
    {"an unknown cell state", kCell0 + 9, {5}},
    {"an unknown cell flag", kCell0 + 10, {8}},
    {"a redraw mark", kCell0 + 10, {Dirty}},
    {"a resting piece off its cell", kCell0, le32(3)},
    {"a slide from beyond a cell", kCell0 + 12 * 9 + 9, {SlideLeft}},
    {"a negative score", kScore, le32(0xFFFFFFFF)},
    {"a negative chain", kChain, le32(0x80000000)},
    {"a negative turn score", kTurnScore, le32(0xFFFFFFFF)},
    {"a flag of 2", kTurnShown, {2}},
    {"more time than the bar holds", kTime, le32(105001)},
    {"a fourth level", kLevel, le32(3)},
    {"a motion flag of 255", kMoving, {255}},
    {"a selection off the board", kSelection, le32(8)},
    {"a swap of cells apart", kLastSwap, le32(5)},
    {"a hint off the board", kHint + 12, le32(0xFFFFFFFF)},
    {"a whole unit in the carry", kSwapCarry, le32(1000)},
    {"a password flag of 3", kPasswordMade, {3}},
    {"a password without its end", kPassword, std::vector<std::uint8_t>(40, 'x')},
    {"a pop-up count past the limit", kPopupCount, le32(4097)},
    {"a pop-up count of four billion", kPopupCount, le32(0xFFFFFFFF)},
    {"a pop-up count past the file", kPopupCount, le32(4000)},
    {"a pop-up off the board", kFirstPopup, le32(8)},
    {"a spent pop-up", kFirstPopup + 12, le32(0)},
};

class DamagedSavedGame : public ::testing::Test {
  protected:
    void SetUp() override {
        Game game(5);
        ASSERT_TRUE(game.playUntil(kMoments[3].holds));
        // Cell 9 rests, so a slide written over its state starts from an offset of 0.
        game.state.board[9] = Cell{0, 0, 3, Idle, 0};
        game.state.lastSwap = Move{1, 1, 1, 2};
        valid = encodeSavedGame(game.state, 77);
        ASSERT_EQ(valid.size(), kFirstPopup + 16 * game.state.popups.size() + 4 +
                                    12 * game.state.sparkles.size() + 4);
        target.score = 12345;
        target.services = &services;
        before = everyField(target);
    }
    // The decoder refuses the bytes and leaves the record and the generator's state alone.
    void expectIgnored(std::span<const std::uint8_t> bytes) {
        std::uint32_t randomState = 1;
        EXPECT_FALSE(decodeSavedGame(bytes, target, randomState));
        EXPECT_EQ(randomState, 1u);
        EXPECT_EQ(everyField(target), before);
    }
    static void sealed(std::vector<std::uint8_t>& bytes) {
        const auto crc = le32(savedGameChecksum(std::span(bytes).first(bytes.size() - 4)));
        std::copy(crc.begin(), crc.end(), bytes.end() - 4);
    }

    std::vector<std::uint8_t> valid;
    RecordingServices services;
    EngineState target;
    std::vector<std::int64_t> before;
};

} // namespace

TEST_F(DamagedSavedGame, ACutFileAtEveryLengthIsIgnored) {
    for (std::size_t length = 0; length < valid.size(); ++length) {
        SCOPED_TRACE(length);
        expectIgnored(std::span(valid).first(length));
    }
}

TEST_F(DamagedSavedGame, AnyChangedByteOrAnyByteMoreIsIgnored) {
    for (std::size_t at = 0; at < valid.size(); ++at) {
        SCOPED_TRACE(at);
        auto changed = valid;
        changed[at] ^= 0x10;
        expectIgnored(changed);
    }
    auto longer = valid;
    longer.push_back(0);
    expectIgnored(longer);
    sealed(longer);
    expectIgnored(longer);
    expectIgnored(std::vector<std::uint8_t>(kMaxSavedGameBytes + 1, 0));
}

TEST_F(DamagedSavedGame, EachFieldOutsideWhatTheEngineMakesIsIgnored) {
    auto untouched = valid;
    sealed(untouched);
    std::uint32_t randomState = 0;
    EngineState check;
    ASSERT_TRUE(decodeSavedGame(untouched, check, randomState));
    ASSERT_EQ(randomState, 77u);
    for (const FieldCase& field : kBadFields) {
        SCOPED_TRACE(field.name);
        auto bytes = valid;
        std::copy(field.bytes.begin(), field.bytes.end(), bytes.begin() + field.offset);
        sealed(bytes);
        expectIgnored(bytes);
    }
}
