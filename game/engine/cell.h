// One board cell: its piece, motion state, drawing offset and redraw flags.
#pragma once

#include <cstdint>

constexpr int kColumns = 8;
constexpr int kRows = 8;
constexpr int kCellCount = kColumns * kRows;
constexpr int kPieceKinds = 7;
constexpr int kCellPitch = 29;
// The board's design-unit edges: cell (c, r) starts at (kBoardLeft + 29c, kBoardTop + 29r).
constexpr int kBoardLeft = 4;
constexpr int kBoardTop = 10;

enum CellState : std::uint8_t {
    Idle = 0,
    SlideLeft = 1,
    SlideRight = 2,
    SlideUp = 3,
    SlideDown = 4,
    Empty = 255,
};

enum CellFlag : std::uint16_t {
    Falling = 1,
    Dirty = 2,
    DirtyTail = 4,
};

struct Cell {
    std::int32_t offsetX = 0;
    std::int32_t offsetY = 0;
    std::uint8_t kind = 0;
    std::uint8_t state = Idle;
    std::uint16_t flags = 0;
};

inline bool onBoard(int column, int row) {
    return column >= 0 && column < kColumns && row >= 0 && row < kRows;
}

// Column-major storage: column i, row j is element 8 * i + j.
inline int cellIndex(int column, int row) {
    return kRows * column + row;
}
