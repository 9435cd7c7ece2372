// Score passwords: score, level and tag as a short text over the password alphabet.
#include "game/scores/password_codec.h"

#include "platform/random.h"

namespace {

constexpr int kTagsPerLevel = 24;
constexpr int kLevelCount = 3;

int nextOffset(int offset) {
    return offset + 1 > kMaxRotationOffset ? 0 : offset + 1;
}

void readLevelSymbol(int value, PasswordContent& content) {
    content.level = value / kTagsPerLevel;
    content.tag = value % kTagsPerLevel;
}

// A decimal text-to-integer reading: white space, one optional sign, digits up to the first
// other character; taken as an unsigned 32-bit number, wrapping as the platform's does.
std::uint32_t decimalValue(std::u16string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == u' ' || (text[at] >= u'\t' && text[at] <= u'\r'))) {
        ++at;
    }
    const bool negative = at < text.size() && text[at] == u'-';
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) {
        ++at;
    }
    std::uint32_t value = 0;
    for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
        value = value * 10u + static_cast<std::uint32_t>(text[at] - u'0');
    }
    return negative ? 0u - value : value;
}

} // namespace

int rotationOffset(int randomNumber) {
    return randomNumber * kMaxRotationOffset / kRandomMax;
}

std::u16string encodePassword(std::uint32_t score, int tag, int level) {
    return encodePassword(score, tag, level, rotationOffset(nextRandom()));
}

std::u16string encodePassword(std::uint32_t score, int tag, int level, int offset) {
    CodecState state;
    if (tag < 0 || tag >= kTagsPerLevel || level < 0 || level >= kLevelCount) {
        return {};
    }
    const std::string digits = std::to_string(score);
    std::u16string text;
    text += symbolOf(static_cast<int>(digits.size()), state);
    text += symbolOf(offset, state);
    text += symbolOf(tag + kTagsPerLevel * level, state);
    for (const char digit : digits) {
        text += symbolOf(digit - '0' + offset, state);
        offset = nextOffset(offset);
    }
    text += symbolOf(checksumValue(text, text.size()), state);
    return state.error ? std::u16string() : text;
}

bool decodePassword(std::u16string_view text, PasswordContent& content) {
    if (text.empty() || !checksumMatches(text, text.size() - 1)) {
        return false;
    }
    CodecState state;
    readLevelSymbol(valueAt(text, 2, state), content);
    const int digitCount = valueAt(text, 0, state);
    int offset = valueAt(text, 1, state);
    std::u16string digits;
    for (int k = 0; k < digitCount && !state.error; ++k) {
        const int value = valueAt(text, 3 + static_cast<std::size_t>(k), state);
        digits += static_cast<char16_t>(48 + value - offset);
        offset = nextOffset(offset);
    }
    content.score = decimalValue(digits);
    return !state.error;
}

bool decodeLegacyPassword(std::u16string_view text, PasswordContent& content) {
    constexpr int kBias[8] = {0, 16, 40, 56, 0, 16, 40, 56};
    if (!checksumMatches(text, 9)) {
        return false;
    }
    CodecState state;
    readLevelSymbol(valueAt(text, 0, state), content);
    std::uint32_t score = 0;
    for (int k = 0; k < 8; ++k) {
        // Each group is widened as a signed byte, so an out-of-range group sets high bits.
        const auto group = static_cast<std::int8_t>(valueAt(text, 1 + k, state) - kBias[k]);
        score |= static_cast<std::uint32_t>(static_cast<std::int32_t>(group)) << (4 * k);
    }
    content.score = score;
    return !state.error;
}
