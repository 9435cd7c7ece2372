// Little-endian 32-bit numbers as the theme file stores them.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>

// Reads four bytes as an unsigned little-endian number; nothing when fewer than four came.
std::optional<std::uint32_t> readUint32(std::istream& in);

// How many bytes lie between the read position and the end; nothing when the stream cannot
// tell (a failed stream, or one that cannot seek).
std::optional<std::uint64_t> bytesRemaining(std::istream& in);
