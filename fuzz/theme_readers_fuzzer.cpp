// Fuzzes the theme readers as the game's loader, the theme list and the compiler's Open use them,
// and checks that what they accept writes back to the same records.
#include "theme_format/byte_stream.h"
#include "theme_format/theme_file.h"

#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);

    // The theme list reads only the header and the longest name.
    ByteStream head(bytes.first(std::min(size, kThemeHeadMaxBytes)));
    const auto listed = readThemeName(head);
    if (listed && listed->size() >= kThemeNameUnits) {
        std::abort();
    }

    // The game's loader and the compiler's Open: the records, then (for Open) the name.
    ByteStream in(bytes);
    std::vector<std::uint8_t> records[kThemeRecordCount];
    if (!readThemeRecords(in, records)) {
        return 0;
    }
    const auto name = readThemeName(in);
    if (!name) {
        std::abort(); // a file whose records were read has a name length
    }
    // Written again, the records read back unchanged.
    const auto narrow = [&name](std::string_view) { return *name; };
    const auto rewritten = themeFileBytes("", narrow, records);
    if (!rewritten) {
        std::abort();
    }
    ByteStream again(*rewritten);
    std::vector<std::uint8_t> reread[kThemeRecordCount];
    if (!readThemeRecords(again, reread)) {
        std::abort();
    }
    for (std::size_t k = 0; k < kThemeRecordCount; ++k) {
        if (reread[k] != records[k]) {
            std::abort();
        }
    }
    return 0;
}
