// Files of the device, named by handheld paths: open, read, write, seek, copy, delete, search.
#pragma once

#include "platform/regular_file.h"
#include "platform/temporary_names.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class SeekOrigin { Begin, Current, End };

// A file open for reading; closed when the handle goes. Files are written only whole, through
// replaceFile, so that a failing disk never leaves one half-written.
class File {
  public:
    // Opens an existing regular file for reading; nothing for a missing file, a folder, or a
    // pipe, socket or device in the file's place (which is never waited on).
    static std::unique_ptr<File> openForReading(std::u16string_view handheldPath);

    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Reads up to `count` bytes; returns how many came.
    std::size_t read(void* buffer, std::size_t count);
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

// The first bytes of a regular file, at most maxBytes of them; nothing when it cannot be read.
std::optional<std::vector<std::uint8_t>> readFileStart(std::u16string_view handheldPath,
                                                       std::size_t maxBytes);

// The first bytes of a file, at most maxBytes, or whether it is missing or exists but cannot
// be read; a path that leaves the device root counts as missing.
FileStart readFileStartOrWhyNot(std::u16string_view handheldPath, std::size_t maxBytes);

// Replaces a file's content atomically: written whole and synced beside it, then renamed over
// it, so any failure leaves the old file as it was. Returns whether the new content is in place.
bool replaceFile(std::u16string_view handheldPath, const void* data, std::size_t count);

// Replaces several files all or none, each as replaceFile does; every new file is whole on disk
// before the first old one is replaced.
bool replaceFiles(std::span<const std::u16string> handheldPaths,
                  std::span<const std::vector<std::uint8_t>> contents);

// Removes from a folder the temporary files of the rule's targets that a crash left behind.
int removeLeftoverTemporaryFiles(std::u16string_view handheldFolder, const LeftoverRule& rule);

bool fileExists(std::u16string_view handheldPath);
// Copies a regular file the way replaceFile writes, so a failed copy leaves `to` as it was.
bool copyFile(std::u16string_view from, std::u16string_view to, bool overwrite);
// Whether two regular files hold the same bytes.
bool sameFileContent(std::u16string_view first, std::u16string_view second);
bool deleteFile(std::u16string_view handheldPath);
bool createDirectory(std::u16string_view handheldPath);

// The names of the regular files in a folder that match a pattern of '*' and '?' (such as
// "*.zpk"), ignoring case, sorted by name so the order is the same on every machine.
std::vector<std::u16string> findFiles(std::u16string_view folder, std::u16string_view pattern);
