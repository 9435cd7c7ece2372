// The 72-symbol password alphabet, its checksum symbol and the codec error state.
#pragma once

#include <cstdint>
#include <string_view>

constexpr int kSymbolCount = 72;

// The error state of one encode or decode: set by a value or character outside the alphabet.
// Each operation has its own, so one failure never reaches the next operation.
struct CodecState {
    bool error = false;
};

// Every symbol a password may hold, in value order.
std::u16string_view passwordSymbols();

// a-z are 0..25, A-Z 26..51, 0-9 52..61, then ! @ # $ % ^ & * ( ) 62..71. Any other value
// sets the error state and gives a zero unit.
char16_t symbolOf(int value, CodecState& state);

// The value of a symbol; any other character sets the error state and gives 0.
int valueOf(char16_t character, CodecState& state);

// The value of the symbol at a position; a position past the end counts as a non-symbol.
int valueAt(std::u16string_view text, std::size_t position, CodecState& state);

// The sum of the character codes before `position`, mod 72: what the checksum symbol holds.
int checksumValue(std::u16string_view text, std::size_t position);

// Whether the symbol at `position` is the checksum over everything before it.
bool checksumMatches(std::u16string_view text, std::size_t position);
