// The byte layout of a game kept while the program is closed: every field the engine goes on with.
#include "game/engine/saved_game.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

constexpr std::uint8_t kMagic[4] = {'Z', 'S', 'A', 'V'};
constexpr std::size_t kCellBytes = 12;
constexpr std::size_t kPopupBytes = 16;
constexpr std::size_t kSparkleBytes = 12;
constexpr std::size_t kChecksumBytes = 4;
// Magic, version, generator; board; score to level; motion flags; selection, swap and hint;
// carries; password; the two counts.
constexpr std::size_t kFixedBytes = 4 + 4 + 4 + kCellCount * kCellBytes + 13 + 4 + 4 + 4 + 2 + 8 +
                                    16 + 16 + 8 + 1 + 2 * kPasswordUnits + 4 + 4;
constexpr std::uint32_t kCarryLimit = 1000; // a carry is the thousandths below one unit
constexpr std::int32_t kPopupLifeMs = 1000;
constexpr std::uint32_t kSparkleLastTicks = 9;

// One table lookup per byte.
constexpr std::array<std::uint32_t, 256> kCrcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit) {
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}();

class ByteWriter {
  public:
    std::vector<std::uint8_t> bytes;

    void u8(std::uint8_t value) { bytes.push_back(value); }
    void u16(std::uint16_t value) {
        u8(static_cast<std::uint8_t>(value));
        u8(static_cast<std::uint8_t>(value >> 8));
    }
    void u32(std::uint32_t value) {
        u16(static_cast<std::uint16_t>(value));
        u16(static_cast<std::uint16_t>(value >> 16));
    }
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
};

// Reads past the end give zeros and mark the reader failed, so a run of reads is checked once.
class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool failed() const { return failed_; }
    std::size_t remaining() const { return bytes_.size() - at_; }

    std::uint8_t u8() {
        if (at_ >= bytes_.size()) {
            failed_ = true;
            return 0;
        }
        return bytes_[at_++];
    }
    std::uint16_t u16() {
        const std::uint16_t low = u8();
        return static_cast<std::uint16_t>(low | u8() << 8);
    }
    std::uint32_t u32() {
        const std::uint32_t low = u16();
        return low | static_cast<std::uint32_t>(u16()) << 16;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    // A flag is stored as 0 or 1; any other byte fails the read.
    bool flag() {
        const std::uint8_t value = u8();
        failed_ = failed_ || value > 1;
        return value == 1;
    }
    // Fails the read unless the condition holds.
    void require(bool condition) { failed_ = failed_ || !condition; }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
    bool failed_ = false;
};

bool inRange(std::int32_t value, std::int32_t low, std::int32_t high) {
    return value >= low && value <= high;
}

// Offsets as the engine's motions leave them: a slide runs from one pitch towards 0 on one axis,
// an emptied cell keeps what its falling piece had left.
bool validCell(const Cell& cell) {
    if (cell.kind >= kPieceKinds || (cell.flags & ~Falling) != 0) {
        return false;
    }
    const std::int32_t x = cell.offsetX;
    const std::int32_t y = cell.offsetY;
    switch (cell.state) {
    case Idle:
        return x == 0 && y == 0;
    case SlideLeft:
        return inRange(x, 1, kCellPitch) && y == 0;
    case SlideRight:
        return inRange(x, -kCellPitch, -1) && y == 0;
    case SlideUp:
        return x == 0 && inRange(y, 1, kCellPitch);
    case SlideDown:
        return x == 0 && inRange(y, -kCellPitch, -1);
    case Empty:
        return x == 0 && inRange(y, 0, kCellPitch - 1);
    default:
        return false;
    }
}

bool neighbours(const Move& move) {
    return std::abs(move.column1 - move.column2) + std::abs(move.row1 - move.row2) == 1;
}

bool validSelection(const CellPosition& cell) {
    return (cell.column == -1 && cell.row == -1) || onBoard(cell.column, cell.row);
}

// None (column 1 of -1, the rest as a finished swap left them) or a swap of two neighbours.
bool validLastSwap(const Move& move) {
    if (move.column1 == -1) {
        return inRange(move.row1, -1, kRows - 1) && inRange(move.column2, -1, kColumns - 1) &&
               inRange(move.row2, -1, kRows - 1);
    }
    return onBoard(move.column1, move.row1) && onBoard(move.column2, move.row2) && neighbours(move);
}

void writeMove(ByteWriter& out, const Move& move) {
    out.i32(move.column1);
    out.i32(move.row1);
    out.i32(move.column2);
    out.i32(move.row2);
}

Move readMove(ByteReader& in) {
    Move move;
    move.column1 = in.i32();
    move.row1 = in.i32();
    move.column2 = in.i32();
    move.row2 = in.i32();
    return move;
}

// The last `count` entries at most: the newest, which live longest.
template <typename List> std::span<const typename List::value_type> newest(const List& list) {
    const std::size_t kept = std::min(list.size(), kMaxSavedEffects);
    return std::span(list).subspan(list.size() - kept);
}

void writeBoard(ByteWriter& out, const EngineState& state) {
    for (const Cell& cell : state.board) {
        out.i32(cell.offsetX);
        out.i32(cell.offsetY);
        out.u8(cell.kind);
        out.u8(cell.state);
        out.u16(cell.flags & Falling);
    }
}

void readBoard(ByteReader& in, EngineState& state) {
    for (Cell& cell : state.board) {
        cell.offsetX = in.i32();
        cell.offsetY = in.i32();
        cell.kind = in.u8();
        cell.state = in.u8();
        cell.flags = in.u16();
        in.require(validCell(cell));
        cell.flags |= Dirty;
    }
}

void writeEffects(ByteWriter& out, const EngineState& state) {
    const auto popups = newest(state.popups);
    out.u32(static_cast<std::uint32_t>(popups.size()));
    for (const ScorePopup& popup : popups) {
        out.i32(popup.column);
        out.i32(popup.row);
        out.i32(popup.points);
        out.i32(popup.lifeMs);
    }
    const auto sparkles = newest(state.sparkles);
    out.u32(static_cast<std::uint32_t>(sparkles.size()));
    for (const Sparkle& sparkle : sparkles) {
        out.i32(sparkle.column);
        out.i32(sparkle.row);
        out.u32(sparkle.ticks);
    }
}

// A count is checked against the limit and the bytes left before anything is allocated.
std::size_t readCount(ByteReader& in, std::size_t recordBytes) {
    const std::uint32_t count = in.u32();
    in.require(count <= kMaxSavedEffects && count * recordBytes <= in.remaining());
    return in.failed() ? 0 : count;
}

void readEffects(ByteReader& in, EngineState& state) {
    state.popups.resize(readCount(in, kPopupBytes));
    for (ScorePopup& popup : state.popups) {
        popup.column = in.i32();
        popup.row = in.i32();
        popup.points = in.i32();
        popup.lifeMs = in.i32();
        in.require(onBoard(popup.column, popup.row) && inRange(popup.lifeMs, 1, kPopupLifeMs));
    }
    state.sparkles.resize(readCount(in, kSparkleBytes));
    for (Sparkle& sparkle : state.sparkles) {
        sparkle.column = in.i32();
        sparkle.row = in.i32();
        sparkle.ticks = in.u32();
        in.require(onBoard(sparkle.column, sparkle.row) && sparkle.ticks <= kSparkleLastTicks);
    }
}

void writePassword(ByteWriter& out, const EngineState& state) {
    out.u8(state.passwordMade ? 1 : 0);
    for (const char16_t unit : state.lastPassword) {
        out.u16(unit);
    }
}

void readPassword(ByteReader& in, EngineState& state) {
    state.passwordMade = in.flag();
    for (char16_t& unit : state.lastPassword) {
        unit = in.u16();
    }
    in.require(std::find(std::begin(state.lastPassword), std::end(state.lastPassword), u'\0') !=
               std::end(state.lastPassword));
}

void readNumbers(ByteReader& in, EngineState& state) {
    state.score = in.i32();
    state.chainCount = in.i32();
    state.turnScore = in.i32();
    state.turnScoreVisible = in.flag();
    state.timeLeftMs = in.u32();
    state.idleMs = in.u32();
    state.level = in.i32();
    in.require(state.score >= 0 && state.chainCount >= 0 && state.turnScore >= 0 &&
               state.timeLeftMs <= kMaxTimeMs && inRange(state.level, Easy, Expert));
}

void readMotion(ByteReader& in, EngineState& state) {
    state.boardMoving = in.flag();
    state.boardWasMoving = in.flag();
    state.selection.column = in.i32();
    state.selection.row = in.i32();
    state.lastSwap = readMove(in);
    state.hintMove = readMove(in);
    state.swapCarry = in.u32();
    state.fallCarry = in.u32();
    in.require(validSelection(state.selection) && validLastSwap(state.lastSwap) &&
               onBoard(state.hintMove.column1, state.hintMove.row1) &&
               onBoard(state.hintMove.column2, state.hintMove.row2) &&
               state.swapCarry < kCarryLimit && state.fallCarry < kCarryLimit);
}

} // namespace

std::uint32_t savedGameChecksum(std::span<const std::uint8_t> bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const std::uint8_t byte : bytes) {
        crc = kCrcTable[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFu;
}

const std::size_t kMaxSavedGameBytes =
    kFixedBytes + kMaxSavedEffects * (kPopupBytes + kSparkleBytes) + kChecksumBytes;

std::vector<std::uint8_t> encodeSavedGame(const EngineState& state, std::uint32_t randomState) {
    ByteWriter out;
    out.bytes.assign(std::begin(kMagic), std::end(kMagic));
    out.u32(kSavedGameVersion);
    out.u32(randomState);
    writeBoard(out, state);
    out.i32(state.score);
    out.i32(state.chainCount);
    out.i32(state.turnScore);
    out.u8(state.turnScoreVisible ? 1 : 0);
    out.u32(state.timeLeftMs);
    out.u32(state.idleMs);
    out.i32(state.level);
    out.u8(state.boardMoving ? 1 : 0);
    out.u8(state.boardWasMoving ? 1 : 0);
    out.i32(state.selection.column);
    out.i32(state.selection.row);
    writeMove(out, state.lastSwap);
    writeMove(out, state.hintMove);
    out.u32(state.swapCarry);
    out.u32(state.fallCarry);
    writePassword(out, state);
    writeEffects(out, state);
    out.u32(savedGameChecksum(out.bytes));
    return std::move(out.bytes);
}

bool decodeSavedGame(std::span<const std::uint8_t> bytes, EngineState& state,
                     std::uint32_t& randomState) {
    if (bytes.size() < kFixedBytes + kChecksumBytes || bytes.size() > kMaxSavedGameBytes) {
        return false;
    }
    const auto body = bytes.first(bytes.size() - kChecksumBytes);
    ByteReader in(bytes);
    const bool magic = in.u8() == kMagic[0] && in.u8() == kMagic[1] && in.u8() == kMagic[2] &&
                       in.u8() == kMagic[3];
    if (!magic || in.u32() != kSavedGameVersion) {
        return false;
    }
    ByteReader trailer(bytes.last(kChecksumBytes));
    if (trailer.u32() != savedGameChecksum(body)) {
        return false;
    }
    EngineState game;
    const std::uint32_t generator = in.u32();
    readBoard(in, game);
    readNumbers(in, game);
    readMotion(in, game);
    readPassword(in, game);
    readEffects(in, game);
    if (in.failed() || in.remaining() != kChecksumBytes) {
        return false;
    }
    game.demoMode = false;
    game.services = state.services;
    state = std::move(game);
    randomState = generator;
    return true;
}
