// Fuzzes loading the preferences file: a whole record is taken as it is, a short one gives the
// defaults with its theme path kept and is written back whole.
#include "fuzz_root.h"
#include "game/shell/install_directory.h"
#include "game/shell/preferences.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <vector>

namespace {
std::filesystem::path preferencesFile;
char16_t installDirectory[kPathUnits] = {};
Preferences preferences;

std::vector<std::uint8_t> fileBytes() {
    std::ifstream in(preferencesFile, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    preferencesFile = makeFuzzRoot() / "my documents" / "zorv.prf";
    readInstallDirectory(installDirectory);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    writeRaw(preferencesFile, data, size);
    loadPreferences(preferences, installPath(installDirectory, u"zorv.prf"));
    const auto record = encodePreferences(preferences);
    const auto onDisk = fileBytes();
    if (size >= kPreferencesBytes) {
        // Taken byte for byte, and the file left alone.
        if (!std::equal(record.begin(), record.end(), data) || onDisk.size() != size) {
            std::abort();
        }
        return 0;
    }
    if (!std::equal(record.begin(), record.end(), onDisk.begin(), onDisk.end())) {
        std::abort(); // written back whole
    }
    for (std::size_t at = 12; at < 12 + 520; ++at) {
        if (record[at] != (at < size ? data[at] : 0)) {
            std::abort(); // the theme path as far as the file held it
        }
    }
    return 0;
}
