// Score passwords: score, level and tag as a short text over the password alphabet.
#pragma once

#include "game/scores/password_alphabet.h"

#include <cstdint>
#include <string>
#include <string_view>

// Every password the game issues carries this tag; a converted legacy one keeps its own.
constexpr int kIssuedPasswordTag = 5;
// The highest rotation offset; digits step through 0..60 and wrap to 0.
constexpr int kMaxRotationOffset = 60;

// What a password carries.
struct PasswordContent {
    std::uint32_t score = 0;
    int tag = 0;   // 0..23
    int level = 0; // 0 Easy, 1 Normal, 2 Expert
};

// The offset a number x of the shared generator (0..32767) gives: x * 60 / 32767.
int rotationOffset(int randomNumber);

// The score password: digit count, offset, level symbol, the rotated digits, checksum; 4 + n
// symbols for n digits, so at most 14. Draws the offset from the shared generator.
// Gives an empty text for a tag outside 0..23 or a level outside 0..2.
std::u16string encodePassword(std::uint32_t score, int tag, int level);
// The same with a given starting offset (0..60).
std::u16string encodePassword(std::uint32_t score, int tag, int level, int offset);

// Reads a score password. Checks the checksum symbol first, then needs every character it
// reads to be a symbol; it deliberately checks nothing else (not the length, the offset's
// range, whether each rotated digit is a digit, or the tag). Decoding is read as a decimal
// text, so a digit count of 0 gives the score 0.
bool decodePassword(std::u16string_view text, PasswordContent& content);

// Reads the older ten-symbol form: level symbol, eight 4-bit groups with their biases, and the
// checksum at position 9. Characters after position 9 are not examined.
bool decodeLegacyPassword(std::u16string_view text, PasswordContent& content);
