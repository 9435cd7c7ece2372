// A device root of the fuzzers' own in a temporary folder, with the game's files written raw.
#pragma once

#include "platform/file_system_calls.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

inline std::filesystem::path fuzzRoot;

// Makes a fresh device root holding "my documents" and points the platform layer at it; it goes
// again when the fuzzer ends. Syncs are left out: the fuzzers test what the parsers make of
// bytes, not what reaches the disk.
inline std::filesystem::path makeFuzzRoot() {
    const char* shared = "/dev/shm";
    std::string pattern =
        (std::filesystem::is_directory(shared) ? std::string(shared) : std::string("/tmp")) +
        "/zorv-fuzz-XXXXXX";
    const std::filesystem::path root = mkdtemp(pattern.data());
    fuzzRoot = root;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(fuzzRoot, ignored);
    });
    setenv("ZORVAGON_ROOT", root.c_str(), 1);
    std::filesystem::create_directories(root / "my documents" / "zorv themes");
    fileSystemCalls().fsync = [](int) { return 0; };
    fileSystemCalls().fsyncFolder = [](int) { return 0; };
    return root;
}

inline void writeRaw(const std::filesystem::path& path, const std::uint8_t* data,
                     std::size_t size) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// Input bytes as UTF-16LE code units; an odd last byte is dropped.
inline std::u16string utf16Units(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    for (std::size_t at = 0; at + 1 < size; at += 2) {
        text += static_cast<char16_t>(data[at] | data[at + 1] << 8);
    }
    return text;
}
