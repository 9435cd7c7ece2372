// The theme file (.zpk): its layout, the writer and the three readers both programs use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Layout, all numbers unsigned 32-bit little-endian, no gaps:
//   0       4  magic    "ZPK\0"
//   4       4  version  "1.1\0"
//   8       4  N        byte length of the name, terminator included (2 * units + 2)
//   12      N  name     UTF-16LE, ending in one zero unit
//   12 + N     seven records, each a 4-byte size S followed by S bytes of a whole .bmp file;
//              record k (1..7) is piece kind k - 1. Bytes after record 7 are ignored.

constexpr std::size_t kThemeRecordCount = 7;
// Every theme name buffer: 260 units, terminator included, so a name has at most 259 units.
constexpr std::size_t kThemeNameUnits = 260;
constexpr std::uint32_t kThemeNameMaxBytes = 2 * kThemeNameUnits;
// The largest record either side accepts: the largest bitmap file the game's loader reads (a
// bitmap of 1024 by 1024 pixels at 32 bits, with room for any header). So every file written
// can be loaded, and a record the game could not load is refused before anything is unpacked.
constexpr std::uint32_t kThemeRecordMaxBytes = 4u * 1024u * 1024u + 64u * 1024u;
// All that any reader looks at: the header, the longest name and seven of the largest records.
// Bytes past this are past record 7 in every file a reader accepts.
constexpr std::size_t kThemeFileMaxBytes =
    12 + kThemeNameMaxBytes + kThemeRecordCount * (4 + std::size_t{kThemeRecordMaxBytes});
// The header and the longest name field: all the theme list reads.
constexpr std::size_t kThemeHeadMaxBytes = 12 + kThemeNameMaxBytes;

// Turns the theme compiler's narrow (ANSI) name into UTF-16; on Linux the locale's narrow
// encoding is UTF-8, so pixelkiln passes its UTF-8 conversion here.
using NarrowToUtf16 = std::function<std::u16string(std::string_view)>;

// The bytes of a theme file: header, the name (converted, cut at its first zero unit and to 259
// units) and the seven bitmap files' bytes, record 1 first, each whole. Nothing when a record
// is larger than kThemeRecordMaxBytes. The theme compiler writes them with the file layer, so
// a failed save leaves any old file as it was.
std::optional<std::vector<std::uint8_t>>
themeFileBytes(std::string_view narrowName, const NarrowToUtf16& toUtf16,
               const std::vector<std::uint8_t> (&records)[kThemeRecordCount]);

// Reads the 4 magic and 4 version bytes from offset 0; true only when both match byte for
// byte, the zero fourth bytes included. (The theme compiler's text comparison against "ZPK"
// and "1.1" accepts exactly the same files.) Leaves the stream at offset 8.
bool checkThemeHeader(std::istream& in);

// The name, read from offset 8 without looking at the header (the theme list's reader).
// Gives the units before the first zero unit, at most 259 of them: a name that is too long,
// cut short by the end of the file or missing its terminator gives the part that fits.
// Nothing only when the name length itself cannot be read.
std::optional<std::u16string> readThemeName(std::istream& in);

// Steps over the name straight after checkThemeHeader (the game's loader). Fails when N
// cannot be read, is above kThemeNameMaxBytes or runs past the end of the file.
bool skipThemeName(std::istream& in);

// The seven records as the game's loader and the theme compiler's Open read them: the header
// checked, the name skipped, then every record whole and no larger than kThemeRecordMaxBytes.
// Fails unless all seven are there; nothing is ever read past the end of the file.
bool readThemeRecords(std::istream& in, std::vector<std::uint8_t> (&records)[kThemeRecordCount]);

// Reads one record (its size, then that many bytes) into `bytes`; called seven times after
// the name. Fails, without allocating, when the size cannot be read, runs past the end of the
// file or is above kThemeRecordMaxBytes; `bytes` is then empty.
bool readPieceRecord(std::istream& in, std::vector<std::uint8_t>& bytes);
