// Files of the device, named by handheld paths: open, read, write, seek, copy, delete, search.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class SeekOrigin { Begin, Current, End };

// An open file; closed when the handle goes.
class File {
public:
    // Opens an existing regular file for reading; nothing for a missing file or a folder.
    static std::unique_ptr<File> openForReading(std::u16string_view handheldPath);
    // Creates a file for writing, replacing any old one.
    static std::unique_ptr<File> createForWriting(std::u16string_view handheldPath);

    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Reads up to `count` bytes; returns how many came.
    std::size_t read(void* buffer, std::size_t count);
    // Writes `count` bytes; returns how many were written.
    std::size_t write(const void* data, std::size_t count);
    bool seek(std::int64_t offset, SeekOrigin origin);
    std::int64_t tell();
    std::int64_t size();

private:
    explicit File(std::FILE* stream) : stream_(stream) {}
    std::FILE* stream_;
};

// Reads a whole regular file of at most maxBytes; nothing when missing, unreadable or larger.
std::optional<std::vector<std::uint8_t>> readWholeFile(std::u16string_view handheldPath,
                                                       std::size_t maxBytes);

// Replaces a file's content atomically: a temporary file beside it is renamed over it, so a
// failed write leaves the old file whole. Returns whether the new content is in place.
bool replaceFile(std::u16string_view handheldPath, const void* data, std::size_t count);

bool fileExists(std::u16string_view handheldPath);
bool copyFile(std::u16string_view from, std::u16string_view to, bool overwrite);
bool deleteFile(std::u16string_view handheldPath);
bool createDirectory(std::u16string_view handheldPath);

// The names of the regular files in a folder that match a pattern of '*' and '?' (such as
// "*.zpk"), ignoring case, sorted by name so the order is the same on every machine.
std::vector<std::u16string> findFiles(std::u16string_view folder, std::u16string_view pattern);
