// Writes a theme file: header, name and the seven bitmap files, into place only when whole.
#include "theme_format/byte_order.h"
#include "theme_format/theme_file.h"

#include <fstream>
#include <system_error>

namespace {

constexpr char kHeader[8] = {'Z', 'P', 'K', '\0', '1', '.', '1', '\0'};

// The converted name up to its first zero unit, at most 259 units, never half a surrogate pair.
std::u16string storedName(std::u16string name) {
    name = name.substr(0, name.find(u'\0'));
    if (name.size() > kThemeNameUnits - 1) {
        name.resize(kThemeNameUnits - 1);
        if (name.back() >= 0xD800 && name.back() <= 0xDBFF) {
            name.pop_back();
        }
    }
    return name;
}

void writeName(std::ostream& out, const std::u16string& name) {
    writeUint32(out, static_cast<std::uint32_t>(2 * name.size() + 2));
    for (const char16_t unit : name + u'\0') {
        const char bytes[2] = {static_cast<char>(unit & 0xff), static_cast<char>(unit >> 8)};
        out.write(bytes, sizeof bytes);
    }
}

// Copies one bitmap file whole, through one buffer of its own size, as size and bytes.
bool writeRecord(std::ostream& out, const std::filesystem::path& source) {
    std::ifstream in(source, std::ios::binary);
    if (!in || !in.seekg(0, std::ios::end)) {
        return false;
    }
    const std::streamoff size = in.tellg();
    if (size < 0 || size > std::streamoff{kThemeRecordMaxBytes} || !in.seekg(0)) {
        return false;
    }
    std::vector<char> bytes(static_cast<std::size_t>(size));
    if (!in.read(bytes.data(), size)) {
        return false;
    }
    writeUint32(out, static_cast<std::uint32_t>(size));
    out.write(bytes.data(), size);
    return static_cast<bool>(out);
}

bool writeContent(std::ostream& out, const std::u16string& name,
                  const std::filesystem::path (&sources)[kThemeRecordCount]) {
    out.write(kHeader, sizeof kHeader);
    writeName(out, name);
    for (const auto& source : sources) {
        if (!writeRecord(out, source)) {
            return false;
        }
    }
    out.flush();
    return static_cast<bool>(out);
}

} // namespace

bool writeThemeFile(const std::filesystem::path& output, std::string_view narrowName,
                    const NarrowToUtf16& toUtf16,
                    const std::filesystem::path (&sources)[kThemeRecordCount]) {
    std::filesystem::path partial = output;
    partial += ".part";
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    const bool written = writeContent(out, storedName(toUtf16(narrowName)), sources);
    out.close();
    std::error_code error;
    if (written && !out.fail()) {
        std::filesystem::rename(partial, output, error);
        if (!error) {
            return true;
        }
    }
    std::filesystem::remove(partial, error);
    return false;
}
