// Narrow texts and the start directory.
#include "pixelkiln/pixelkiln_state.h"

#include "platform/text.h"

#include <system_error>

std::string cutNarrowText(std::string_view text, std::size_t maxBytes) {
    text = text.substr(0, text.find('\0'));
    if (text.size() <= maxBytes) {
        return std::string(text);
    }
    std::size_t end = maxBytes;
    // Step back over continuation bytes so the cut falls between characters.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return std::string(text.substr(0, end));
}

void restoreStartDirectory(const PixelkilnState& state) {
    std::error_code ignored;
    if (!state.startDirectory.empty()) {
        std::filesystem::current_path(state.startDirectory, ignored);
    }
}

std::string narrowFromDialogText(std::u16string_view text) {
    return cutNarrowText(utf8FromUtf16(text));
}

std::u16string dialogTextFromNarrow(std::string_view text) {
    return utf16FromUtf8(text);
}
