// The 72-symbol password alphabet, its checksum symbol and the codec error state.
#include "game/scores/password_alphabet.h"

#include <algorithm>

namespace {

constexpr std::u16string_view kAlphabet =
    u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!@#$%^&*()";
static_assert(kAlphabet.size() == kSymbolCount);

} // namespace

std::u16string_view passwordSymbols() {
    return kAlphabet;
}

char16_t symbolOf(int value, CodecState& state) {
    if (value < 0 || value >= kSymbolCount) {
        state.error = true;
        return u'\0';
    }
    return kAlphabet[static_cast<std::size_t>(value)];
}

int valueOf(char16_t character, CodecState& state) {
    const std::size_t at = character == u'\0' ? kAlphabet.npos : kAlphabet.find(character);
    if (at == kAlphabet.npos) {
        state.error = true;
        return 0;
    }
    return static_cast<int>(at);
}

int valueAt(std::u16string_view text, std::size_t position, CodecState& state) {
    if (position >= text.size()) {
        state.error = true;
        return 0;
    }
    return valueOf(text[position], state);
}

int checksumValue(std::u16string_view text, std::size_t position) {
    std::uint64_t sum = 0;
    for (const char16_t unit : text.substr(0, std::min(position, text.size()))) {
        sum += unit;
    }
    return static_cast<int>(sum % kSymbolCount);
}

bool checksumMatches(std::u16string_view text, std::size_t position) {
    CodecState state;
    const int value = valueAt(text, position, state);
    return !state.error && value == checksumValue(text, position);
}
