// Replacing a file so that it is never lost or half-written, whatever the disk does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

// The new content goes to a temporary file beside the target, every write checked; finish()
// syncs it to disk and commit() renames it over the target. A replacement dropped before its
// commit, or one that failed anywhere, removes its temporary file and leaves the target as it
// was. Only a missing or regular target is replaced: a folder, pipe or device is refused.
class FileReplacement {
  public:
    explicit FileReplacement(const std::filesystem::path& target);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // False once anything has failed; every later step then fails too.
    bool ok() const { return descriptor_ >= 0 || finished_; }
    // Writes every byte or fails.
    bool write(const void* data, std::size_t count);
    // Syncs and closes the temporary file; after it only the rename is left.
    bool finish();
    // Finishes if need be, then puts the new content in the target's place.
    bool commit();

  private:
    void discard();

    std::filesystem::path target_;
    std::string temporary_;
    int descriptor_ = -1;
    bool finished_ = false;
};

// Replaces a file's content at once: the target holds either its old or all of its new bytes.
bool replaceNativeFile(const std::filesystem::path& target, const void* data, std::size_t count);

// Replaces each of `targets` with the matching `contents`, all or none: every new file is whole
// on disk before the first old one is replaced.
bool replaceNativeFiles(std::span<const std::filesystem::path> targets,
                        std::span<const std::vector<std::uint8_t>> contents);

// Copies a regular file over `to` the same way; the source stays as it is.
bool copyNativeFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Syncs a folder, so that a rename done in it is itself on disk; a folder that cannot be synced
// changes nothing already done.
void syncNativeFolder(const std::filesystem::path& folder);

// Whether two regular files hold the same bytes.
bool sameNativeFileContent(const std::filesystem::path& first, const std::filesystem::path& second);
