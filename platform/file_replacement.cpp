// Replacing a file so that it is never lost or half-written, whatever the disk does.
#include "platform/file_replacement.h"

#include "platform/file_system_calls.h"
#include "platform/regular_file.h"
#include "platform/temporary_names.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kCopyChunkBytes = 64 * 1024;

std::string temporaryPath(const fs::path& target) {
    return (target.parent_path() / temporaryName(target.filename().string())).string();
}

// The new file keeps the old one's permissions; a new file gets the usual ones.
void keepPermissions(int descriptor, const fs::path& target) {
    struct stat status {};
    if (::stat(target.c_str(), &status) == 0) {
        ::fchmod(descriptor, status.st_mode & 07777);
    }
}

} // namespace

FileReplacement::FileReplacement(const fs::path& target) : target_(target) {
    if (target_.filename().empty() || !replaceableFilePath(target_)) {
        return;
    }
    for (int attempt = 0; attempt < 8 && descriptor_ < 0; ++attempt) {
        temporary_ = temporaryPath(target_);
        descriptor_ =
            ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (descriptor_ < 0 && errno != EEXIST) {
            break;
        }
    }
    if (descriptor_ < 0) {
        temporary_.clear();
        return;
    }
    keepPermissions(descriptor_, target_);
}

FileReplacement::~FileReplacement() {
    discard();
}

void FileReplacement::discard() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
    finished_ = false;
}

bool FileReplacement::write(const void* data, std::size_t count) {
    if (descriptor_ < 0) {
        return false;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    while (count > 0) {
        const ssize_t n = fileSystemCalls().write(descriptor_, bytes, count);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        // A write that makes no progress would loop for ever; the disk is as good as full.
        if (n <= 0) {
            discard();
            return false;
        }
        bytes += n;
        count -= static_cast<std::size_t>(n);
    }
    return true;
}

bool FileReplacement::finish() {
    if (finished_) {
        return true;
    }
    if (descriptor_ < 0) {
        return false;
    }
    // The sync is where a disk that accepted the writes into its cache owns up to a lack of room.
    const bool synced = fileSystemCalls().fsync(descriptor_) == 0;
    const bool closed = ::close(descriptor_) == 0;
    descriptor_ = -1;
    if (!synced || !closed) {
        discard();
        return false;
    }
    finished_ = true;
    return true;
}

bool FileReplacement::commit() {
    if (!finish()) {
        return false;
    }
    // Checked again: something else may have taken the target's place while it was written.
    if (!replaceableFilePath(target_) ||
        fileSystemCalls().rename(temporary_.c_str(), target_.c_str()) != 0) {
        discard();
        return false;
    }
    temporary_.clear();
    finished_ = false;
    syncNativeFolder(target_.parent_path());
    return true;
}

void syncNativeFolder(const fs::path& folder) {
    const int descriptor =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        fileSystemCalls().fsyncFolder(descriptor);
        ::close(descriptor);
    }
}

bool replaceNativeFile(const fs::path& target, const void* data, std::size_t count) {
    FileReplacement file(target);
    return file.write(data, count) && file.commit();
}

bool replaceNativeFiles(std::span<const fs::path> targets,
                        std::span<const std::vector<std::uint8_t>> contents) {
    if (targets.size() != contents.size()) {
        return false;
    }
    std::vector<std::unique_ptr<FileReplacement>> files;
    for (std::size_t k = 0; k < targets.size(); ++k) {
        files.push_back(std::make_unique<FileReplacement>(targets[k]));
        if (!files.back()->write(contents[k].data(), contents[k].size()) ||
            !files.back()->finish()) {
            return false;
        }
    }
    bool all = true;
    for (auto& file : files) {
        all = file->commit() && all;
    }
    return all;
}

bool copyNativeFile(const fs::path& from, const fs::path& to) {
    const int source = openRegularFileForReading(from);
    if (source < 0) {
        return false;
    }
    FileReplacement copy(to);
    std::vector<std::uint8_t> chunk(kCopyChunkBytes);
    bool copied = copy.ok();
    while (copied) {
        const std::int64_t n = readFully(source, chunk.data(), chunk.size());
        if (n <= 0) {
            copied = n == 0;
            break;
        }
        copied = copy.write(chunk.data(), static_cast<std::size_t>(n));
    }
    ::close(source);
    return copied && copy.commit();
}

bool sameNativeFileContent(const fs::path& first, const fs::path& second) {
    const int a = openRegularFileForReading(first);
    const int b = openRegularFileForReading(second);
    bool same = a >= 0 && b >= 0;
    std::vector<std::uint8_t> chunkA(kCopyChunkBytes), chunkB(kCopyChunkBytes);
    while (same) {
        const std::int64_t n = readFully(a, chunkA.data(), chunkA.size());
        const std::int64_t m = readFully(b, chunkB.data(), chunkB.size());
        same = n >= 0 && n == m && std::equal(chunkA.begin(), chunkA.begin() + n, chunkB.begin());
        // A short read is the end of both files.
        if (n < std::int64_t(chunkA.size())) {
            break;
        }
    }
    if (a >= 0) {
        ::close(a);
    }
    if (b >= 0) {
        ::close(b);
    }
    return same;
}
