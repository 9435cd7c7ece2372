// Opening only regular files, so a pipe, socket or device in a file's place never blocks or swells.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

// Opens `path` for reading when it is a regular file; -1 otherwise. The open does not wait
// (a pipe without a writer would block a plain open) and the kind is checked on the descriptor
// itself, so nothing can be swapped in between the check and the use.
int openRegularFileForReading(const std::filesystem::path& path);

// Reads until `count` bytes came or the file ended, retrying interrupted reads; -1 on an error.
std::int64_t readFully(int descriptor, std::uint8_t* buffer, std::size_t count);

// Whether `path` is missing or a regular file: the only things a file may be replaced over.
bool replaceableFilePath(const std::filesystem::path& path);

// The first bytes of a regular file, at most maxBytes of them; nothing when it cannot be read.
std::optional<std::vector<std::uint8_t>> readNativeFileStart(const std::filesystem::path& path,
                                                             std::size_t maxBytes);

// The first bytes of a file, or why there are none. A file that exists but cannot be read (no
// permission, a folder, pipe or device in its place, a link to nothing, an I/O error) is not a
// missing file: what it holds may be the player's, so it must never be replaced by defaults.
struct FileStart {
    enum class State { Read, Missing, Unreadable };
    State state = State::Missing;
    std::vector<std::uint8_t> bytes;
};
FileStart readNativeFileStartOrWhyNot(const std::filesystem::path& path, std::size_t maxBytes);

// A whole regular file of at most maxBytes; nothing when missing, unreadable or larger.
std::optional<std::vector<std::uint8_t>> readNativeWholeFile(const std::filesystem::path& path,
                                                             std::size_t maxBytes);
