// Fuzzes reading registry.ini: any text gives a key or none, and a value only with its terminator.
#include "fuzz_root.h"
#include "platform/registry.h"

#include <cstdlib>

namespace {
std::filesystem::path registryFile;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    registryFile = makeFuzzRoot() / "registry.ini";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    writeRaw(registryFile, data, size);
    const auto key = RegistryKey::open(u"SOFTWARE\\Apps\\Quendlex Zorvagon");
    if (!key) {
        return 0;
    }
    char16_t buffer[260];
    buffer[259] = u'x';
    if (key->readString(u"installdir", buffer, 260) &&
        std::char_traits<char16_t>::length(buffer) > 259) {
        std::abort();
    }
    return 0;
}
