// The handheld's registry, kept in <device root>/registry.ini: key paths are sections, values keys.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// An open registry key; closing is letting it go.
class RegistryKey {
public:
    // Opens a key such as "SOFTWARE\Apps\Quendlex Zorvagon" (matched ignoring case); nothing
    // when registry.ini has no such section, is missing, unreadable or too large to be one.
    static std::optional<RegistryKey> open(std::u16string_view keyPath);

    // Copies a text value with its terminator into a buffer of bufferUnits units. Fails, leaving
    // the buffer alone, when the value is missing or does not fit with its terminator.
    bool readString(std::u16string_view valueName, char16_t* buffer,
                    std::size_t bufferUnits) const;

private:
    std::map<std::u16string, std::u16string> values_; // by case-folded value name
};
