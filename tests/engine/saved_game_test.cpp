// A saved game comes back exactly and goes on as it would have; a damaged file changes nothing.
#include "engine_fixture.h"
#include "game/engine/board.h"
#include "game/engine/tick.h"
#include "game/engine/saved_game.h"
#include "game/engine/swaps.h"

#include <functional>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A Normal game: every 40 frames a cell is tapped, then its right neighbour; frames of 9 to 25 ms.
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
    }
    void step() {
        if (taps && frame % 40 < 2 && !state.boardMoving) {
            const int column = (frame / 40) % 7 + frame % 40;
            stylusDown(state, 7 + 29 * column, 13 + 29 * ((frame / 280) % 8), 1, 1);
        }
        runTick(state, 9 + static_cast<std::uint32_t>(frame++ % 17));
    }
    bool playUntil(const std::function<bool(const EngineState&)>& moment) {
        for (int i = 0; i < 20000 && !state.demoMode; ++i) {
            step();
            if (moment(state)) {
                return true;
            }
        }
        return false;
    }
    // Every field the game goes on with (the encoding's own test is the play that follows it).
    Bytes saved() const { return encodeSavedGame(state, services.generator.state); }
};

bool anyCell(const EngineState& state, const std::function<bool(const Cell&)>& test) {
    return std::any_of(std::begin(state.board), std::end(state.board), test);
}

struct Moment {
    const char* name;
    std::function<void(Game&)> setUp;
    std::function<bool(const EngineState&)> holds;
};

const Moment kMoments[] = {
    {"resting with the hint due", [](Game& game) { game.taps = false; },
     [](const EngineState& s) { return !s.boardMoving && s.idleMs > 10000; }},
    {"mid-swap", [](Game&) {},
     [](const EngineState& s) {
         return anyCell(s, [](const Cell& c) { return c.state == SlideLeft && c.offsetX < 20; });
     }},
    {"mid-fall", [](Game&) {},
     [](const EngineState& s) {
         return anyCell(s, [](const Cell& c) { return (c.flags & Falling) && c.offsetY > -20; });
     }},
    {"pop-ups and sparkles showing", [](Game&) {},
     [](const EngineState& s) { return s.popups.size() >= 2 && !s.sparkles.empty(); }},
    {"a piece selected", [](Game&) {},
     [](const EngineState& s) { return s.selection.column != -1; }},
    {"the time nearly out", [](Game& game) { game.state.timeLeftMs = 3000; },
     [](const EngineState& s) { return s.timeLeftMs < 200; }},
};

} // namespace

TEST(SavedGame, AGameResumedAtAnyMomentGoesOnExactlyAsItWould) {
    for (const Moment& moment : kMoments) {
        SCOPED_TRACE(moment.name);
        Game original(20240611);
        moment.setUp(original);
        ASSERT_TRUE(original.playUntil(moment.holds));
        original.taps = true;
        const Bytes bytes = original.saved();
        Game resumed(1);
        std::uint32_t randomState = 0;
        ASSERT_TRUE(decodeSavedGame(bytes, resumed.state, randomState));
        EXPECT_EQ(resumed.state.services, &resumed.services);
        resumed.services.generator.seed(randomState);
        resumed.frame = original.frame;
        EXPECT_EQ(resumed.saved(), bytes);
        // A kept game goes on only through a resume, as a paused one does.
        resumeBoard(original.state);
        resumeBoard(resumed.state);
        original.services.calls.clear();
        original.services.sounds.clear();
        for (int frame = 0; frame < 400; ++frame) { // about six seconds
            original.step();
            resumed.step();
            ASSERT_EQ(resumed.saved(), original.saved()) << "frame " << frame;
        }
        EXPECT_EQ(resumed.services.calls, original.services.calls);
        EXPECT_EQ(resumed.services.sounds, original.services.sounds);
        EXPECT_EQ(original.state.demoMode, &moment == &kMoments[5]); // only that one ended
    }
}

TEST(SavedGame, TheChecksumIsCrc32) {
    const std::uint8_t check[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(savedGameChecksum(check), 0xCBF43926u);
}

namespace {

Bytes le32(std::uint32_t value) {
    return {std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16),
            std::uint8_t(value >> 24)};
}

// Where the fields lie (the layout's own documentation): cell i at 12 + 12 i.
constexpr std::size_t kCell0 = 12, kScore = 780, kChain = 784, kTurnScore = 788, kTurnShown = 792,
                      kTime = 793, kLevel = 801, kMoving = 805, kSelection = 807, kLastSwap = 815,
                      kHint = 831, kSwapCarry = 847, kPasswordMade = 855, kPassword = 856,
                      kPopupCount = 896, kFirstPopup = 900;

// One field changed and the checksum made right again, so only the field's check can refuse it.
const struct {
    const char* name;
    std::size_t offset;
    Bytes bytes;
} kBadFields[] = {
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
    {"a password without its end", kPassword, Bytes(40, 'x')},
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
        game.state.board[9] = Cell{0, 0, 3, Idle, 0}; // a slide written here starts from 0
        game.state.lastSwap = Move{1, 1, 1, 2};
        valid = encodeSavedGame(game.state, 77);
        ASSERT_EQ(valid[kPopupCount], game.state.popups.size()); // the offsets hold
        target.services = &services;
        before = encodeSavedGame(target, 1);
    }
    // Refused, with the record and the generator's state left alone.
    void expectIgnored(std::span<const std::uint8_t> bytes) {
        std::uint32_t randomState = 1;
        EXPECT_FALSE(decodeSavedGame(bytes, target, randomState));
        EXPECT_EQ(encodeSavedGame(target, randomState), before);
    }
    static Bytes sealed(Bytes bytes) {
        const Bytes crc = le32(savedGameChecksum(std::span(bytes).first(bytes.size() - 4)));
        std::copy(crc.begin(), crc.end(), bytes.end() - 4);
        return bytes;
    }

    Bytes valid;
    RecordingServices services;
    EngineState target;
    Bytes before;
};

} // namespace

TEST_F(DamagedSavedGame, ACutFileOrAnyChangedByteIsIgnored) {
    for (std::size_t at = 0; at < valid.size(); ++at) {
        SCOPED_TRACE(at);
        expectIgnored(std::span(valid).first(at));
        Bytes changed = valid;
        changed[at] ^= 0x10;
        expectIgnored(changed);
    }
    Bytes longer = valid;
    longer.push_back(0);
    expectIgnored(longer);
    expectIgnored(sealed(longer));
    expectIgnored(Bytes(kMaxSavedGameBytes + 1, 0));
}

TEST_F(DamagedSavedGame, EachFieldOutsideWhatTheEngineMakesIsIgnored) {
    EngineState check;
    std::uint32_t randomState = 0;
    ASSERT_TRUE(decodeSavedGame(sealed(valid), check, randomState));
    for (const auto& field : kBadFields) {
        SCOPED_TRACE(field.name);
        Bytes bytes = valid;
        std::copy(field.bytes.begin(), field.bytes.end(), bytes.begin() + field.offset);
        expectIgnored(sealed(bytes));
    }
}
